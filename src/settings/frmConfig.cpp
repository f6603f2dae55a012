#include "settings/frmConfig.h"

#include "app/Navigator.h"
#include "store/EventStore.h"

frmConfig::frmConfig(
    EventStore &store, const HostServices &host, Navigator &navigator, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_host(host)
    , m_navigator(navigator)
{
    // TODO: the settings dialog.
    setWindowTitle(QStringLiteral("Settings"));
}
