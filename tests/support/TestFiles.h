#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

// Small file helpers for tests that look at settings files on disk.
namespace TestFiles {

// The file's bytes, or nothing when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Every entry of the folder, hidden ones included: a save must leave no staging file behind.
inline QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

#ifdef Q_OS_UNIX
// Writes bytes over the file and puts its times back to the nanosecond, as touch -r does: with
// bytes of the same size, an edit that neither size nor time tells.
inline bool writeKeepingTime(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before
    { };
    if (::stat(name.constData(), &before) != 0 || !writeAll(path, bytes)) {
        return false;
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    return ::utimensat(AT_FDCWD, name.constData(), times, 0) == 0;
}
#else
inline bool writeKeepingTime(const QString &path, const QByteArray &bytes)
{
    const QDateTime before = QFileInfo(path).lastModified();
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.resize(0) && f.write(bytes) == bytes.size()
        && f.setFileTime(before, QFileDevice::FileModificationTime);
}
#endif

} // namespace TestFiles
