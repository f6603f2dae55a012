#include "host/QtSettingsStore.h"

#include "host/IniText.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

SaveResult failed(const QString &reason)
{
    return {false, reason, QString()};
}

QByteArray readFile(const QString &path, bool *ok = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok) {
        *ok = opened;
    }
    return opened ? file.readAll() : QByteArray();
}

// Staging files of saves that never finished (the process was killed) are removed by a later
// save once they are old enough not to belong to a save still running in another instance.
void removeAbandonedStagingFiles(const QString &dirPath, const QString &fileName)
{
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-600);
    QDirIterator it(dirPath,
        {QLatin1Char('.') + fileName + QStringLiteral(".??????"),
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

bool flushToDisk(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(path);
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

} // namespace

QtSettingsStore::QtSettingsStore(const QString &filePath)
    : QtSettingsStore(std::make_unique<QSettings>(filePath, QSettings::IniFormat), true)
{ }

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings, bool fileBacked)
    : m_settings(std::move(settings))
    , m_fileBacked(fileBacked)
{
    reread();
}

QtSettingsStore::~QtSettingsStore() = default;

std::unique_ptr<QtSettingsStore> QtSettingsStore::openDefault()
{
    auto settings = std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, organizationName(), applicationName());
#ifdef Q_OS_WIN
    return std::unique_ptr<QtSettingsStore>(new QtSettingsStore(std::move(settings), false));
#else
    // Elsewhere the native store is a file; reopen it as one so saves can replace it whole.
    return std::make_unique<QtSettingsStore>(settings->fileName());
#endif
}

void QtSettingsStore::useRawValues(const QByteArray &file)
{
    if (file == m_rawSource && !m_rawSource.isNull()) {
        return;
    }
    bool wellFormed = false;
    m_rawSource = file;
    m_rawValues = IniText::rawValues(file, &wellFormed);
    // In a file QSettings may read differently its reading is taken as it is.
    m_rawTrusted = wellFormed && !IniText::looksDamaged(file);
    if (!m_rawTrusted) {
        m_rawValues.clear();
    }
}

void QtSettingsStore::reread()
{
    m_settings->sync();
    if (m_fileBacked) {
        useRawValues(readFile(m_settings->fileName()));
    }
}

QString QtSettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString QtSettingsStore::fullKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString QtSettingsStore::get(
    const QString &section, const QString &key, const QString &defaultValue) const
{
    const QString full = fullKey(section, key);
    const auto staged = m_pending.constFind(full);
    if (staged != m_pending.cend()) {
        return staged->value_or(defaultValue);
    }
    const auto raw = m_rawValues.constFind(full);
    if (raw != m_rawValues.cend()) {
        // Most values need no parsing by QSettings at all.
        if (const std::optional<QString> text = IniText::plainValue(*raw)) {
            return *text;
        }
    } else if (m_rawTrusted) {
        return defaultValue;
    }
    const QVariant value = m_settings->value(full);
    if (raw == m_rawValues.cend()) {
        return value.isValid() ? value.toString() : defaultValue;
    }
    // QSettings' reading is taken where it is what QSettings would have written for it.
    if (value.typeId() == QMetaType::QString && IniText::escaped(value.toString()) == *raw) {
        return value.toString();
    }
    return *raw;
}

bool QtSettingsStore::contains(const QString &section, const QString &key) const
{
    const QString full = fullKey(section, key);
    const auto staged = m_pending.constFind(full);
    if (staged != m_pending.cend()) {
        return staged->has_value();
    }
    if (m_rawValues.contains(full)) {
        return true;
    }
    return !m_rawTrusted && m_settings->contains(full);
}

void QtSettingsStore::save(const QString &section, const QString &key, const QString &value)
{
    m_pending.insert(fullKey(section, key), value);
}

void QtSettingsStore::remove(const QString &section, const QString &key)
{
    m_pending.insert(fullKey(section, key), std::nullopt);
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
    SaveResult result = m_fileBacked ? commitToFile() : commitDirect();
    discard();
    reread(); // pick up the replaced file
    return result;
}

SaveResult QtSettingsStore::commitDirect()
{
    applyPending(*m_settings, [this](const QString &section) {
        m_settings->beginGroup(section);
        QStringList keys = m_settings->childKeys();
        m_settings->endGroup();
        return keys;
    });
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        return failed(QStringLiteral("The settings store refused the change."));
    }
    return {};
}

void QtSettingsStore::applyPending(
    QSettings &settings, const std::function<QStringList(const QString &)> &keysOf) const
{
    for (const StaleRule &rule : m_staleRules) {
        const QStringList keys = keysOf(rule.section);
        for (const QString &key : keys) {
            const QString full = fullKey(rule.section, key);
            if (rule.isStale(key) && !m_pending.contains(full)) {
                settings.remove(full);
            }
        }
    }
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        if (it->has_value()) {
            settings.setValue(it.key(), **it);
        } else {
            settings.remove(it.key());
        }
    }
}

