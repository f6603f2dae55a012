#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The most of a wallpaper the countdown window ever draws: its client area, from the picture's
// top left, one picture pixel per window pixel at any display scale.
inline constexpr QSize WallpaperShownSize(385, 294);

// Loads a picture file (JPEG, GIF, BMP or PNG) by path.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    // The picture's top-left part as a photo viewer shows it (turned and mirrored as its
    // orientation says), at most `region` in size; where the format can, only that part is
    // decoded. A null image when the file is missing, not a picture, or a picture too large
    // to be decoded in little time and memory.
    virtual QImage load(const QString &path, const QSize &region) const = 0;
};
