#include "host/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Stored values are text. A value written by hand may parse as a list when it holds an
// unquoted comma; it is joined back so that nothing of it is lost.
QString toText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
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
{ }

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
    const QVariant value = m_settings->value(full);
    return value.isValid() ? toText(value) : defaultValue;
}

bool QtSettingsStore::contains(const QString &section, const QString &key) const
{
    const QString full = fullKey(section, key);
    const auto staged = m_pending.constFind(full);
    if (staged != m_pending.cend()) {
        return staged->has_value();
    }
    return m_settings->contains(full);
}

void QtSettingsStore::save(const QString &section, const QString &key, const QString &value)
{
    m_pending.insert(fullKey(section, key), value);
}

void QtSettingsStore::remove(const QString &section, const QString &key)
{
    m_pending.insert(fullKey(section, key), std::nullopt);
}

void QtSettingsStore::discard()
{
    m_pending.clear();
}

SaveResult QtSettingsStore::commit()
{
    const SaveResult result = m_fileBacked ? commitToFile() : commitDirect();
    m_pending.clear();
    m_settings->sync(); // pick up the replaced file
    return result;
}

SaveResult QtSettingsStore::commitDirect()
{
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        if (it->has_value()) {
            m_settings->setValue(it.key(), **it);
        } else {
            m_settings->remove(it.key());
        }
    }
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        return {false, QStringLiteral("The settings store refused the change.")};
    }
    return {};
}

bool QtSettingsStore::holdsPending(const QSettings &settings) const
{
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        const QVariant stored = settings.value(it.key());
        if (it->has_value() ? stored != QVariant(**it) : stored.isValid()) {
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
        return {false, QStringLiteral("The folder %1 cannot be created.").arg(dirPath)};
    }
    if (markedReadOnly(dirPath)) {
        return {false, QStringLiteral("The folder %1 is read-only.").arg(dirPath)};
    }
    if (markedReadOnly(target)) {
        return {false, QStringLiteral("The file %1 is read-only.").arg(target)};
    }

    QByteArray original;
    if (targetInfo.exists()) {
        QFile in(target);
        if (!in.open(QIODevice::ReadOnly)) {
            return {false,
                QStringLiteral("The file %1 cannot be read: %2").arg(target, in.errorString())};
        }
        original = in.readAll();
    }

    // A fresh name for every save: QSettings caches files by name within the process.
    QTemporaryFile staging(
        dirPath + QStringLiteral("/.") + targetInfo.fileName() + QStringLiteral(".XXXXXX"));
    staging.setAutoRemove(false);
    if (!staging.open()) {
        return {false,
            QStringLiteral("The folder %1 cannot be written: %2")
                .arg(dirPath, staging.errorString())};
    }
    const QString stagingPath = staging.fileName();
    const QString verifiedPath = stagingPath + QStringLiteral(".new");
    const auto cleanUp = [&] {
        QFile::remove(stagingPath);
        QFile::remove(verifiedPath);
    };
    const bool copied = staging.write(original) == original.size() && staging.flush();
    staging.close();
    if (!copied) {
        cleanUp();
        return {false,
            QStringLiteral("The folder %1 cannot be written: %2")
                .arg(dirPath, staging.errorString())};
    }

    qsizetype expectedKeys = 0;
    {
        QSettings writer(stagingPath, QSettings::IniFormat);
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
            if (it->has_value()) {
                writer.setValue(it.key(), **it);
            } else {
                writer.remove(it.key());
            }
        }
        expectedKeys = writer.allKeys().size();
        writer.sync();
        if (writer.status() != QSettings::NoError) {
            cleanUp();
            return {false, QStringLiteral("The settings could not be written to %1.").arg(dirPath)};
        }
    }

    // Read the written file back under a name QSettings has not cached, so the check sees
    // the bytes on disk (a full disk can truncate the file without an error): it must hold
    // as many keys as intended and every staged change.
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(stagingPath).toStdString(),
        QFile::encodeName(verifiedPath).toStdString(), ec);
    if (ec) {
        cleanUp();
        return {false,
            QStringLiteral("The settings could not be written to %1: %2")
                .arg(dirPath, QString::fromStdString(ec.message()))};
    }
    {
        QSettings reader(verifiedPath, QSettings::IniFormat);
        if (reader.status() != QSettings::NoError || reader.allKeys().size() != expectedKeys
            || !holdsPending(reader)) {
            cleanUp();
            return {false,
                QStringLiteral("The settings could not be written completely to %1; "
                               "the disk may be full.")
                    .arg(dirPath)};
        }
    }
    if (!flushToDisk(verifiedPath)) {
        cleanUp();
        return {
            false, QStringLiteral("The settings could not be flushed to disk in %1.").arg(dirPath)};
    }
    std::filesystem::rename(
        QFile::encodeName(verifiedPath).toStdString(), QFile::encodeName(target).toStdString(), ec);
    if (ec) {
        cleanUp();
        return {false,
            QStringLiteral("The file %1 could not be replaced: %2")
                .arg(target, QString::fromStdString(ec.message()))};
    }
    flushToDisk(dirPath);
    return {};
}
