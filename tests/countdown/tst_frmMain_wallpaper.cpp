#include "app/Navigator.h"
#include "countdown/frmMain.h"
#include "host/HostServices.h"
#include "host/QtPictureLoader.h"
#include "host/QtSettingsStore.h"
#include "store/EventStore.h"

#include "FakeClock.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// The real loader, with a record of the paths it was asked for.
class SpyPictureLoader final : public PictureLoader
{
public:
    QImage load(const QString &path) const override
    {
        paths.append(path);
        return m_real.load(path);
    }
    mutable QStringList paths;

private:
    QtPictureLoader m_real;
};

class IdleNavigator final : public Navigator
{
public:
    void openMain() override { }
    void openConfig() override { }
};

void appendLe(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.append(char((value >> (8 * i)) & 0xff));
    }
}

// A run-length encoded bitmap that declares width x height and ends at once: a few dozen
// bytes that a decoder without limits turns into a full-size image.
QByteArray rleBitmap(quint32 width, quint32 height)
{
    QByteArray info;
    appendLe(info, 40, 4);
    appendLe(info, width, 4);
    appendLe(info, height, 4);
    appendLe(info, 1, 2); // planes
    appendLe(info, 8, 2); // bits per pixel
    appendLe(info, 1, 4); // run-length encoded, 8 bits
    appendLe(info, 2, 4); // size of the pixel data
    appendLe(info, 2835, 4);
    appendLe(info, 2835, 4);
    appendLe(info, 2, 4); // colours used
    appendLe(info, 0, 4);
    const QByteArray palette("\x00\x00\xff\x00\x00\x00\x00\x00", 8);
    const QByteArray pixels("\x00\x01", 2); // end of bitmap
    QByteArray file("BM");
    const quint32 offset = 14 + quint32(info.size() + palette.size());
    appendLe(file, offset + quint32(pixels.size()), 4);
    appendLe(file, 0, 4);
    appendLe(file, offset, 4);
    return file + info + palette + pixels;
}

// One red pixel.
const QByteArray RedGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
    35);

} // namespace

class tst_frmMainWallpaper final : public QObject
{
    Q_OBJECT

public:
    tst_frmMainWallpaper()
        : m_settings(m_dir.filePath(u"Quorvane.conf"_s))
        , m_host {m_settings, m_clock, m_messages, m_files, m_pictures}
    { }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void markerReadsNoFile();
    void markerInOtherLetterCaseIsTriedAsAPath();
    void unusablePictureKeepsTheBuiltInOne_data();
    void unusablePictureKeepsTheBuiltInOne();
    void pictureFormatsAreReadByContent_data();
    void pictureFormatsAreReadByContent();
    void picturesAtTheSizeLimitsAreLoaded();
    void smallerPictureLeavesBlackToTheRightAndBelow();
    void largerPictureIsCutOffAtTheClientArea();

private:
    QImage openAndGrab()
    {
        frmMain window(m_store, m_host, m_navigator);
        return window.grab().toImage();
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(file.fileName()));
        }
        return file.fileName();
    }
    QString writeImage(const QString &name, const QImage &image, const char *format)
    {
        const QString path = m_dir.filePath(name);
        if (!image.save(path, format)) {
            qFatal("cannot save %s", qPrintable(path));
        }
        return path;
    }
    static QImage filled(QSize size, QColor colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QTemporaryDir m_dir;
    QtSettingsStore m_settings;
    FakeClock m_clock;
    ScriptedMessageBox m_messages;
    ScriptedFileDialog m_files;
    SpyPictureLoader m_pictures;
    HostServices m_host;
    IdleNavigator m_navigator;
    EventStore m_store;
    QImage m_builtIn;
};

// Points of the client area that no control covers.
static const QPoint LeftMargin(5, 30);
static const QPoint BetweenLines(150, 64);
static const QPoint RightMargin(380, 64);

void tst_frmMainWallpaper::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_store.WallpaperPath = DefaultWallpaperMarker();
    m_store.EventDates = QStringList {BuiltInEventDate()};
    m_store.EventDescriptions = QStringList {BuiltInEventDescription()};
    m_builtIn = openAndGrab();
    QCOMPARE(m_builtIn.size(), QSize(385, 294));
    QVERIFY(m_builtIn.pixelColor(LeftMargin) != QColor(Qt::black));
}

void tst_frmMainWallpaper::init()
{
    m_pictures.paths.clear();
}

void tst_frmMainWallpaper::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_frmMainWallpaper::markerReadsNoFile()
{
    m_store.WallpaperPath = DefaultWallpaperMarker();
    const QImage shown = openAndGrab();
    QCOMPARE(m_pictures.paths, QStringList());
    QCOMPARE(shown.pixelColor(LeftMargin), m_builtIn.pixelColor(LeftMargin));
}

