#pragma once

#include "host/IniText.h"
#include "host/SettingsStore.h"

#include <QList>
#include <QSettings>

#include <memory>

// The per-user settings store: an ini-format file, or QSettings' native store where that is
// not a file (the Windows registry, the macOS property list).
//
// The file is read and written as text (IniText), so values are read as the exact text
// stored and every line the program does not change is kept as it is. A save writes the whole
// new file beside the old one, flushes it to disk and renames it over the old one: a crash or
// a full disk leaves the complete old or the complete new file, never a mix, and a failed save
// leaves the old file byte-identical. A file that could not have been written completely is
// kept beside the new one as a dated copy before it is first replaced.
class QtSettingsStore final : public SettingsStore
{
public:
    static QString organizationName() { return QStringLiteral("Quorvane"); }
    static QString applicationName() { return QStringLiteral("Quorvane"); }

    // A store kept in the ini-format file at filePath.
    explicit QtSettingsStore(const QString &filePath);
    // The per-user store of this application in the platform's native place.
    static std::unique_ptr<QtSettingsStore> openDefault();
    ~QtSettingsStore() override;

    // Path of the backing file, or the registry path on Windows.
    QString fileName() const;

    QString get(const QString &section, const QString &key,
        const QString &defaultValue = QString()) const override;
    bool contains(const QString &section, const QString &key) const override;
    void save(const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &section, const QString &key) override;
    void removeStale(
        const QString &section, const std::function<bool(const QString &key)> &isStale) override;
    SaveResult commit() override;
    void discard() override;

private:
    struct StaleRule
    {
        QString section;
        std::function<bool(const QString &)> isStale;
    };

    explicit QtSettingsStore(std::unique_ptr<QSettings> native);
    // Stages the removals the stale rules ask for among the keys the store holds now.
    void stageStaleRemovals(const std::function<QStringList(const QString &section)> &keysOf);
    SaveResult commitToFile();
    SaveResult commitNative();
    void use(QByteArray file);

    QString m_path;
    std::unique_ptr<QSettings> m_native; // null for an ini file
    IniText m_file; // as last read or written
    IniText::Changes m_pending;
    QList<StaleRule> m_staleRules;
};
