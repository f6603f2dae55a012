#pragma once

#include <QByteArray>

// How the command line asks the program to start; plain data, to be handed on as it is.
struct StartOptions
{
    bool openSettings = false; // the settings dialog instead of the countdown
    bool keepOpen = false; // the first countdown window with Auto-Close cleared
    // On Wayland, the token with which the desktop that made this start lets its window come
    // to the front; handed on to the program already running. Empty without one.
    QByteArray activationToken {};
};
