#pragma once

#include <QString>

// The user's home folder: HOME, or where the user database says it is when HOME is unset or
// empty (a service or a cron job may start the program without one), never the root folder.
QString UserHomeFolder();

// The folder for the user's configuration files, as the freedesktop convention says:
// XDG_CONFIG_HOME when it is an absolute path, otherwise .config in the home folder.
QString UserConfigFolder();
