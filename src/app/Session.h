#pragma once

#include "app/HostServices.h"
#include "core/commandline/StartOptions.h"
#include "core/events/EventList.h"

#include <QPointer>
#include <QWidget>

// One run of the program: the event store, the host services, and the window that is open.
// The windows only announce how they were left; the session opens the next one.
class Session final
{
public:
    Session(EventList &events, const HostServices &host);

    // Start-up: loads the settings and opens the countdown window, or the settings dialog when
    // the options ask for it.
    void start(const StartOptions &options = {});

    // Opens a fresh countdown window, modeless.
    void openMain();
    // Opens a fresh settings dialog, modeless, on the settings file as it is now.
    void openConfig();

    // A later start of the program asked for these options: the open window comes to the
    // front, or the dialog replaces the countdown when the options ask for it.
    void handOver(const StartOptions &options);

private:
    void configFinished(bool accepted);

    EventList &m_events;
    HostServices m_host;
    // Auto-Close is cleared in the next countdown window only, as the command line asked.
    bool m_keepNextOpen = false;
    // The window the session opened last, while it exists.
    QPointer<QWidget> m_window;
};
