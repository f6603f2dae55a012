#pragma once

#include "core/login/LoginStartup.h"

#include <memory>

// The login entry of this platform for the program at programPath: the freedesktop autostart
// folder, the Windows registry's Run key, or a macOS launch agent.
std::unique_ptr<LoginStartup> DefaultLoginStartup(const QString &programPath);
