#include "app/FontWarmUp.h"

#ifdef QUORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontWarmUp::FontWarmUp()
{
#ifdef QUORVANE_HAVE_FONTCONFIG
    // Reading the configuration files and the font caches is most of the time to the first
    // drawing; the toolkit's own call finds it done and returns at once.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
