#include "core/files/SafeFile.h"

#include "core/files/SystemReason.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// As many links as Linux follows before it calls the path a loop.
constexpr int MaxLinks = 40;
// A staging file this old belongs to no save still running.
constexpr qint64 AbandonedSecs = 600;
constexpr qsizetype StagingTagSize = 6;

std::filesystem::path systemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
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

// So that a rename or a removal in the folder lasts: why not, or nothing.
QString flushFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    const bool flushed = fd >= 0 && flushToDisk(fd);
    const int error = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    return flushed ? QString() : SystemReason(error);
#else
    Q_UNUSED(folder);
    return QString();
#endif
}

// The system's words for a refusal decided here by the marks on a file.
QString permissionDenied()
{
    return SystemReason(EACCES);
}

// The C runtime's error of the file call that just failed. Qt's file calls on Windows go to the
// system directly and leave errno alone; there the file's own error says why.
int failedCallError()
{
#ifdef Q_OS_UNIX
    return errno;
#else
    return 0;
#endif
}

enum class Kind { File, Folder };

// Why nothing may be written to the file or folder at path, which the reason names as shown:
// it is marked read-only, or its marks cannot be read. Nothing when it may be written, or is
// not there.
QString refusedByMarks(Kind kind, const QString &shown, const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        const int error = errno; // before anything else can change it
        if (error == ENOENT) {
            return QString();
        }
        return (kind == Kind::Folder
                ? QCoreApplication::translate("SafeFile", "The folder %1 cannot be used: %2")
                : QCoreApplication::translate("SafeFile", "The file %1 cannot be used: %2"))
            .arg(shown, SystemReason(error));
    }
    const bool readOnly = (info.st_mode & S_IWUSR) == 0;
#else
    const QFileInfo info(path);
    const bool readOnly = info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
#endif
    if (!readOnly) {
        return QString();
    }
    return (kind == Kind::Folder
            ? QCoreApplication::translate("SafeFile", "The folder %1 is read-only: %2")
            : QCoreApplication::translate("SafeFile", "The file %1 is read-only: %2"))
        .arg(shown, permissionDenied());
}

// Why something at path is neither read nor replaced: what it is instead of a regular file.
QString notAFile(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    { };
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        if (S_ISFIFO(info.st_mode)) {
            return QCoreApplication::translate("SafeFile", "It is a named pipe, not a file");
        }
        if (S_ISSOCK(info.st_mode)) {
            return QCoreApplication::translate("SafeFile", "It is a socket, not a file");
        }
        if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
            return QCoreApplication::translate("SafeFile", "It is a device, not a file");
        }
    }
#else
    Q_UNUSED(path);
#endif
    return SystemReason(EISDIR);
}

// Makes the folder and the missing ones on the way to it: why not, or nothing. On Unix, as
// mkdir -p does, so that the reason is the one of the step that failed.
QString makeFolders(const QString &folder)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(folder);
    int error = ::mkdir(name.constData(), 0777) == 0 ? 0 : errno;
    const QString parent = QFileInfo(folder).path();
    if (error == ENOENT && parent != folder) {
        if (QString why = makeFolders(parent); !why.isEmpty()) {
            return why;
        }
        error = ::mkdir(name.constData(), 0777) == 0 ? 0 : errno;
    }
    if (error == EEXIST) {
        struct stat info
        { };
        error
            = ::stat(name.constData(), &info) != 0 ? errno : (S_ISDIR(info.st_mode) ? 0 : ENOTDIR);
    }
    return error == 0 ? QString() : SystemReason(error);
#else
    std::error_code made;
    std::filesystem::create_directories(systemPath(folder), made);
    return made ? QString::fromLocal8Bit(made.message()) : QString();
#endif
}

// The file that replacing path writes: path itself, or the end of the links it leads through,
// which need not exist yet. Or why nothing may be written there.
struct Target
{
    QString file;
    QString refused;
};
Target targetOf(const QString &path)
{
    QFileInfo file(path);
    for (int links = 0; file.isSymLink(); ++links) {
        if (links == MaxLinks) {
            return {QString(), SystemReason(ELOOP)};
        }
        file.setFile(file.symLinkTarget());
    }
    if (file.exists() && !file.isFile()) {
        return {QString(), notAFile(file.absoluteFilePath())};
    }
    return {file.absoluteFilePath(), QString()};
}

