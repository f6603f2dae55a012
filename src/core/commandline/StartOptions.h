#pragma once

// How the command line asks the program to start; plain data, to be handed on as it is.
struct StartOptions
{
    bool openSettings = false; // the settings dialog instead of the countdown
    bool keepOpen = false; // the first countdown window with Auto-Close cleared
};
