#include "core/files/SafeFile.h"

#include "core/files/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

bool flushToDisk(int fd)
{
#ifdef Q_OS_UNIX
    return ::fsync(fd) == 0;
#else
    Q_UNUSED(fd);
    return true;
#endif
}

// So that a rename or a removal in the folder lasts.
void flushFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    if (const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
        fd >= 0) {
        flushToDisk(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
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

} // namespace

QString PrepareSafeReplace(const QString &path, const QString &mustExist)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!mustExist.isEmpty() && path.startsWith(mustExist + QLatin1Char('/'))
        && !QFileInfo(mustExist).isDir()) {
        return QStringLiteral("The folder %1 cannot be used: %2")
            .arg(mustExist, SystemReason(ENOENT));
    }
    std::error_code made;
    std::filesystem::create_directories(QDir(folder).filesystemPath(), made);
    if (made) {
        return QStringLiteral("The folder %1 cannot be created: %2")
            .arg(folder, QString::fromLocal8Bit(made.message()));
    }
    if (markedReadOnly(folder)) {
        return QStringLiteral("The folder %1 is read-only: %2").arg(folder, permissionDenied());
    }
    if (markedReadOnly(path)) {
        return QStringLiteral("The file %1 is read-only: %2").arg(path, permissionDenied());
    }
    return QString();
}

QString SafeReplace(const QString &path, const QByteArray &bytes, const QString &mustExist)
{
    if (QString refused = PrepareSafeReplace(path, mustExist); !refused.isEmpty()) {
        return refused;
    }
    QSaveFile file(path);
    // Each step is checked before the rename: QSaveFile::commit() renames even when its last
    // buffered write failed. A short write (a full disk) leaves the file's own error unset, so
    // the system's reason is taken where there is one.
    const std::function<bool()> steps[] = {
        [&] { return file.open(QIODevice::WriteOnly); },
        [&] { return file.write(bytes) == bytes.size() && file.flush(); },
        [&] { return flushToDisk(file.handle()); },
        [&] { return file.commit(); },
    };
    for (const std::function<bool()> &step : steps) {
        errno = 0;
        if (!step()) {
            const int systemError = failedCallError();
            return QStringLiteral("The file %1 could not be replaced: %2")
                .arg(path, systemError ? SystemReason(systemError) : file.errorString());
        }
    }
    flushFolder(QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath());
    return QString();
}

QString SafeRemove(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return QString();
    }
    const QString folder = info.absolutePath();
    if (markedReadOnly(folder)) {
        return QStringLiteral("The folder %1 is read-only: %2").arg(folder, permissionDenied());
    }
    QFile file(path);
    if (!file.remove()) {
        return QStringLiteral("The file %1 cannot be removed: %2").arg(path, file.errorString());
    }
    flushFolder(folder);
    return QString();
}
