#pragma once

#include "core/settingsfile/IniText.h"
#include "core/settingsfile/SettingsStore.h"

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

    // A store kept in the ini-format file at filePath. A save creates the missing folders on
    // the way to it, but below mustExist only: a missing home folder is not made up.
    explicit QtSettingsStore(const QString &filePath, const QString &mustExist = QString());
    // The per-user store of this application in the platform's native place.
    static std::unique_ptr<QtSettingsStore> openDefault();
    ~QtSettingsStore() override;

    // Path of the backing file, or the registry path on Windows.
    QString fileName() const;

    QString get(const QString &section, const QString &key,
        const QString &defaultValue = QString()) const override;
    bool contains(const QString &section, const QString &key) const override;
    QStringList keys(const QString &section) const override;
    void save(const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &section, const QString &key) override;
    void removeStale(
        const QString &section, const std::function<bool(const QString &key)> &isStale) override;
    SaveResult commit() override;
    void discard() override;
    QString location() const override { return fileName(); }
    QString readError() const override { return m_readError; }
    bool changedElsewhere() const override;

private:
    struct StaleRule
    {
        QString section;
        std::function<bool(const QString &)> isStale;
    };

    explicit QtSettingsStore(std::unique_ptr<QSettings> native);
    // The keys the store holds, without the staged changes.
    QStringList storedKeys(const QString &section) const;
    // Stages the removals the stale rules ask for among the keys the store holds now.
    void stageStaleRemovals();
    SaveResult commitToFile();
    SaveResult commitNative();
    void use(QByteArray file);

    QString m_path;
    QString m_mustExist;
    QString m_readError; // why the file could not be read when the store was opened
    // The file as this store last read or wrote it, to tell another writer's change.
    QByteArray m_seen;
    std::unique_ptr<QSettings> m_native; // null for an ini file
    IniText m_file; // as last read or written
    SettingsChanges m_pending;
    QList<StaleRule> m_staleRules;
};
