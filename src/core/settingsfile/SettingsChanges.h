#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

// A key of a settings store: its section and its name.
using SettingsKey = std::pair<QString, QString>;
// Staged changes to a settings store: for each key, a value to write, or nullopt to remove it.
using SettingsChanges = QHash<SettingsKey, std::optional<QString>>;
