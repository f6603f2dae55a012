#include "host/QtPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Far beyond any wallpaper (the window shows 385 x 294 pixels of it) but within reach of a
// photo straight from a camera; a file that declares more is refused before it is decoded.
constexpr int MaxSide = 12000;
constexpr qint64 MaxPixels = 30'000'000;
// Backstop for decoders that allocate more than the declared size suggests.
constexpr int AllocationLimitMb = 160;

bool openRegularFile(const QString &path, QFile &file)
{
    if (!QFileInfo(path).isFile()) {
        return false;
    }
#ifdef Q_OS_UNIX
    // Opened without waiting and checked again on the open descriptor: a pipe or device put
    // in the file's place after the check above must neither block nor be read.
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status
    { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

bool isSaneSize(const QSize &size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= MaxSide && size.height() <= MaxSide
        && qint64(size.width()) * size.height() <= MaxPixels;
}

} // namespace

QImage QtPictureLoader::load(const QString &path) const
{
    if (path.isEmpty()) {
        return {};
    }
    QFile file;
    if (!openRegularFile(path, file)) {
        return {};
    }
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(&file);
    // Only the usual wallpaper formats; the rarer decoders are not worth their risk here.
    static const QList<QByteArray> formats {"jpeg", "jpg", "gif", "bmp", "png"};
    if (!formats.contains(reader.format().toLower())) {
        return {};
    }
    // A format that cannot tell its size without decoding is refused as well.
    if (!isSaneSize(reader.size())) {
        return {};
    }
    // Some files declare one size and decode to another (a GIF's screen and its frame).
    QImage image = reader.read();
    return isSaneSize(image.size()) ? image : QImage();
}
