#pragma once

#include "core/files/SafeFile.h"
#include "core/settingsfile/IniText.h"
#include "core/settingsfile/StagedSettingsStore.h"

// The settings kept in an ini-format file, read and written as text (IniText), so values are
// read as the exact text stored and every line the program does not change is kept as it is.
// Only a regular file (or a link to one) of at most 16 MiB is read or replaced. A save replaces
// the whole file at once (SafeReplace): a crash or a full disk leaves the complete old or the
// complete new file, never a mix, and a failed save leaves the old file byte-identical. A file
// that could not have been written completely is kept beside the new one as a dated copy before
// it is first replaced.
class IniFileStore final : public StagedSettingsStore
{
public:
    // A save creates the missing folders on the way to filePath, but below mustExist only: a
    // missing home folder is not made up.
    explicit IniFileStore(const QString &filePath, const QString &mustExist = QString());

    QString location() const override { return m_path; }
    QString readError() const override { return m_readError; }
    bool changedElsewhere() const override;
    QString reload() override;

private:
    std::optional<QString> stored(const QString &section, const QString &key) const override;
    QStringList storedKeys(const QString &section) const override;
    SaveResult write() override;

    QString m_path;
    QString m_mustExist;
    QString m_readError; // why the file could not be read when it was last read
    // The file as this store last read or wrote it, to tell another writer's change.
    FileReading m_seen;
    IniText m_file; // as last read or written
};
