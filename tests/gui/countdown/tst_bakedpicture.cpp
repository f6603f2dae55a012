#include "gui/countdown/BakedPicture.h"

#include <QColorSpace>
#include <QDir>
#include <QImageReader>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_BakedPicture final : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsTheOneItsReaderDecodes();
    void unknownNameGivesNullImage();
};

// The program shows the baked tables instead of decoding its files: every picture in
// resources/ must have one, pixel for pixel what the toolkit's reader makes of the file, and
// the largest must be shown from the table itself rather than a copy.
void tst_BakedPicture::everyPictureIsTheOneItsReaderDecodes()
{
    const QDir resources(QStringLiteral(QUORVANE_RESOURCES));
    const QStringList files
        = resources.entryList({u"*.jpg"_s, u"*.png"_s, u"*.bmp"_s}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files) {
        QImage decoded = QImageReader(resources.filePath(file)).read();
        QVERIFY2(!decoded.isNull(), qPrintable(file));
        const QImage baked = BakedImage(QLatin1StringView(file.toLatin1()));
        QVERIFY2(!baked.isNull(), qPrintable(file + u" was not baked"_s));
        QCOMPARE(baked.format(), decoded.format());
        QCOMPARE(baked.size(), decoded.size());
        QCOMPARE(baked.colorTable(), decoded.colorTable());
        // The colour space a file states is not baked: the pictures are shown unconverted.
        decoded.setColorSpace(QColorSpace());
        QVERIFY2(baked == decoded, qPrintable(file));
    }
    const auto wallpaper = std::find_if(BakedPictures.begin(), BakedPictures.end(),
        [](const BakedPicture &p) { return qstrcmp(p.name, "wallpaper.jpg") == 0; });
    QVERIFY(wallpaper != BakedPictures.end());
    QCOMPARE(
        static_cast<const void *>(BakedImage("wallpaper.jpg"_L1).constBits()), wallpaper->bits);
}

void tst_BakedPicture::unknownNameGivesNullImage()
{
    QVERIFY(BakedImage("missing.png"_L1).isNull());
    QVERIFY(BakedImage("WALLPAPER.JPG"_L1).isNull());
    QVERIFY(BakedImage(QLatin1StringView()).isNull());
}

QTEST_GUILESS_MAIN(tst_BakedPicture)
#include "tst_bakedpicture.moc"
