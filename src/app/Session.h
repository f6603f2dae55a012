#pragma once

#include "app/Navigator.h"
#include "host/HostServices.h"
#include "store/EventStore.h"

// One run of the program: the event store, the host services, and the window that is open.
class Session final : public Navigator
{
public:
    Session(EventStore &store, const HostServices &host);

    // Start-up: loads the settings and opens the countdown window.
    void start();

    void openMain() override;
    void openConfig() override;

private:
    EventStore &m_store;
    HostServices m_host;
};
