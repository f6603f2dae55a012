#include "gui/countdown/BakedPicture.h"

QImage BakedImage(QLatin1StringView name)
{
    for (const BakedPicture &picture : BakedPictures) {
        if (name == QLatin1StringView(picture.name)) {
            QImage image(static_cast<const uchar *>(picture.bits), picture.width, picture.height,
                picture.bytesPerLine, picture.format);
            if (picture.colourCount > 0) {
                image.setColorTable(
                    QList<QRgb>(picture.colours, std::next(picture.colours, picture.colourCount)));
            }
            return image;
        }
    }
    return {};
}