void tst_frmMainWallpaper::markerInOtherLetterCaseIsTriedAsAPath()
{
    m_store.WallpaperPath = u"Veltor://Default"_s;
    const QImage shown = openAndGrab();
    QCOMPARE(m_pictures.paths, QStringList {u"Veltor://Default"_s});
    QCOMPARE(shown.pixelColor(LeftMargin), m_builtIn.pixelColor(LeftMargin));
}

void tst_frmMainWallpaper::unusablePictureKeepsTheBuiltInOne_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << m_dir.filePath(u"missing.jpg"_s);
    QTest::newRow("folder") << m_dir.path();
    QTest::newRow("device") << u"/dev/zero"_s;
    const QString fifo = m_dir.filePath(u"pipe.jpg"_s);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("named pipe") << fifo;
    const QString link = m_dir.filePath(u"link-to-pipe.jpg"_s);
    QVERIFY(QFile::link(fifo, link));
    QTest::newRow("link to a named pipe") << link;
    QTest::newRow("not a picture") << write(u"notes.jpg"_s, "just some text, no picture\n");
    QTest::newRow("damaged JPEG") << write(
        u"damaged.jpg"_s, "\xff\xd8\xff\xe0\x00\x10JFIF\x00garbage");
    QTest::newRow("wider than any screen") << write(u"wide.bmp"_s, rleBitmap(12001, 10));
    QTest::newRow("over 30 megapixels") << write(u"many.bmp"_s, rleBitmap(6000, 5001));
    QTest::newRow("60000 x 60000") << write(u"huge.bmp"_s, rleBitmap(60000, 60000));
}

void tst_frmMainWallpaper::unusablePictureKeepsTheBuiltInOne()
{
    QFETCH(QString, path);
    m_store.WallpaperPath = path;
    QElapsedTimer timer;
    timer.start();
    const QImage shown = openAndGrab();
    QVERIFY2(timer.elapsed() < 5000, "opening waited on the wallpaper");
    QCOMPARE(m_pictures.paths, QStringList {path});
    QCOMPARE(shown.pixelColor(LeftMargin), m_builtIn.pixelColor(LeftMargin));
    QCOMPARE(shown.pixelColor(BetweenLines), m_builtIn.pixelColor(BetweenLines));
}

void tst_frmMainWallpaper::pictureFormatsAreReadByContent_data()
{
    QTest::addColumn<QString>("path");
    const QImage red = filled({40, 40}, Qt::red);
    QTest::newRow("JPEG") << writeImage(u"red.jpg"_s, red, "JPG");
    QTest::newRow("BMP") << writeImage(u"red.bmp"_s, red, "BMP");
    QTest::newRow("GIF") << write(u"red.gif"_s, RedGif);
    QTest::newRow("PNG named .jpg") << writeImage(u"png-inside.jpg"_s, red, "PNG");
}

void tst_frmMainWallpaper::pictureFormatsAreReadByContent()
{
    QFETCH(QString, path);
    m_store.WallpaperPath = path;
    const QImage shown = openAndGrab();
    const QColor corner = shown.pixelColor(0, 0);
    QVERIFY2(
        corner.red() > 200 && corner.green() < 60 && corner.blue() < 60, qPrintable(corner.name()));
}

void tst_frmMainWallpaper::picturesAtTheSizeLimitsAreLoaded()
{
    const QtPictureLoader loader;
    QCOMPARE(loader.load(write(u"wide.bmp"_s, rleBitmap(12000, 10))).size(), QSize(12000, 10));
    QCOMPARE(loader.load(write(u"big.bmp"_s, rleBitmap(6000, 5000))).size(), QSize(6000, 5000));
}

void tst_frmMainWallpaper::smallerPictureLeavesBlackToTheRightAndBelow()
{
    m_store.WallpaperPath = writeImage(u"small.bmp"_s, filled({100, 50}, Qt::green), "BMP");
    const QImage shown = openAndGrab();
    QCOMPARE(shown.pixelColor(LeftMargin), QColor(Qt::green));
    QCOMPARE(shown.pixelColor(BetweenLines), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(QPoint(5, 64)), QColor(Qt::black));
}

void tst_frmMainWallpaper::largerPictureIsCutOffAtTheClientArea()
{
    QImage picture = filled({1000, 800}, Qt::green);
    // Marks the picture's own pixel at that point: drawn one to one, it shows right there.
    picture.setPixelColor(RightMargin, Qt::blue);
    m_store.WallpaperPath = writeImage(u"large.bmp"_s, picture, "BMP");
    frmMain window(m_store, m_host, m_navigator);
    QCOMPARE(window.size(), QSize(385, 294));
    const QImage shown = window.grab().toImage();
    QCOMPARE(shown.pixelColor(RightMargin), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(LeftMargin), QColor(Qt::green));
}

QTEST_MAIN(tst_frmMainWallpaper)
#include "tst_frmMain_wallpaper.moc"
