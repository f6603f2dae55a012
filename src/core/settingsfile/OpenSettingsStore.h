#pragma once

#include "core/settingsfile/SettingsStore.h"

#include <memory>

// The names the program's settings are kept under, which QApplication takes too.
QString OrganizationName();
QString ApplicationName();

// The user's settings store in the platform's place: QSettings' native store on Windows and
// macOS; elsewhere the ini-format file where QSettings keeps it, read and written as text.
std::unique_ptr<SettingsStore> OpenSettingsStore();