// Staging files are named .<name>.saving-XXXXXX, a name no person gives a file.
QString stagingPrefix(const QString &name)
{
    return QLatin1Char('.') + name + QStringLiteral(".saving-");
}

// Staging files of saves that never finished (the process was killed), once they are old
// enough not to belong to a save still running in another program.
void removeAbandonedStagingFiles(const QString &folder, const QString &name)
{
    const QString prefix = stagingPrefix(name);
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-AbandonedSecs);
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString entry = info.fileName();
        if (entry.size() == prefix.size() + StagingTagSize && entry.startsWith(prefix)
            && info.lastModified().toUTC() < cutoff) {
            QFile::remove(info.filePath());
        }
    }
}

// Gives the staging file the permissions of the file it replaces, if that is there; false, with
// errno set, when they cannot be read or given. A file that cannot be looked at is not taken
// for missing: its replacement would be open to everyone.
bool copyPermissions(QFile &staging, const QString &old)
{
#ifdef Q_OS_UNIX
    struct stat info
    { };
    if (::stat(QFile::encodeName(old).constData(), &info) != 0) {
        if (errno != ENOENT) {
            return false;
        }
        errno = 0;
        return true;
    }
    return ::fchmod(staging.handle(), info.st_mode & 0777) == 0;
#else
    const QFileInfo info(old);
    return !info.exists() || staging.setPermissions(info.permissions());
#endif
}

// Creates a new staging file for name in folder, never one that is there already.
bool openStaging(QFile &staging, const QString &folder, const QString &name)
{
    static const QByteArray letters
        = QByteArrayLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString tag;
        for (qsizetype i = 0; i < StagingTagSize; ++i) {
            tag += QLatin1Char(letters.at(QRandomGenerator::global()->bounded(letters.size())));
        }
        staging.setFileName(folder + QLatin1Char('/') + stagingPrefix(name) + tag);
        if (staging.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return true;
        }
        if (!QFileInfo::exists(staging.fileName())) {
            return false;
        }
    }
    return false;
}

} // namespace

FileReading SafeRead(const QString &path, qint64 maxBytes)
{
    const auto failed = [](const QString &reason) {
        return FileReading {true, std::nullopt, reason};
    };
    const QString tooLarge = QCoreApplication::translate("SafeFile", "It is larger than %1")
                                 .arg(QLocale::c().formattedDataSize(maxBytes, 0));
    QFile file;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    { };
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT) {
            return {false, QByteArray(), QString()};
        }
        // Where a folder on the way is a file, nothing is there, and nothing can be read either.
        return {errno != ENOTDIR, std::nullopt, SystemReason(errno)};
    }
    // Anything else is not even opened: opening a device may set it going.
    if (!S_ISREG(info.st_mode)) {
        return failed(notAFile(path));
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return failed(SystemReason(errno));
    }
    // What was opened may not be what was looked at.
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(SystemReason(error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return failed(notAFile(path));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(file.errorString());
    }
#else
    file.setFileName(path);
    if (!file.exists()) {
        return {false, QByteArray(), QString()};
    }
    if (!QFileInfo(path).isFile()) {
        return failed(notAFile(path));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(file.errorString());
    }
#endif
    if (file.size() > maxBytes) {
        return failed(tooLarge);
    }
    // Bounded even if the file grows while it is read.
    QByteArray bytes = file.read(file.size() + 1);
    while (bytes.size() <= maxBytes && file.error() == QFileDevice::NoError) {
        const QByteArray more = file.read(qint64 {1} << 16);
        if (more.isEmpty()) {
            break;
        }
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError) {
        return failed(file.errorString());
    }
    if (bytes.size() > maxBytes) {
        return failed(tooLarge);
    }
    return {true, std::move(bytes), QString()};
}

