#pragma once

#include "host/SettingsStore.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSettings>

#include <memory>
#include <optional>

// The settings store over QSettings.
//
// File-backed stores (every platform but Windows' registry) are written by replacing the
// whole file: the current file is copied, the staged changes are applied to the copy, the
// copy is read back and checked, flushed to disk and renamed over the original. A crash or a
// full disk therefore leaves the complete old or the complete new file, never a mix, and a
// failed save leaves the old file byte-identical. A file that could not have been written
// completely is kept beside the new one as a dated copy before it is first replaced.
//
// Values are read as the exact text stored: where QSettings would change a value written by
// hand or by another program (split it at commas, drop quotes or backslashes, read it as
// another type), the text of the file is taken instead.
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

    QtSettingsStore(std::unique_ptr<QSettings> settings, bool fileBacked);
    SaveResult commitToFile();
    SaveResult commitDirect();
    // Applies the staged changes; keysOf lists a section's keys for the stale rules.
    void applyPending(
        QSettings &settings, const std::function<QStringList(const QString &)> &keysOf) const;
    // Whether the written file holds every staged change, as QSettings writes it.
    bool holdsPending(const QByteArray &file, const QHash<QString, QString> &written) const;
    void reread();
    void useRawValues(const QByteArray &file);
    static QString fullKey(const QString &section, const QString &key);

    std::unique_ptr<QSettings> m_settings; // reads the committed store
    bool m_fileBacked = false;
    // Text of every value in the file as last read (file-backed stores only).
    QHash<QString, QString> m_rawValues;
    QByteArray m_rawSource; // the bytes m_rawValues was read from
    // Whether QSettings reads the same keys from the file as m_rawValues holds, so that a key
    // missing there is missing from the store. Otherwise only QSettings' reading is used.
    bool m_rawTrusted = false;
    // Staged changes by full key: a value to write, or nullopt to remove the key.
    QMap<QString, std::optional<QString>> m_pending;
    QList<StaleRule> m_staleRules;
};
