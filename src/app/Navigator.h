#pragma once

// Opens the program's windows. The countdown window and the settings dialog are never open
// together: each closes itself before asking for the other.
class Navigator
{
public:
    virtual ~Navigator() = default;
    // Opens a fresh countdown window, modeless.
    virtual void openMain() = 0;
    // Opens a fresh settings dialog, modeless.
    virtual void openConfig() = 0;
};
