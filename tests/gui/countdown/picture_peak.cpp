// Loads one wallpaper as the countdown window does, in a process of its own, and prints the
// size read and how much the peak resident memory grew meanwhile, in KiB: "385x294 1620".
#include "gui/host/QtPictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cstdio>

namespace {

// The peak resident memory of this program itself, in KiB. Not getrusage's maximum, which
// after exec starts from the peak of the process that started this one.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_peak <picture>\n");
        return 2;
    }
    // The image plugins are loaded before the measuring starts.
    (void)QImageReader::supportedImageFormats();
    const long before = peakKiB();
    const QImage image
        = QtPictureLoader().load(QString::fromLocal8Bit(argv[1]), WallpaperShownSize);
    const long after = peakKiB();
    if (before < 0 || after < 0) {
        std::fprintf(stderr, "no peak memory in /proc/self/status\n");
        return 2;
    }
    std::printf("%dx%d %ld\n", image.width(), image.height(), after - before);
    return image.isNull() ? 1 : 0;
}
