#include "core/login/DefaultLoginStartup.h"

#include "core/login/LaunchAgentEntry.h"
#include "core/login/WindowsRunEntry.h"
#include "core/login/XdgAutostartEntry.h"

std::unique_ptr<LoginStartup> DefaultLoginStartup(const QString &programPath)
{
#if defined(Q_OS_WIN)
    return std::make_unique<WindowsRunEntry>(programPath);
#elif defined(Q_OS_MACOS)
    return std::make_unique<LaunchAgentEntry>(LaunchAgentEntry::defaultFolder(), programPath);
#else
    return std::make_unique<XdgAutostartEntry>(XdgAutostartEntry::defaultFolder(), programPath);
#endif
}
