#include "app/FontWarmUp.h"
#include "app/Session.h"
#include "host/QtFileDialog.h"
#include "host/QtMessageBox.h"
#include "host/QtPictureLoader.h"
#include "host/QtSettingsStore.h"
#include "host/SystemClock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Runs beside the connection to the display and the building of the window.
    FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QtSettingsStore::organizationName());
    QApplication::setApplicationName(QtSettingsStore::applicationName());
    // Pairs the window with its menu entry where the desktop matches them by name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));

    const auto settings = QtSettingsStore::openDefault();
    SystemClock clock;
    QtMessageBox messages;
    QtFileDialog fileDialog;
    QtPictureLoader pictures;
    EventStore store;
    Session session(store, HostServices {*settings, clock, messages, fileDialog, pictures});
    session.start();
    // The window is shown but not drawn yet: its first drawing is the first use of the fonts.
    fonts.wait();
    return QApplication::exec();
}
