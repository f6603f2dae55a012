#include "gui/host/QtPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// For pictures that must be decoded whole: a file that declares more is refused before it is
// decoded. The count bounds the memory (4 bytes a pixel) and the time (the slowest kind,
// noise-like PNG, takes about 40 ms a megapixel); a 4K screen's picture, 3840 x 2160, passes.
constexpr int MaxSide = 12000;
constexpr qint64 MaxPixels = 8'300'000;
// A progressive JPEG is buffered whole, 2 bytes for each colour sample, before its first row
// is decoded, and each sample takes several passes: as many samples as a picture of MaxPixels
// with colour at half resolution, which halves the pixels for full-resolution colour.
constexpr qint64 MaxBufferedSamples = MaxPixels * 3 / 2;
// A JPEG read top to bottom costs memory for a strip of rows only, but time for each row down
// to the part shown, across the whole width. When the orientation puts the part shown at the
// bottom, every row is decoded: a 50-megapixel photo takes about as long as the largest
// picture decoded whole.
constexpr qint64 MaxRowPixels = 50'000'000;
// Backstop for decoders that allocate more than the declared size suggests.
constexpr int AllocationLimitMb = 160;
// A JPEG's segments before its image data (metadata, colour profile, thumbnail) fit well within
// this; a file that has more is taken for one the decoder buffers whole, of unknown size.
constexpr qint64 MaxJpegHeaderBytes = qint64(4) * 1024 * 1024;

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

quint16 bigEndian16(const QByteArray &bytes, qsizetype at)
{
    return quint16((quint8(bytes.at(at)) << 8) | quint8(bytes.at(at + 1)));
}

// What a JPEG's headers tell before it is decoded; nothing for other files.
struct JpegLayout
{
    // The decoder reads it top to bottom, so that reading its top rows costs memory for a strip
    // of rows only: a sequential frame whose first scan holds every colour component.
    // Progressive and multi-scan files are buffered whole by the decoder first.
    bool readsTopDown = false;
    // Colour samples of the whole picture, the planes' sizes summed; 0 where unknown.
    qint64 samples = 0;
};

JpegLayout readJpegLayout(QIODevice &file)
{
    JpegLayout layout;
    if (file.read(2) != QByteArray("\xff\xd8", 2)) {
        return layout;
    }
    bool sequential = false;
    int components = 0;
    for (qint64 at = 2;;) {
        if (at > MaxJpegHeaderBytes || !file.seek(at)) {
            return layout;
        }
        const QByteArray head = file.read(4);
        if (head.size() < 2 || quint8(head.at(0)) != 0xff) {
            return layout;
        }
        const quint8 marker = quint8(head.at(1));
        if (marker == 0xff) {
            ++at; // a fill byte before the marker
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += 2; // markers without a segment
            continue;
        }
        if (head.size() < 4 || marker == 0xd9 || bigEndian16(head, 2) < 2) {
            return layout;
        }
        const bool isFrame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8
            && marker != 0xcc;
        if (isFrame) {
            // Baseline, extended sequential, and sequential with arithmetic coding.
            sequential = marker == 0xc0 || marker == 0xc1 || marker == 0xc9;
            const QByteArray frame = file.read(6);
            if (frame.size() < 6) {
                return layout;
            }
            components = quint8(frame.at(5));
            // Each component's plane, by its sampling factors against the largest ones.
            const qsizetype samplingSize = qsizetype(3) * components;
            const QByteArray sampling = file.read(samplingSize);
            if (sampling.size() < samplingSize) {
                return layout;
            }
            const auto factor = [&sampling](int component, int shift) {
                return (quint8(sampling.at(3 * component + 1)) >> shift) & 15;
            };
            int maxH = 1;
            int maxV = 1;
            for (int i = 0; i < components; ++i) {
                maxH = qMax(maxH, factor(i, 4));
                maxV = qMax(maxV, factor(i, 0));
            }
            const qint64 height = bigEndian16(frame, 1);
            const qint64 width = bigEndian16(frame, 3);
            layout.samples = 0;
            for (int i = 0; i < components; ++i) {
                layout.samples += (width * factor(i, 4) + maxH - 1) / maxH
                    * ((height * factor(i, 0) + maxV - 1) / maxV);
            }
        } else if (marker == 0xda) {
            const QByteArray scan = file.read(1);
            layout.readsTopDown = sequential && components > 0 && scan.size() == 1
                && quint8(scan.at(0)) == components;
            return layout;
        }
        at += 2 + bigEndian16(head, 2);
    }
}

