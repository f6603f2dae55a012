#include "app/Session.h"

#include "countdown/frmMain.h"
#include "settings/frmConfig.h"

Session::Session(EventStore &store, const HostServices &host)
    : m_store(store)
    , m_host(host)
{ }

void Session::start()
{
    Main(m_store, m_host.settings, [this] { openMain(); });
}

void Session::openMain()
{
    auto *window = new frmMain(m_store, m_host, *this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void Session::openConfig()
{
    auto *dialog = new frmConfig(m_store, m_host, *this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
