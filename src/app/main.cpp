#include "app/DisplayGuard.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/StartCommandLine.h"
#include "core/commandline/CommandLine.h"
#include "core/host/SystemClock.h"
#include "core/login/DefaultLoginStartup.h"
#include "core/settingsfile/OpenSettingsStore.h"
#include "gui/host/QtFileDialog.h"
#include "gui/host/QtMessageBox.h"
#include "gui/host/QtPictureLoader.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Answered before QApplication exists: it needs a display, and aborts without one.
    const CommandLine command
        = ParseCommandLine(StartArguments(argc, argv), QStringLiteral(QUORVANE_VERSION));
    if (command.exitCode) {
        PrintText(stdout, command.out);
        PrintText(stderr, command.err);
        return *command.exitCode;
    }
    // Where no display can be reached, one line and status 1 instead of the toolkit's abort.
    DisplayGuard displayGuard(command.platform, command.display);
    QApplication app(argc, argv);
    displayGuard.release();
    QApplication::setOrganizationName(OrganizationName());
    QApplication::setApplicationName(ApplicationName());
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    // Pairs the window with its menu entry where the desktop matches them by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));

    const auto settings = OpenSettingsStore();
    // A second start hands its options over to the program already running and ends here.
    SingleInstance instance(SingleInstance::defaultName(settings->location()));
    const SingleInstance::Outcome claimed = instance.claim(command.options);
    if (claimed == SingleInstance::Outcome::HandedOver) {
        return 0;
    }
    SystemClock clock;
    QtMessageBox messages;
    QtFileDialog fileDialog;
    QtPictureLoader pictures;
    // The entry starts the program the user is running now.
    const auto login = DefaultLoginStartup(QCoreApplication::applicationFilePath());
    EventList events;
    Session session(
        events, HostServices {*settings, clock, messages, fileDialog, pictures, *login});
    QObject::connect(&instance, &SingleInstance::handOver, &instance,
        [&session](const StartOptions &options) { session.handOver(options); });
    session.start(command.options);
    return QApplication::exec();
}