// False for a PNG with a chunk that claims more bytes than the file holds: the decoder would
// set aside the claimed size, up to gigabytes, before finding the file short. Other files pass.
bool pngChunksFit(QIODevice &file)
{
    if (file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8)) {
        return true;
    }
    const qint64 end = file.size();
    for (qint64 at = 8; at + 8 <= end;) {
        if (!file.seek(at)) {
            return false;
        }
        const QByteArray head = file.read(8);
        if (head.size() < 8) {
            return false;
        }
        const qint64 length = (qint64(bigEndian16(head, 0)) << 16) | bigEndian16(head, 2);
        // Length, type, data and check sum.
        at += 12 + length;
        if (at > end) {
            return false;
        }
        if (head.mid(4, 4) == "IEND") {
            return true;
        }
    }
    return true;
}

bool isSaneSize(const QSize &size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= MaxSide && size.height() <= MaxSide
        && qint64(size.width()) * size.height() <= MaxPixels;
}

// The part of the stored picture that the orientation turns into the part shown, the top left
// `shown` of the picture as it is seen. The orientation mirrors, then flips, then turns a
// quarter clockwise: undone here in the opposite order.
QRect storedPart(const QSize &stored, const QSize &shown, QImageIOHandler::Transformations turn)
{
    QRect part(QPoint(0, 0), shown);
    if (turn & QImageIOHandler::TransformationRotate90) {
        // The left column seen was the bottom row stored.
        part = QRect(0, stored.height() - shown.width(), shown.height(), shown.width());
    }
    if (turn & QImageIOHandler::TransformationFlip) {
        part.moveTop(stored.height() - 1 - part.bottom());
    }
    if (turn & QImageIOHandler::TransformationMirror) {
        part.moveLeft(stored.width() - 1 - part.right());
    }
    return part;
}

} // namespace

QImage QtPictureLoader::load(const QString &path, const QSize &region) const
{
    if (path.isEmpty() || region.isEmpty()) {
        return {};
    }
    QFile file;
    if (!openRegularFile(path, file)) {
        return {};
    }
    // Looked at before the decoder reads anything, which then starts at the beginning.
    const JpegLayout jpeg = readJpegLayout(file);
    if (!file.seek(0) || !pngChunksFit(file) || !file.seek(0)) {
        return {};
    }
    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(&file);
    // Shown as a photo viewer shows it: turned and mirrored as its orientation says.
    reader.setAutoTransform(true);
    // Only the usual wallpaper formats; the rarer decoders are not worth their risk here.
    static const QList<QByteArray> formats {"jpeg", "jpg", "gif", "bmp", "png"};
    const QByteArray format = reader.format().toLower();
    if (!formats.contains(format)) {
        return {};
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return {};
    }
    const QImageIOHandler::Transformations turn = reader.transformation();
    const QSize seen = turn & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
    const QSize shown = region.boundedTo(seen);
    // The decoder cuts the part out of the stored picture, before it is turned.
    const QRect part = storedPart(size, shown, turn);
    const bool partOnly = reader.supportsOption(QImageIOHandler::ClipRect);
    // Decoded whole: a format that cannot tell its size without decoding is refused too, and a
    // picture of 16 bits a channel takes twice the bytes and time of a pixel.
    const int bits = qMax(32, int(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel()));
    bool fits = isSaneSize(size) && qint64(size.width()) * size.height() * bits <= MaxPixels * 32;
    if (partOnly && jpeg.readsTopDown) {
        // The decoder stops after the last row of the part: a photo of any size costs a strip.
        fits = qint64(size.width()) * (part.bottom() + 1) <= MaxRowPixels;
    } else if (partOnly) {
        fits = fits && jpeg.samples > 0 && jpeg.samples <= MaxBufferedSamples;
    }
    if (!fits) {
        return {};
    }
    if (partOnly) {
        // Even a JPEG the decoder buffers whole is never held as a whole image.
        reader.setClipRect(part);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    if (partOnly) {
        return image.size() == shown ? image : QImage();
    }
    // Some files declare one size and decode to another (a GIF's screen and its frame).
    if (!isSaneSize(image.size())) {
        return {};
    }
    return image.copy(QRect(QPoint(0, 0), region).intersected(image.rect()));
}
