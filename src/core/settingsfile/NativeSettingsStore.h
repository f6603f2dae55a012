#pragma once

#include "core/settingsfile/StagedSettingsStore.h"

#include <QHash>
#include <QVariant>

#include <memory>

class QSettings;

// The settings kept in QSettings' own store, where the platform's native one is not a file
// (the Windows registry, a macOS property list): written through QSettings at commit().
//
// The registry writes each value whole but a set of values not as one: a save is refused before
// its first value where the key cannot be written, but a crash during one may leave some of its
// values written and some not.
class NativeSettingsStore final : public StagedSettingsStore
{
public:
    explicit NativeSettingsStore(std::unique_ptr<QSettings> settings);
    ~NativeSettingsStore() override;

    QString location() const override;
    QString readError() const override { return QString(); }
    bool changedElsewhere() const override;
    QString reload() override;

private:
    // Every value the store holds now, by its full key.
    QHash<QString, QVariant> readAll() const;

    std::optional<QString> stored(const QString &section, const QString &key) const override;
    QStringList storedKeys(const QString &section) const override;
    SaveResult write() override;

    std::unique_ptr<QSettings> m_settings;
    // The store as this one last read or wrote it, to tell another writer's change.
    QHash<QString, QVariant> m_seen;
};
