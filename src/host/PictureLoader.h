#pragma once

#include <QImage>
#include <QString>

// Loads a picture file (JPEG, GIF or BMP) by path.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    // A null image when the file is missing, not a picture, or not a picture of sane size.
    virtual QImage load(const QString &path) const = 0;
};
