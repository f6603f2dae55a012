#include "host/QtSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

SaveResult failed(const QString &reason)
{
    return {false, reason, QString()};
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
}

// Staging files of saves that never finished (the process was killed) are removed by a later
// save once they are old enough not to belong to a save still running in another instance.
// Besides QSaveFile's names, those of earlier versions.
void removeAbandonedStagingFiles(const QString &dirPath, const QString &fileName)
{
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-600);
    QDirIterator it(dirPath,
        {fileName + QStringLiteral(".??????"),
            QLatin1Char('.') + fileName + QStringLiteral(".??????"),
            QLatin1Char('.') + fileName + QStringLiteral(".??????.new")},
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

bool flushToDisk(int fd)
{
#ifdef Q_OS_UNIX
    return ::fsync(fd) == 0;
#else
    Q_UNUSED(fd);
    return true;
#endif
}

// Owner write permission as marked on the file or folder. Checked by mode rather than by
// access() so that a file the user marked read-only stays untouched even for root.
bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

// Replaces the file at target with bytes so that a crash leaves the whole old or the whole
// new file: the new file is written beside the old one (beside a link's target, with the old
// file's permissions), flushed to disk and renamed over the old one, and the folder is flushed
// after it so that the rename lasts. On failure the reason is returned and target is as it was.
QString replaceFile(const QString &target, const QByteArray &bytes)
{
    QSaveFile file(target);
    // Each step is checked before the rename: QSaveFile::commit() renames even when its last
    // buffered write failed.
    const bool staged = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && file.flush() && flushToDisk(file.handle());
    if (!staged || !file.commit()) {
        return QStringLiteral("The file %1 could not be replaced: %2")
            .arg(target, file.errorString());
    }
#ifdef Q_OS_UNIX
    const QString folder = QFileInfo(QFileInfo(target).canonicalFilePath()).absolutePath();
    if (const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
        fd >= 0) {
        flushToDisk(fd);
        ::close(fd);
    }
#endif
    return QString();
}

} // namespace

QtSettingsStore::QtSettingsStore(const QString &filePath)
    : m_path(filePath)
    , m_file(readFile(filePath).value_or(QByteArray()))
{ }

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> native)
    : m_native(std::move(native))
{ }

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::openDefault()
{
    auto native = std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, organizationName(), applicationName());
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return std::unique_ptr<QtSettingsStore>(new QtSettingsStore(std::move(native)));
#else
    // Elsewhere the native store is an ini file, read and written here as one.
    return std::make_unique<QtSettingsStore>(native->fileName());
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

void QtSettingsStore::stageStaleRemovals(
    const std::function<QStringList(const QString &section)> &keysOf)
{
    for (const StaleRule &rule : std::as_const(m_staleRules)) {
        const QStringList keys = keysOf(rule.section);
        for (const QString &key : keys) {
            if (rule.isStale(key) && !m_pending.contains({rule.section, key})) {
                m_pending.insert({rule.section, key}, std::nullopt);
            }
        }
    }
}

SaveResult QtSettingsStore::commitNative()
{
    stageStaleRemovals([this](const QString &section) {
        m_native->beginGroup(section);
        QStringList keys = m_native->childKeys();
        m_native->endGroup();
        return keys;
    });
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
    const QFileInfo targetInfo(m_path);
    const QString dirPath = targetInfo.absolutePath();
    if (!QDir().mkpath(dirPath)) {
        return failed(QStringLiteral("The folder %1 cannot be created.").arg(dirPath));
    }
    if (markedReadOnly(dirPath)) {
        return failed(QStringLiteral("The folder %1 is read-only.").arg(dirPath));
    }
    if (markedReadOnly(m_path)) {
        return failed(QStringLiteral("The file %1 is read-only.").arg(m_path));
    }
    // Saves stage beside a link's target.
    const QFileInfo real(targetInfo.isSymLink() ? targetInfo.symLinkTarget() : m_path);
    removeAbandonedStagingFiles(real.absolutePath(), real.fileName());

    // The file as it is now: another instance may have saved since this one read it.
    const std::optional<QByteArray> file = targetInfo.exists() ? readFile(m_path) : QByteArray();
    use(file.value_or(QByteArray()));
    if (!file || (targetInfo.exists() && !targetInfo.isFile())) {
        return failed(
            QStringLiteral("The file %1 cannot be read, so it is left as it is.").arg(m_path));
    }
    stageStaleRemovals([this](const QString &section) { return m_file.keys(section); });
    const QByteArray replacement = m_file.rewritten(m_pending);

    QString keptCopy;
    if (m_file.isDamaged()) {
        // Keep what could not be read completely before the save replaces it.
        keptCopy = datedCopyName(m_path);
        if (const QString error = replaceFile(keptCopy, m_file.bytes()); !error.isEmpty()) {
            return failed(QStringLiteral("The damaged file %1 could not be kept as %2: %3")
                              .arg(m_path, keptCopy, error));
        }
    }
    if (const QString error = replaceFile(m_path, replacement); !error.isEmpty()) {
        if (!keptCopy.isEmpty()) {
            QFile::remove(keptCopy);
        }
        return failed(error);
    }
    discard();
    use(replacement);
    return {true, QString(), keptCopy};
}
