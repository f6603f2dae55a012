#include "app/Session.h"

#include "countdown/frmMain.h"
#include "host/MessageBox.h"
#include "settings/frmConfig.h"

#include <QApplication>

namespace {

void bringToFront(QWidget *window)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Session::Session(EventStore &store, const HostServices &host)
    : m_store(store)
    , m_host(host)
{ }

void Session::start(const StartOptions &options)
{
    m_keepNextOpen = options.keepOpen;
    Main(m_store, m_host.settings, [this, options] {
        // Said before any window opens; the program then goes on with the built-in settings,
        // and the store leaves the file it could not read as it is.
        const QString unreadable = m_host.settings.readError();
        if (!unreadable.isEmpty()) {
            m_host.messages.show(
                QStringLiteral("The settings could not be read.\r\n\r\n") + unreadable,
                MessageBox::Exclamation);
        }
        if (options.openSettings) {
            openConfig();
        } else {
            openMain();
        }
    });
}

void Session::openMain()
{
    auto *window = new frmMain(m_store, m_host.clock, m_host.pictures);
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
    auto *dialog = new frmConfig(m_store, m_host.settings, m_host.messages, m_host.fileDialog,
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
        bringToFront(modal);
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
        return;
    }
    if (countdown && options.openSettings) {
        // As the countdown's settings button does.
        countdown->close();
        openConfig();
        return;
    }
    if (countdown) {
        if (options.keepOpen) {
            countdown->keepOpen();
        } else {
            countdown->showAgain();
        }
    }
    bringToFront(m_window);
}

void Session::configFinished(bool accepted)
{
    // The saved settings are read back, so the countdown shows exactly what a restart would.
    if (accepted) {
        LoadSettings(m_store, m_host.settings);
    }
    openMain();
}