QString PrepareSafeReplace(const QString &path, const QString &mustExist)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!mustExist.isEmpty() && path.startsWith(mustExist + QLatin1Char('/'))
        && !QFileInfo(mustExist).isDir()) {
        return QCoreApplication::translate("SafeFile", "The folder %1 cannot be used: %2")
            .arg(mustExist, SystemReason(ENOENT));
    }
    if (const QString error = makeFolders(folder); !error.isEmpty()) {
        return QCoreApplication::translate("SafeFile", "The folder %1 cannot be created: %2")
            .arg(folder, error);
    }
    const Target target = targetOf(path);
    if (!target.refused.isEmpty()) {
        return QCoreApplication::translate("SafeFile", "The file %1 cannot be replaced: %2")
            .arg(path, target.refused);
    }
    // The new file is written beside the target, so that is the folder that must be writable.
    const QString targetFolder = QFileInfo(target.file).absolutePath();
    if (QString refused = refusedByMarks(Kind::Folder, targetFolder, targetFolder);
        !refused.isEmpty()) {
        return refused;
    }
    return refusedByMarks(Kind::File, path, target.file);
}

QString SafeReplace(
    const QString &path, const QByteArray &bytes, const QString &mustExist, QString *unflushed)
{
    if (QString refused = PrepareSafeReplace(path, mustExist); !refused.isEmpty()) {
        return refused;
    }
    const QFileInfo old(targetOf(path).file);
    const QString folder = old.absolutePath();
    removeAbandonedStagingFiles(folder, old.fileName());

    const auto failed = [&](const QString &reason) {
        return QCoreApplication::translate("SafeFile", "The file %1 could not be replaced: %2")
            .arg(path, reason);
    };
    QFile staging;
    if (!openStaging(staging, folder, old.fileName())) {
        return failed(staging.errorString());
    }
    // From here on the staging file is ours to remove. A short write (a full disk) leaves the
    // file's own error unset, so the system's reason is taken where there is one.
    const auto why = [&](int systemError) {
        const QString reason = systemError ? SystemReason(systemError) : staging.errorString();
        // By name: removing through the QFile would first retry the write that failed.
        staging.close();
        QFile::remove(staging.fileName());
        return failed(reason);
    };
    errno = 0;
    if (!copyPermissions(staging, old.filePath()) || staging.write(bytes) != bytes.size()
        || !staging.flush() || !flushToDisk(staging.handle())) {
        return why(failedCallError());
    }
    errno = 0;
    staging.close();
    if (staging.error() != QFileDevice::NoError) {
        return why(failedCallError());
    }
    std::error_code renamed;
    std::filesystem::rename(systemPath(staging.fileName()), systemPath(old.filePath()), renamed);
    if (renamed) {
        QFile::remove(staging.fileName());
        return failed(QString::fromLocal8Bit(renamed.message()));
    }

    QString notFlushed;
    if (const QString error = flushFolder(folder); !error.isEmpty()) {
        notFlushed = QCoreApplication::translate("SafeFile",
            "The file %1 was replaced, but the system could not confirm that the folder %2 "
            "reached the disk: %3")
                         .arg(path, folder, error);
    }
    if (unflushed) {
        *unflushed = notFlushed;
        return QString();
    }
    return notFlushed;
}

QString SafeRemove(const QString &path)
{
    const QFileInfo info(path);
#ifdef Q_OS_UNIX
    // What is not there is removed; what cannot be looked at may be there.
    struct stat status
    { };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        const int error = errno; // before anything else can change it
        return error == ENOENT || error == ENOTDIR
            ? QString()
            : QCoreApplication::translate("SafeFile", "The file %1 cannot be removed: %2")
                  .arg(path, SystemReason(error));
    }
#else
    if (!info.exists() && !info.isSymLink()) {
        return QString();
    }
#endif
    const QString folder = info.absolutePath();
    if (QString refused = refusedByMarks(Kind::Folder, folder, folder); !refused.isEmpty()) {
        return refused;
    }
    // A file marked read-only stays, as it would if it were to be replaced; a link is not marked.
    if (QString refused = info.isSymLink() ? QString() : refusedByMarks(Kind::File, path, path);
        !refused.isEmpty()) {
        return refused;
    }
    QFile file(path);
    if (!file.remove()) {
        return QCoreApplication::translate("SafeFile", "The file %1 cannot be removed: %2")
            .arg(path, file.errorString());
    }
    if (const QString error = flushFolder(folder); !error.isEmpty()) {
        return QCoreApplication::translate("SafeFile",
            "The file %1 was removed, but the system could not confirm that the folder %2 "
            "reached the disk: %3")
            .arg(path, folder, error);
    }
    return QString();
}
