#include "app/Session.h"

#include "core/host/MessageBox.h"
#include "gui/countdown/frmMain.h"
#include "gui/settingsdialog/frmConfig.h"

#include <QApplication>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// On Wayland a window takes the focus from another program only with a token from the desktop:
// here the later start's, which Qt's Wayland platform takes from the environment when a window
// asks to be activated. Without one Qt asks the desktop for a token, which it may refuse.
void activate(QWidget *window, const QByteArray &token)
{
    if (!token.isEmpty() && onWayland()) {
        qputenv("XDG_ACTIVATION_TOKEN", token);
    }
    window->activateWindow();
}

void bringToFront(QWidget *window, const QByteArray &token)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    activate(window, token);
}

// A window opened for a later start. Elsewhere it comes forward by itself; a Wayland desktop
// may keep a window that a running program opens behind the others.
void activateNew(QWidget *window, const QByteArray &token)
{
    if (onWayland()) {
        activate(window, token);
    }
}

} // namespace

Session::Session(EventList &events, const HostServices &host)
    : m_events(events)
    , m_host(host)
{ }

void Session::start(const StartOptions &options)
{
    m_keepNextOpen = options.keepOpen;
    LoadSettings(m_events, m_host.settings);
    // Said before any window opens; the program then goes on with the built-in settings, and
    // the settings file that could not be read is left as it is.
    const QString unreadable = m_host.settings.readError();
    if (!unreadable.isEmpty()) {
        m_host.messages.show(
            QCoreApplication::translate("Session", "The settings could not be read.")
                + QStringLiteral("\r\n\r\n") + unreadable,
            MessageBox::Exclamation);
    }
    if (options.openSettings) {
        openConfig();
    } else {
        openMain();
    }
}

void Session::openMain()
{
    auto *window = new frmMain(m_events, m_host.clock, m_host.pictures);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (m_keepNextOpen) {
        window->keepOpen();
        m_keepNextOpen = false;
    }
    QObject::connect(window, &frmMain::settingsRequested, window, [this] { openConfig(); });
    m_window = window;
    window->show();
}

void Session::openConfig()
{
    // The dialog shows what is on disk: a hand edit or another program's save since the list
    // was read is in it, and so are the events added in a cancelled visit.
    if (m_host.settings.changedElsewhere()) {
        ReloadSettings(m_events, m_host.settings);
    }
    auto *dialog = new frmConfig(m_events, m_host.settings, m_host.messages, m_host.fileDialog,
        m_host.login, m_host.pictures);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &frmConfig::dialogFinished, dialog,
        [this](bool accepted) { configFinished(accepted); });
    m_window = dialog;
    dialog->show();
}

void Session::handOver(const StartOptions &options)
{
    // A message box waits for an answer: the window under it must stay as it is.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        bringToFront(modal, options.activationToken);
        return;
    }
    auto *countdown = qobject_cast<frmMain *>(m_window.data());
    if (m_window.isNull() || !m_window->isVisible()) {
        if (options.openSettings) {
            openConfig();
        } else {
            m_keepNextOpen = options.keepOpen;
            openMain();
        }
        activateNew(m_window, options.activationToken);
        return;
    }
    if (countdown && options.openSettings) {
        // As the countdown's settings button does.
        countdown->close();
        openConfig();
        activateNew(m_window, options.activationToken);
        return;
    }
    if (countdown) {
        if (options.keepOpen) {
            countdown->keepOpen();
        } else {
            countdown->showAgain();
        }
    }
    bringToFront(m_window, options.activationToken);
}

void Session::configFinished(bool accepted)
{
    // The saved settings are read back, so the countdown shows exactly what a restart would.
    if (accepted) {
        LoadSettings(m_events, m_host.settings);
    }
    openMain();
}
