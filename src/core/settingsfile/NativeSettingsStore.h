#pragma once

#include "core/settingsfile/StagedSettingsStore.h"

#include <memory>

class QSettings;

// The settings kept in QSettings' own store, where the platform's native one is not a file
// (the Windows registry, a macOS property list): written through QSettings at commit().
class NativeSettingsStore final : public StagedSettingsStore
{
public:
    explicit NativeSettingsStore(std::unique_ptr<QSettings> settings);
    ~NativeSettingsStore() override;

    QString location() const override;
    QString readError() const override { return QString(); }
    bool changedElsewhere() const override { return false; }
    QString reload() override;

private:
    std::optional<QString> stored(const QString &section, const QString &key) const override;
    QStringList storedKeys(const QString &section) const override;
    SaveResult write() override;

    std::unique_ptr<QSettings> m_settings;
};
