#pragma once

#include <thread>

// Loads the system's font configuration on a thread of its own while the program connects to
// the display and builds its window, so that the window's first drawing does not wait for it.
// Where the toolkit does not use fontconfig this does nothing.
class FontWarmUp final
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Returns once the configuration is loaded. The toolkit would load it a second time if it
    // started before this was done, so call it before the first text is laid out.
    void wait();

private:
    std::thread m_thread;
};
