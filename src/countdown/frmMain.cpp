#include "countdown/frmMain.h"

#include "app/Navigator.h"
#include "store/EventStore.h"

frmMain::frmMain(
    const EventStore &store, const HostServices &host, Navigator &navigator, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_host(host)
    , m_navigator(navigator)
{
    // TODO: the countdown window.
    setWindowTitle(m_store.EventDescriptions.value(m_store.ActiveEvent));
}
