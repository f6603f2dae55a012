#pragma once

#include "app/StartOptions.h"
#include "host/HostServices.h"
#include "store/EventStore.h"

// One run of the program: the event store, the host services, and the window that is open.
// The windows only announce how they were left; the session opens the next one.
class Session final
{
public:
    Session(EventStore &store, const HostServices &host);

    // Start-up: loads the settings and opens the countdown window, or the settings dialog when
    // the options ask for it.
    void start(const StartOptions &options = {});

    // Opens a fresh countdown window, modeless.
    void openMain();
    // Opens a fresh settings dialog, modeless.
    void openConfig();

private:
    void configFinished(bool accepted);

    EventStore &m_store;
    HostServices m_host;
    // Auto-Close is cleared in the next countdown window only, as the command line asked.
    bool m_keepNextOpen = false;
};
