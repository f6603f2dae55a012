#include "core/settingsfile/QtSettingsStore.h"

#include "core/files/SafeFile.h"
#include "core/files/UserFolders.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace {

SaveResult failed(const QString &reason)
{
    return {false, reason, QString()};
}

// What reading the file gave: its bytes, or the system's reason why it could not be read. A
// missing file reads as empty.
struct FileRead
{
    bool exists = false;
    std::optional<QByteArray> bytes;
    QString error;
};

FileRead readFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {false, QByteArray(), QString()};
    }
    if (info.isDir()) {
        return {true, std::nullopt, qt_error_string(EISDIR)};
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

// Tells apart a missing file, an unreadable one and every content.
QByteArray fingerprint(const FileRead &read)
{
    if (!read.exists) {
        return QByteArrayLiteral("missing");
    }
    if (!read.bytes) {
        return QByteArrayLiteral("unreadable");
    }
    // Only this process compares them, to notice a change another writer made: two 64-bit
    // hashes of fixed seeds and the size, a fraction of a cryptographic hash's time.
    const QByteArray &bytes = *read.bytes;
    QByteArray print = QByteArray::number(bytes.size()) + ':';
    for (const size_t seed : {size_t(0x5eed), size_t(0xc0ffee)}) {
        print += QByteArray::number(quint64(qHashBits(bytes.constData(), bytes.size(), seed)), 16)
            + ':';
    }
    return print;
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

QtSettingsStore::QtSettingsStore(const QString &filePath, const QString &mustExist)
    : m_path(filePath)
    , m_mustExist(mustExist)
{
    FileRead read = readFile(filePath);
    m_seen = fingerprint(read);
    if (!read.bytes) {
        m_readError = QStringLiteral("The file %1 cannot be read: %2").arg(m_path, read.error);
    }
    use(std::move(read.bytes).value_or(QByteArray()));
}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> native)
    : m_native(std::move(native))
{ }

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::openDefault()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return std::unique_ptr<QtSettingsStore>(new QtSettingsStore(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, organizationName(), applicationName())));
#else
    // Elsewhere the native store is an ini file, read and written here as one, where QSettings
    // keeps it; but never below the root folder for want of HOME, and a home folder that is
    // missing is not made.
    const QString file = UserConfigFolder() + QLatin1Char('/') + organizationName()
        + QLatin1Char('/') + applicationName() + QStringLiteral(".conf");
    const bool inHome = !QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    return std::make_unique<QtSettingsStore>(file, inHome ? UserHomeFolder() : QString());
#endif
}

QString QtSettingsStore::fileName() const
{
    return m_native ? m_native->fileName() : m_path;
}

QString QtSettingsStore::get(
    const QString &section, const QString &key, const QString &defaultValue) const
{
    if (const auto staged = m_pending.constFind({section, key}); staged != m_pending.cend()) {
        return staged->value_or(defaultValue);
    }
    if (m_native) {
        const QVariant value = m_native->value(section + QLatin1Char('/') + key);
        return value.isValid() ? value.toString() : defaultValue;
    }
    return m_file.value(section, key).value_or(defaultValue);
}

bool QtSettingsStore::contains(const QString &section, const QString &key) const
{
    if (const auto staged = m_pending.constFind({section, key}); staged != m_pending.cend()) {
        return staged->has_value();
    }
    return m_native ? m_native->contains(section + QLatin1Char('/') + key)
                    : m_file.value(section, key).has_value();
}

QStringList QtSettingsStore::storedKeys(const QString &section) const
{
    if (!m_native) {
        return m_file.keys(section);
    }
    m_native->beginGroup(section);
    QStringList keys = m_native->childKeys();
    m_native->endGroup();
    return keys;
}

QStringList QtSettingsStore::keys(const QString &section) const
{
    QStringList out;
    for (const QString &key : storedKeys(section)) {
        if (!m_pending.contains({section, key})) {
            out.append(key);
        }
    }
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        if (it.key().first == section && it->has_value()) {
            out.append(it.key().second);
        }
    }
    return out;
}

bool QtSettingsStore::changedElsewhere() const
{
    return !m_native && fingerprint(readFile(m_path)) != m_seen;
}

void QtSettingsStore::save(const QString &section, const QString &key, const QString &value)
{
    m_pending.insert({section, key}, value);
}

void QtSettingsStore::remove(const QString &section, const QString &key)
{
    m_pending.insert({section, key}, std::nullopt);
}

void QtSettingsStore::removeStale(
    const QString &section, const std::function<bool(const QString &key)> &isStale)
{
    m_staleRules.append({section, isStale});
}

void QtSettingsStore::discard()
{
    m_pending.clear();
    m_staleRules.clear();
}

SaveResult QtSettingsStore::commit()
{
    SaveResult result = m_native ? commitNative() : commitToFile();
    discard();
    return result;
}

void QtSettingsStore::stageStaleRemovals()
{
    for (const StaleRule &rule : std::as_const(m_staleRules)) {
        for (const QString &key : storedKeys(rule.section)) {
            if (rule.isStale(key) && !m_pending.contains({rule.section, key})) {
                m_pending.insert({rule.section, key}, std::nullopt);
            }
        }
    }
}

SaveResult QtSettingsStore::commitNative()
{
    stageStaleRemovals();
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        const QString key = it.key().first + QLatin1Char('/') + it.key().second;
        if (it->has_value()) {
            m_native->setValue(key, **it);
        } else {
            m_native->remove(key);
        }
    }
    m_native->sync();
    if (m_native->status() != QSettings::NoError) {
        return failed(QStringLiteral("The settings store refused the change."));
    }
    return {};
}

void QtSettingsStore::use(QByteArray file)
{
    m_file = IniText(); // never two large files in memory
    m_file = IniText(std::move(file));
}

SaveResult QtSettingsStore::commitToFile()
{
    if (const QString refused = PrepareSafeReplace(m_path, m_mustExist); !refused.isEmpty()) {
        return failed(refused);
    }
    const QFileInfo targetInfo(m_path);
    // Saves stage beside a link's target.
    const QFileInfo real(targetInfo.isSymLink() ? targetInfo.symLinkTarget() : m_path);
    removeAbandonedStagingFiles(real.absolutePath(), real.fileName());

    // The file as it is now: another instance may have saved since this one read it.
    FileRead now = readFile(m_path);
    if (!now.bytes) {
        return failed(QStringLiteral("The file %1 cannot be read, so it is left as it is: %2")
                          .arg(m_path, now.error));
    }
    if (*now.bytes != m_file.bytes()) { // as read before: the reading stands
        use(std::move(*now.bytes));
    }
    stageStaleRemovals();
    const QByteArray replacement = m_file.rewritten(m_pending);

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
    discard();
    m_seen = fingerprint({true, replacement, QString()});
    use(replacement);
    return {true, QString(), keptCopy};
}
