#include "host/QtPictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

QImage QtPictureLoader::load(const QString &path) const
{
    // TODO: refuse non-regular files and enormous declared sizes before decoding.
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QImageReader reader(path);
    return reader.read();
}
