#include "core/settingsfile/IniFileStore.h"

#include "core/files/SafeFile.h"
#include "core/files/SystemReason.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

SaveResult failed(const QString &reason)
{
    return {false, reason, QString()};
}

// Staging files of saves that never finished (the process was killed) are removed by a later
// save once they are old enough not to belong to a save still running in another instance.
// Besides QSaveFile's names, those of earlier versions, and the lock file that versions
// writing through QSettings left when they were killed.
void removeAbandonedStagingFiles(const QString &dirPath, const QString &fileName)
{
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-600);
    QDirIterator it(dirPath,
        {fileName + QStringLiteral(".??????"),
            QLatin1Char('.') + fileName + QStringLiteral(".??????"),
            QLatin1Char('.') + fileName + QStringLiteral(".??????.new"),
            fileName + QStringLiteral(".lock")},
        QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.lastModified().toUTC() < cutoff) {
            QFile::remove(info.filePath());
        }
    }
}

// A free name beside the file that dates the copy, as in Quorvane.conf.damaged-20261208-153000.
QString datedCopyName(const QString &target)
{
    const QString stem = target + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = stem + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

} // namespace

IniFileStore::IniFileStore(const QString &filePath, const QString &mustExist)
    : m_path(filePath)
    , m_mustExist(mustExist)
    , m_seen(read(filePath))
    , m_file(m_seen.bytes.value_or(QByteArray()))
{
    if (!m_seen.bytes) {
        m_readError = QStringLiteral("The file %1 cannot be read: %2").arg(m_path, m_seen.error);
    }
}

IniFileStore::Reading IniFileStore::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {false, QByteArray(), QString()};
    }
    if (info.isDir()) {
        return {true, std::nullopt, SystemReason(EISDIR)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {true, std::nullopt, file.errorString()};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {true, std::nullopt, file.errorString()};
    }
    return {true, std::move(bytes), QString()};
}

bool IniFileStore::changedElsewhere() const
{
    // A missing file, an unreadable one and every content are told apart.
    const Reading now = read(m_path);
    return now.exists != m_seen.exists || now.bytes != m_seen.bytes;
}

std::optional<QString> IniFileStore::stored(const QString &section, const QString &key) const
{
    return m_file.value(section, key);
}

QStringList IniFileStore::storedKeys(const QString &section) const
{
    return m_file.keys(section);
}

SaveResult IniFileStore::write()
{
    if (const QString refused = PrepareSafeReplace(m_path, m_mustExist); !refused.isEmpty()) {
        return failed(refused);
    }
    // Saves stage beside a link's target.
    const QFileInfo targetInfo(m_path);
    const QFileInfo real(targetInfo.isSymLink() ? targetInfo.symLinkTarget() : m_path);
    removeAbandonedStagingFiles(real.absolutePath(), real.fileName());

    // The file as it is now: another instance may have saved since this one read it.
    const Reading now = read(m_path);
    if (!now.bytes) {
        return failed(QStringLiteral("The file %1 cannot be read, so it is left as it is: %2")
                          .arg(m_path, now.error));
    }
    if (*now.bytes != m_file.bytes()) { // as read before: the reading stands
        m_file = IniText(*now.bytes);
    }
    stageStaleRemovals();
    const QByteArray replacement = m_file.rewritten(changes());

    QString keptCopy;
    if (m_file.isDamaged()) {
        // Keep what could not be read completely before the save replaces it.
        keptCopy = datedCopyName(m_path);
        if (const QString error = SafeReplace(keptCopy, m_file.bytes()); !error.isEmpty()) {
            return failed(QStringLiteral("The damaged file %1 could not be kept as %2: %3")
                              .arg(m_path, keptCopy, error));
        }
    }
    if (const QString error = SafeReplace(m_path, replacement, m_mustExist); !error.isEmpty()) {
        if (!keptCopy.isEmpty()) {
            QFile::remove(keptCopy);
        }
        return failed(error);
    }
    m_seen = {true, replacement, QString()};
    m_file = IniText(replacement);
    return {true, QString(), keptCopy};
}
