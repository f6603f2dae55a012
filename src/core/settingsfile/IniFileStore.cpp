#include "core/settingsfile/IniFileStore.h"

#include "core/files/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

// Far above any list a person keeps, far below what would strain the memory.
constexpr qint64 MaxFileSize = qint64 {16} << 20;

SaveResult failed(const QString &reason)
{
    return {false, reason, QString(), QString()};
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
{
    IniFileStore::reload();
}

QString IniFileStore::reload()
{
    m_seen = SafeRead(m_path, MaxFileSize);
    m_file = IniText(m_seen.bytes.value_or(QByteArray()));
    m_readError = m_seen.bytes
        ? QString()
        : QCoreApplication::translate("IniFileStore", "The file %1 cannot be read: %2")
              .arg(m_path, m_seen.error);
    return m_readError;
}

bool IniFileStore::changedElsewhere() const
{
    // A missing file and every content are told apart; what cannot be read is left to the
    // commit to say.
    const FileReading now = SafeRead(m_path, MaxFileSize);
    return now.bytes && (now.exists != m_seen.exists || now.bytes != m_seen.bytes);
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
    // The file as it is now: another instance may have saved since this one read it.
    const FileReading now = SafeRead(m_path, MaxFileSize);
    if (!now.bytes) {
        return failed(QCoreApplication::translate(
            "IniFileStore", "The file %1 cannot be read, so it is left as it is: %2")
                          .arg(m_path, now.error));
    }
    if (*now.bytes != m_file.bytes()) { // as read before: the reading stands
        m_file = IniText(*now.bytes);
    }
    stageStaleRemovals();
    const QByteArray replacement = m_file.rewritten(changes());

    SaveResult result;
    if (m_file.isDamaged()) {
        // Keep what could not be read completely before the save replaces it, beside the file
        // itself (not beside a link to it), where the save writes too.
        const QString real = QFileInfo(m_path).canonicalFilePath();
        result.keptCopy = datedCopyName(real.isEmpty() ? m_path : real);
        if (const QString error
            = SafeReplace(result.keptCopy, m_file.bytes(), QString(), &result.unflushed);
            !error.isEmpty()) {
            return failed(QCoreApplication::translate(
                "IniFileStore", "The damaged file %1 could not be kept as %2: %3")
                              .arg(m_path, result.keptCopy, error));
        }
    }
    if (const QString error = SafeReplace(m_path, replacement, m_mustExist, &result.unflushed);
        !error.isEmpty()) {
        if (!result.keptCopy.isEmpty()) {
            QFile::remove(result.keptCopy);
        }
        return failed(error);
    }
    m_seen = {true, replacement, QString()};
    m_file = IniText(replacement);
    return result;
}