bool QtSettingsStore::holdsPending(
    const QByteArray &file, const QHash<QString, QString> &written) const
{
    if (!file.isEmpty() && !file.endsWith('\n')) {
        return false;
    }
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        const auto found = written.constFind(it.key());
        if (it->has_value() ? found == written.cend() || *found != IniText::escaped(**it)
                            : found != written.cend()) {
            return false;
        }
    }
    return true;
}

SaveResult QtSettingsStore::commitToFile()
{
    const QString target = m_settings->fileName();
    const QFileInfo targetInfo(target);
    const QString dirPath = targetInfo.absolutePath();

    if (!QDir().mkpath(dirPath)) {
        return failed(QStringLiteral("The folder %1 cannot be created.").arg(dirPath));
    }
    if (markedReadOnly(dirPath)) {
        return failed(QStringLiteral("The folder %1 is read-only.").arg(dirPath));
    }
    if (markedReadOnly(target)) {
        return failed(QStringLiteral("The file %1 is read-only.").arg(target));
    }

    removeAbandonedStagingFiles(dirPath, targetInfo.fileName());

    QByteArray original;
    QString keptCopy;
    bool damaged = false;
    if (targetInfo.exists()) {
        bool readable = false;
        original = readFile(target, &readable);
        if (!readable || !targetInfo.isFile()) {
            return failed(
                QStringLiteral("The file %1 cannot be read, so it is left as it is.").arg(target));
        }
        m_settings->sync();
        // The new file is built from what could be read of a damaged one.
        damaged = IniText::looksDamaged(original) || m_settings->status() == QSettings::FormatError;
    }

    // A fresh name for every save: QSettings caches files by name within the process.
    QTemporaryFile staging(
        dirPath + QStringLiteral("/.") + targetInfo.fileName() + QStringLiteral(".XXXXXX"));
    staging.setAutoRemove(false);
    if (!staging.open()) {
        return failed(QStringLiteral("The folder %1 cannot be written: %2")
                          .arg(dirPath, staging.errorString()));
    }
    const QString stagingPath = staging.fileName();
    const auto cleanUp = [&] { QFile::remove(stagingPath); };
    const QByteArray start = damaged ? QByteArray() : original;
    const bool copied = staging.write(start) == start.size() && staging.flush();
    staging.close();
    if (!copied) {
        cleanUp();
        return failed(QStringLiteral("The folder %1 cannot be written: %2")
                          .arg(dirPath, staging.errorString()));
    }

    {
        QSettings writer(stagingPath, QSettings::IniFormat);
        if (damaged) {
            const QStringList readable = m_settings->allKeys();
            for (const QString &key : readable) {
                writer.setValue(key, m_settings->value(key));
            }
        }
        // The section's keys as the file spells them; the rules only match plain key names.
        useRawValues(original);
        applyPending(writer, [this, &writer, damaged](const QString &section) {
            QStringList keys;
            if (damaged || !m_rawTrusted) {
                writer.beginGroup(section);
                keys = writer.childKeys();
                writer.endGroup();
                return keys;
            }
            const QString prefix = section + QLatin1Char('/');
            for (auto it = m_rawValues.cbegin(); it != m_rawValues.cend(); ++it) {
                if (it.key().startsWith(prefix)) {
                    keys.append(it.key().mid(prefix.size()));
                }
            }
            return keys;
        });
        writer.sync();
        // A format error comes from reading lines QSettings cannot parse; they are left out
        // of what it wrote.
        if (writer.status() == QSettings::FormatError) {
            damaged = true;
        } else if (writer.status() != QSettings::NoError) {
            cleanUp();
            return failed(QStringLiteral("The settings could not be written to %1.").arg(dirPath));
        }
    }

    // Read the written bytes back: a full disk can cut the file short without an error.
    const QByteArray written = readFile(stagingPath);
    QHash<QString, QString> writtenValues = IniText::rawValues(written);
    if (!holdsPending(written, writtenValues)) {
        cleanUp();
        return failed(QStringLiteral("The settings could not be written completely to %1; "
                                     "the disk may be full.")
                          .arg(dirPath));
    }

    if (!flushToDisk(stagingPath)) {
        cleanUp();
        return failed(
            QStringLiteral("The settings could not be flushed to disk in %1.").arg(dirPath));
    }
    if (damaged && !original.isEmpty()) {
        // Keep what could not be read completely before the save replaces it.
        keptCopy = datedCopyName(target);
        QSaveFile copy(keptCopy);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(original) != original.size()
            || !copy.commit()) {
            cleanUp();
            return failed(QStringLiteral("The damaged file %1 could not be kept as %2: %3")
                              .arg(target, keptCopy, copy.errorString()));
        }
    }
    std::error_code ec;
    std::filesystem::rename(
        QFile::encodeName(stagingPath).toStdString(), QFile::encodeName(target).toStdString(), ec);
    if (ec) {
        cleanUp();
        return failed(QStringLiteral("The file %1 could not be replaced: %2")
                          .arg(target, QString::fromStdString(ec.message())));
    }
    useRawValues(written);
    flushToDisk(dirPath);
    return {true, QString(), keptCopy};
}
