#pragma once

#include <QImage>

#include <span>

// A built-in picture as the toolkit's reader decoded its file when the program was built: its
// pixels, without the resolution or colour space the file may state, which matter only to
// painting on the picture or converting it, never to showing it.
struct BakedPicture
{
    const char *name;
    int width;
    int height;
    qsizetype bytesPerLine;
    QImage::Format format;
    const void *bits;
    const QRgb *colours;
    int colourCount;
};

// Every built-in picture, made from resources/ by the build.
extern const std::span<const BakedPicture> BakedPictures;

// The built-in picture made from the file `name` in resources/, or a null image if there is
// none. The image reads the program's own memory: nothing is decoded or copied.
QImage BakedImage(QLatin1StringView name);
