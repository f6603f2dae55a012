#include "app/DisplayGuard.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/StartCommandLine.h"
#include "app/TestReport.h"
#include "app/Translations.h"
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
    // The desktop's language, for everything said from here on.
    Translations translations;
    // Answered before QApplication exists: it needs a display, and aborts without one.
    const QStringList arguments = StartArguments(argc, argv);
    const QString version = QStringLiteral(QUORVANE_VERSION);
    CommandLine command = ParseCommandLine(arguments, version);
    if (command.exitCode) {
        // Said again in the user's language, Qt's own words (the parser's) included: they are
        // looked up through an application object, and one without a display will do.
        const QCoreApplication terminal(argc, argv);
        translations.install();
        command = ParseCommandLine(arguments, version);
        PrintText(stdout, command.out);
        PrintText(stderr, command.err);
        return *command.exitCode;
    }
    // Where no display can be reached, or the toolkit fails to start for another cause (such as
    // -platform bogus), one line and status 1 instead of the toolkit's abort.
    DisplayGuard displayGuard(command.platform, command.display, translations);
    QApplication app(argc, argv);
    displayGuard.release();
    translations.install();
    QApplication::setOrganizationName(OrganizationName());
    QApplication::setApplicationName(ApplicationName());
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    // Pairs the window with its menu entry where the desktop matches them by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    const TestReport report;

    const auto settings = OpenSettingsStore();
    // A second start hands its options over to the program already running and ends here.
    SingleInstance instance(SingleInstance::defaultName(settings->location()));
    StartOptions options = command.options;
    // Set by a Wayland desktop that started this program; the running one may use it instead.
    options.activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    const SingleInstance::Outcome claimed = instance.claim(options);
    if (claimed == SingleInstance::Outcome::HandedOver) {
        return 0;
    }
    QtMessageBox messages;
    if (claimed == SingleInstance::Outcome::NotAnswering) {
        // Two programs must never change one settings file: this one ends, saying why.
        const QString text = QCoreApplication::translate("main",
                                 "Another Quorvane is running but not answering, so this one "
                                 "ends.")
            + QStringLiteral("\r\n\r\n")
            + QCoreApplication::translate(
                "main", "Wait until it answers, or end it, and start Quorvane again.");
        //: On a terminal; "quorvane" is the command's name.
        PrintText(stderr,
            QCoreApplication::translate(
                "main", "quorvane: another Quorvane is running but not answering")
                + QLatin1Char('\n'));
        messages.show(text, MessageBox::Stop);
        return 1;
    }
    SystemClock clock;
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
