// The wallpaper check and decoding from arbitrary file bytes: no crash, and memory stays
// within the limits the test runs it with.
#include "gui/host/QtPictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *scratch = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    scratch = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratch->filePath(QStringLiteral("wallpaper"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QImage image = QtPictureLoader().load(path, WallpaperShownSize);
    if (!image.isNull()
        && (image.width() > WallpaperShownSize.width()
            || image.height() > WallpaperShownSize.height())) {
        std::abort();
    }
    return 0;
}
