#include "app/Session.h"

#include "countdown/frmMain.h"
#include "settings/frmConfig.h"

Session::Session(EventStore &store, const HostServices &host)
    : m_store(store)
    , m_host(host)
{ }

void Session::start(const StartOptions &options)
{
    m_keepNextOpen = options.keepOpen;
    Main(m_store, m_host.settings, [this, options] {
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
    window->show();
}

void Session::openConfig()
{
    auto *dialog = new frmConfig(m_store, m_host.settings, m_host.messages, m_host.fileDialog,
        m_host.login, m_host.pictures);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &frmConfig::dialogFinished, dialog,
        [this](bool accepted) { configFinished(accepted); });
    dialog->show();
}

void Session::configFinished(bool accepted)
{
    // The saved settings are read back, so the countdown shows exactly what a restart would.
    if (accepted) {
        LoadSettings(m_store, m_host.settings);
    }
    openMain();
}
