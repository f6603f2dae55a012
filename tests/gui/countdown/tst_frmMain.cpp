#include "gui/countdown/frmMain.h"

#include "gui/countdown/OutlinedLabel.h"

#include "WindowHarness.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QDateTime local(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

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
    for (const auto &[value, bytes] : {std::pair {40u, 4}, {width, 4}, {height, 4}, {1u, 2},
             {8u, 2}, {1u, 4}, {2u, 4}, {2835u, 4}, {2835u, 4}, {2u, 4}, {0u, 4}}) {
        appendLe(info, value, bytes);
    }
    const QByteArray rest("\x00\x00\xff\x00\x00\x00\x00\x00\x00\x01", 10); // palette, end
    QByteArray file("BM");
    appendLe(file, quint32(14 + info.size() + rest.size()), 4);
    appendLe(file, 0, 4);
    appendLe(file, quint32(14 + info.size() + 8), 4);
    return file + info + rest;
}

QByteArray jpegOf(const QImage &image, bool progressive)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image)) {
        qFatal("cannot write a JPEG");
    }
    return buffer.data();
}

// A small JPEG written progressive or baseline whose frame then declares width x height: the
// header of a large picture with next to no data. With fullColour, colour is sampled at full
// resolution rather than halved.
QByteArray jpegDeclaring(bool progressive, quint16 width, quint16 height, bool fullColour = false)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes = jpegOf(image, progressive);
    const qsizetype frame = bytes.indexOf(progressive ? "\xff\xc2" : "\xff\xc0");
    if (frame < 0) {
        qFatal("no frame header");
    }
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xff);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xff);
    bytes[frame + 11] = char(fullColour ? 0x11 : bytes.at(frame + 11)); // first component's
    return bytes;
}

// The JPEG with an EXIF segment that gives its orientation (1 to 8), as a camera held on its
// side stores a photo: a big-endian TIFF header and one directory with that tag alone.
QByteArray withOrientation(QByteArray jpeg, quint8 orientation)
{
    const QByteArray exif
        = QByteArray("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25)
        + char(orientation) + QByteArray(6, '\0');
    const qsizetype length = exif.size() + 2;
    return jpeg.insert(
        2, QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + exif);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40
        && qAbs(a.blue() - b.blue()) < 40;
}

// Points of the client area that no control covers.
const QPoint LeftMargin(5, 30);
const QPoint BetweenLines(150, 64);
const QPoint RightMargin(380, 64);

} // namespace

class tst_frmMain final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleIsTheActiveDescriptionAsStored_data();
    void titleIsTheActiveDescriptionAsStored();
    void readoutIsSetBeforeTheWindowFirstShows();
    void activeEventOutsideTheListsCountsDownToBuiltInEvent_data();
    void activeEventOutsideTheListsCountsDownToBuiltInEvent();
    void unreadableDateKeepsEmptyLinesThroughTicks();
    void failingLineOnATickKeepsItsPreviousText();
    void windowIsCentredOnTheScreen();
    void focusStartsOnAutoCloseThenMovesToSettings();

    void refreshesLandJustAfterEachWholeSecond();
    void earlyTickWaitsForTheSecondBoundary();
    void autoCloseClearedThenCheckedAgainRestartsItsFullPeriod();
    void autoCloseTickClosesTheWindowAndStopsBothTimers();
    void settingsButtonClosesTheWindowBeforeOpeningSettings();

    void wallpaperMarkerIsComparedCaseSensitively_data();
    void wallpaperMarkerIsComparedCaseSensitively();
    void unusablePictureKeepsTheBuiltInOne_data();
    void unusablePictureKeepsTheBuiltInOne();
    void pictureTooLargeIsRefusedBeforeItIsDecoded();
    void pictureIsDrawnAtItsOwnSizeFromTheTopLeft();
    void picturesAtTheSizeLimitsAreLoaded();
    void pngIsLoadedUnlessAChunkIsLongerThanTheFile();
    void photoOfAnySizeShowsItsTopLeftPartInBoundedMemory();
    void photoIsShownAsItsOrientationSays_data();
    void photoIsShownAsItsOrientationSays();
    void progressivePhotoIsShownOrRefusedInBoundedMemory();
    void whiteTextIsOutlinedSoItShowsOnAWhiteWallpaper();

private:
    static QString text(const QWidget &window, const char *name)
    {
        return child<QLabel>(window, name)->text();
    }
    // Delivers a tick as the timer would.
    static void tick(const QWidget &window, const char *timer)
    {
        QVERIFY(QMetaObject::invokeMethod(child<QTimer>(window, timer), "timeout"));
    }
    void addEvent(const QString &date, const QString &description)
    {
        h.events.appendEvent(date, description);
    }
    QImage openAndGrab()
    {
        frmMain window(h.events, h.clock, h.pictures);
        return window.grab().toImage();
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(h.dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(file.fileName()));
        }
        return file.fileName();
    }
    // A picture loaded in a process of its own: its exit status, the size read, and how much
    // the peak resident memory grew meanwhile.
    struct Probe
    {
        int exitCode;
        QString size;
        long growthKiB;
        QString output;
    };
    static Probe loadAlone(const QString &path)
    {
        QProcess probe;
        probe.start(QStringLiteral(PICTURE_PEAK), {path});
        if (!probe.waitForFinished(60000)) {
            qFatal("picture_peak did not finish on %s", qPrintable(path));
        }
        const QString output = QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
        const QStringList fields = output.split(u' ');
        return {probe.exitCode(), fields.value(0), fields.value(1).toLong(), output};
    }
    QString writeImage(const QString &name, QSize size, QColor colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        if (image.rect().contains(RightMargin)) {
            image.setPixelColor(RightMargin, Qt::blue); // shows there only when drawn one to one
        }
        const QString path = h.dir.filePath(name);
        return image.save(path, "BMP") ? path : QString();
    }

    WindowHarness h;
};

void tst_frmMain::init()
{
    h.events = EventList {};
    h.events.resetToBuiltInEvent();
    h.events.WallpaperPath = DefaultWallpaperMarker();
    h.clock.setNow(local(2003, 6, 9, 23, 59, 59));
    h.pictures.paths.clear();
}

void tst_frmMain::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_frmMain::titleIsTheActiveDescriptionAsStored_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << u"Summer holidays"_s << u"Summer holidays"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks and Qt's modified mark")
        << u" Release [*] party [*][*]"_s << u" Release [*] party [*][*]"_s;
    // Long texts are cut for the title only; the store keeps them whole.
    const QString limit(200, u'x');
    QTest::newRow("at the limit") << limit << limit;
    QTest::newRow("one over") << limit + u"y"_s << limit + u"\u2026"_s;
    QTest::newRow("16 MB") << QString(16 << 20, u'z') << QString(200, u'z') + u"\u2026"_s;
    QTest::newRow("character outside the basic plane at the cut")
        << QString(199, u'x') + u"\U0001F600tail"_s << QString(199, u'x') + u"\u2026"_s;
}

void tst_frmMain::titleIsTheActiveDescriptionAsStored()
{
    QFETCH(QString, description);
    addEvent(u"2004-01-19 01:15"_s, u"Other"_s);
    addEvent(u"2005-02-01 10:00"_s, description);
    h.events.ActiveEvent = 2;

    frmMain window(h.events, h.clock, h.pictures);
    window.winId();
    QTEST(window.windowHandle()->title(), "title");
    QCOMPARE(h.events.EventDescriptions.at(2), description);
    QCOMPARE(window.TargetDate(), u"2005-02-01 10:00"_s);
}

void tst_frmMain::readoutIsSetBeforeTheWindowFirstShows()
{
    frmMain window(h.events, h.clock, h.pictures);
    QVERIFY(!window.isVisible());
    const QStringList lines {text(window, "lblDays"), text(window, "lblHours"),
        text(window, "lblMin"), text(window, "lblSec")};
    QCOMPARE(lines, (QStringList {u"1 Days"_s, u"9 Hrs."_s, u"481 Min."_s, u"28801 Sec."_s}));
}

void tst_frmMain::activeEventOutsideTheListsCountsDownToBuiltInEvent_data()
{
    QTest::addColumn<qint32>("active");
    QTest::newRow("one past the end") << 2;
    QTest::newRow("negative") << -1;
}

void tst_frmMain::activeEventOutsideTheListsCountsDownToBuiltInEvent()
{
    QFETCH(qint32, active);
    addEvent(u"2004-01-19 01:15"_s, u"Mine"_s);
    h.events.ActiveEvent = active;

    frmMain window(h.events, h.clock, h.pictures);
    QCOMPARE(window.windowTitle(), u"Quorvane"_s);
    QCOMPARE(text(window, "lblDays"), u"1 Days"_s);
}

void tst_frmMain::unreadableDateKeepsEmptyLinesThroughTicks()
{
    addEvent(RemovedEventDate(), QString());
    h.events.ActiveEvent = 1;

    frmMain window(h.events, h.clock, h.pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 3; ++i) {
        h.clock.advanceSeconds(1);
        tick(window, "tmr");
    }
    QVERIFY(window.isVisible());
    QVERIFY(child<QTimer>(window, "tmr")->isActive());
    for (const char *name : {"lblDays", "lblHours", "lblMin", "lblSec"}) {
        QCOMPARE(text(window, name), QString());
    }
}

void tst_frmMain::failingLineOnATickKeepsItsPreviousText()
{
    frmMain window(h.events, h.clock, h.pictures);
    // The clock set back by 70 years: the seconds no longer fit, the other lines still do.
    h.clock.setNow(local(1933, 6, 9, 23, 59, 59));
    tick(window, "tmr");
    QCOMPARE(text(window, "lblDays"), u"25568 Days"_s);
    QCOMPARE(text(window, "lblSec"), u"28801 Sec."_s);
}

void tst_frmMain::windowIsCentredOnTheScreen()
{
    frmMain window(h.events, h.clock, h.pictures);
    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
}

void tst_frmMain::focusStartsOnAutoCloseThenMovesToSettings()
{
    frmMain window(h.events, h.clock, h.pictures);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), child(window, "chkClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(window, "cmdConfig"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(window, "chkClose"));
}

void tst_frmMain::refreshesLandJustAfterEachWholeSecond()
{
    h.clock.setNow(local(2003, 6, 9, 23, 59, 59, 730));
    frmMain window(h.events, h.clock, h.pictures);
    const auto *tmr = child<QTimer>(window, "tmr");
    const auto secondsShown = [&] { return text(window, "lblSec").section(u' ', 0, 0).toInt(); };
    int shown = secondsShown();
    // How late each tick arrives after its due time.
    for (const int lateMs : {0, 3, 180, 1, 0, 45, 2}) {
        QVERIFY(tmr->isActive());
        const int landsAt = h.clock.now().time().msec() + tmr->interval();
        QVERIFY2(landsAt > 1000 && landsAt <= 1020, qPrintable(QString::number(landsAt)));
        h.clock.advanceMs(tmr->interval() + lateMs);
        tick(window, "tmr");
        QCOMPARE(secondsShown(), --shown);
        QCOMPARE(child(window, "lblSec")->accessibleName(), text(window, "lblSec"));
    }
}

void tst_frmMain::earlyTickWaitsForTheSecondBoundary()
{
    h.clock.setNow(local(2003, 6, 9, 23, 59, 59, 500));
    frmMain window(h.events, h.clock, h.pictures);
    h.clock.setNow(local(2003, 6, 9, 23, 59, 59, 996));
    tick(window, "tmr");
    QCOMPARE(text(window, "lblSec"), u"28801 Sec."_s);
    QVERIFY(child<QTimer>(window, "tmr")->interval() <= 24);
}

void tst_frmMain::autoCloseClearedThenCheckedAgainRestartsItsFullPeriod()
{
    frmMain window(h.events, h.clock, h.pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chkClose = child<QCheckBox>(window, "chkClose");
    const auto *tmrClose = child<QTimer>(window, "tmrClose");
    QVERIFY(chkClose->isChecked());
    QCOMPARE(tmrClose->interval(), 10000);
    QTRY_VERIFY(tmrClose->remainingTime() < 9900);

    const QPoint onBox(8, chkClose->height() / 2);
    QTest::mouseClick(chkClose, Qt::LeftButton, {}, onBox);
    QVERIFY(!tmrClose->isActive());
    QVERIFY(window.isVisible());
    QTest::mouseClick(chkClose, Qt::LeftButton, {}, onBox);
    QVERIFY(tmrClose->isActive());
    QVERIFY2(
        tmrClose->remainingTime() > 9900, qPrintable(QString::number(tmrClose->remainingTime())));
}

void tst_frmMain::autoCloseTickClosesTheWindowAndStopsBothTimers()
{
    frmMain window(h.events, h.clock, h.pictures);
    QSignalSpy settingsRequested(&window, &frmMain::settingsRequested);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    tick(window, "tmrClose");
    QVERIFY(!window.isVisible());
    QVERIFY(!child<QTimer>(window, "tmr")->isActive());
    QVERIFY(!child<QTimer>(window, "tmrClose")->isActive());
    QCOMPARE(settingsRequested.count(), 0);
}

void tst_frmMain::settingsButtonClosesTheWindowBeforeOpeningSettings()
{
    frmMain window(h.events, h.clock, h.pictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy settingsRequested(&window, &frmMain::settingsRequested);
    bool visibleWhenAnnounced = true;
    connect(&window, &frmMain::settingsRequested, this,
        [&] { visibleWhenAnnounced = window.isVisible(); });

    // The button lies over the right end of the Auto-Close row and takes the click there.
    const QPoint onButton(360, 280);
    QCOMPARE(window.childAt(onButton), child(window, "cmdConfig"));
    QTest::mouseClick(window.childAt(onButton), Qt::LeftButton);

    QCOMPARE(settingsRequested.count(), 1);
    QVERIFY(!visibleWhenAnnounced);
    QVERIFY(child<QCheckBox>(window, "chkClose")->isChecked());
    QVERIFY(!child<QTimer>(window, "tmrClose")->isActive());
}

void tst_frmMain::wallpaperMarkerIsComparedCaseSensitively_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("pathsRead");
    QTest::newRow("marker") << DefaultWallpaperMarker() << QStringList();
    QTest::newRow("other letter case")
        << u"Veltor://Default"_s << QStringList {u"Veltor://Default"_s};
}

void tst_frmMain::wallpaperMarkerIsComparedCaseSensitively()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, pathsRead);
    h.events.WallpaperPath = setting;
    const QImage shown = openAndGrab();
    QCOMPARE(h.pictures.paths, pathsRead);
    const QImage builtIn(QStringLiteral(QUORVANE_RESOURCES "/wallpaper.png"));
    QCOMPARE(shown.pixelColor(LeftMargin), builtIn.pixelColor(LeftMargin));
    QVERIFY(shown.pixelColor(LeftMargin) != QColor(Qt::black));
}

void tst_frmMain::unusablePictureKeepsTheBuiltInOne_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << h.dir.filePath(u"missing.jpg"_s);
    QTest::newRow("folder") << h.dir.path();
#ifdef Q_OS_UNIX
    QTest::newRow("device") << u"/dev/zero"_s;
    const QString fifo = h.dir.filePath(u"pipe.jpg"_s);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("named pipe") << fifo;
#endif
    QTest::newRow("damaged JPEG") << writeFile(u"bad.jpg"_s, "\xff\xd8\xff\xe0\x00\x10JFIF\x00?");
    QTest::newRow("wider than 12000") << writeFile(u"wide.bmp"_s, rleBitmap(12001, 10));
    QTest::newRow("over 8.3 megapixels") << writeFile(u"many.bmp"_s, rleBitmap(4000, 2076));
    QTest::newRow("60000 x 60000") << writeFile(u"huge.bmp"_s, rleBitmap(60000, 60000));
    // The decoder buffers a progressive JPEG whole before its first row.
    QTest::newRow("progressive JPEG over 8.3 megapixels")
        << writeFile(u"many.jpg"_s, jpegDeclaring(true, 4000, 2076));
    QTest::newRow("progressive JPEG with full colour over 4.15 megapixels")
        << writeFile(u"colour.jpg"_s, jpegDeclaring(true, 2000, 2076, true));
    QImage deep(3000, 1400, QImage::Format_RGBX64);
    deep.fill(Qt::gray);
    const QString deepPath = h.dir.filePath(u"deep.png"_s);
    QTest::newRow("PNG of 16 bits a channel over 4.15 megapixels")
        << (deep.save(deepPath) ? deepPath : QString());
    // A JPEG read top to bottom, but down to its bottom for the part shown.
    QTest::newRow("photo on its side over 50 megapixels")
        << writeFile(u"side.jpg"_s, withOrientation(jpegDeclaring(false, 10000, 5001), 6));
    // Formats Qt reads, left out as rare for a wallpaper.
    for (const char *format : {"ppm", "ico"}) {
        QImage rare(64, 64, QImage::Format_RGB32);
        rare.fill(Qt::green);
        const QString rarePath = h.dir.filePath(u"rare."_s + QLatin1String(format));
        QTest::newRow(format) << (rare.save(rarePath, format) ? rarePath : QString());
    }
}

void tst_frmMain::unusablePictureKeepsTheBuiltInOne()
{
    QFETCH(QString, path);
    h.events.WallpaperPath = path;
    const QImage shown = openAndGrab();
    QCOMPARE(h.pictures.paths, QStringList {path});
    const QImage builtIn(QStringLiteral(QUORVANE_RESOURCES "/wallpaper.png"));
    QCOMPARE(shown.pixelColor(LeftMargin), builtIn.pixelColor(LeftMargin));
    QCOMPARE(shown.pixelColor(BetweenLines), builtIn.pixelColor(BetweenLines));
}

void tst_frmMain::pictureTooLargeIsRefusedBeforeItIsDecoded()
{
    // Just over 8.3 megapixels: decoded whole it would take 33 MB, though the size of what was
    // decoded would still refuse it afterwards.
    QImage picture(4000, 2076, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = h.dir.filePath(u"many.png"_s);
    QVERIFY(picture.save(path, "PNG"));
    const Probe refused = loadAlone(path);
    QVERIFY2(refused.exitCode == 1 && refused.growthKiB < 4L * 1024, qPrintable(refused.output));
}

void tst_frmMain::pictureIsDrawnAtItsOwnSizeFromTheTopLeft()
{
    h.events.WallpaperPath = writeImage(u"small.bmp"_s, {100, 50}, Qt::green);
    const QImage small = openAndGrab();
    QCOMPARE(small.pixelColor(LeftMargin), QColor(Qt::green));
    QCOMPARE(small.pixelColor(BetweenLines), QColor(Qt::black));
    QCOMPARE(small.pixelColor(5, 64), QColor(Qt::black));

    h.events.WallpaperPath = writeImage(u"large.bmp"_s, {1000, 800}, Qt::green);
    const QImage large = openAndGrab();
    QCOMPARE(large.size(), WallpaperShownSize);
    QCOMPARE(large.pixelColor(LeftMargin), QColor(Qt::green));
    QCOMPARE(large.pixelColor(RightMargin), QColor(Qt::blue));
}

void tst_frmMain::picturesAtTheSizeLimitsAreLoaded()
{
    const QtPictureLoader loader;
    QCOMPARE(loader.load(writeFile(u"edge.bmp"_s, rleBitmap(12000, 10)), {12000, 10}).size(),
        QSize(12000, 10));
    const QString big = writeFile(u"big.bmp"_s, rleBitmap(3840, 2160));
    QCOMPARE(loader.load(big, {3840, 2160}).size(), QSize(3840, 2160));
    QCOMPARE(loader.load(big, WallpaperShownSize).size(), WallpaperShownSize);
}

void tst_frmMain::pngIsLoadedUnlessAChunkIsLongerThanTheFile()
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    const QtPictureLoader loader;
    QCOMPARE(loader.load(writeFile(u"fits.png"_s, png), WallpaperShownSize), picture);

    // A text chunk that claims 768 MB, before the closing chunk (the last 12 bytes).
    QByteArray tooLong = png;
    tooLong.insert(tooLong.size() - 12, QByteArray("\x30\x00\x00\x00tEXtdate:", 13));
    // Refused before the decoder sets that much aside.
    const Probe refused = loadAlone(writeFile(u"long.png"_s, tooLong));
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.size, u"0x0"_s);
    QVERIFY2(refused.growthKiB < 32L * 1024, qPrintable(refused.output));
}

void tst_frmMain::photoOfAnySizeShowsItsTopLeftPartInBoundedMemory()
{
    // A 42-megapixel photo: green where the window shows it, with a blue mark near its right
    // edge, and red beyond.
    const QString photo = h.dir.filePath(u"photo.jpg"_s);
    {
        QImage image(7000, 6000, QImage::Format_RGB888);
        image.fill(Qt::red);
        QPainter painter(&image);
        painter.fillRect(0, 0, 385, 294, Qt::green);
        painter.fillRect(RightMargin.x() - 8, RightMargin.y() - 8, 16, 16, Qt::blue);
        painter.end();
        QVERIFY(image.save(photo, "JPEG", 90));
    }
    h.events.WallpaperPath = photo;
    const QImage shown = openAndGrab();
    QVERIFY2(near(shown.pixelColor(LeftMargin), Qt::green),
        qPrintable(shown.pixelColor(LeftMargin).name()));
    QVERIFY(near(shown.pixelColor(BetweenLines), Qt::green));
    QVERIFY(near(shown.pixelColor(RightMargin), Qt::blue));

    // Reading it in a process of its own: a whole decode would need 168 MB at least.
    const Probe read = loadAlone(photo);
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(read.size, u"385x294"_s);
    qInfo("peak memory grew by %ld KiB while reading the 42-megapixel photo", read.growthKiB);
    QVERIFY2(read.growthKiB < 32L * 1024, qPrintable(read.output));

    // A baseline JPEG declaring the decoder's largest size is read in its top strip only.
    h.events.WallpaperPath = writeFile(u"wide.jpg"_s, jpegDeclaring(false, 65000, 65000));
    const QImage strip = openAndGrab();
    QVERIFY(near(strip.pixelColor(LeftMargin), Qt::gray));
}

void tst_frmMain::photoIsShownAsItsOrientationSays_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("topRight");
    // Stored red | green over blue | yellow; for orientations 1 to 8, the quarters seen at the
    // top corners once the photo is turned as a photo viewer turns it.
    const Qt::GlobalColor quarters[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    const int seen[8][2] = {{0, 1}, {1, 0}, {3, 2}, {2, 3}, {0, 2}, {2, 0}, {3, 1}, {1, 3}};
    QImage stored(64, 48, QImage::Format_RGB32);
    QPainter painter(&stored);
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(i % 2 * 32, i / 2 * 24, 32, 24, quarters[i]);
    }
    painter.end();
    for (const bool progressive : {false, true}) {
        for (quint8 turn = 1; turn <= 8; ++turn) {
            QTest::addRow("%s %d", progressive ? "progressive" : "baseline", turn)
                << withOrientation(jpegOf(stored, progressive), turn)
                << QColor(quarters[seen[turn - 1][0]]) << QColor(quarters[seen[turn - 1][1]]);
        }
    }
}

void tst_frmMain::photoIsShownAsItsOrientationSays()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, topRight);
    // A part smaller than the photo either way round, across the middle of both sides.
    const QImage part = QtPictureLoader().load(writeFile(u"turned.jpg"_s, jpeg), {40, 40});
    QCOMPARE(part.size(), QSize(40, 40));
    QVERIFY(near(part.pixelColor(0, 0), topLeft) && near(part.pixelColor(39, 0), topRight));
}

void tst_frmMain::progressivePhotoIsShownOrRefusedInBoundedMemory()
{
    // A 4K progressive photo with colour at half resolution, the largest shown: the decoder
    // buffers it whole (25 MB) but never makes a whole image of it (another 33 MB).
    QImage photo(3840, 2160, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const Probe read = loadAlone(writeFile(u"4k.jpg"_s, jpegOf(photo, true)));
    QCOMPARE(read.size, u"385x294"_s);
    QVERIFY2(read.growthKiB < 32L * 1024, qPrintable(read.output));
    // 30 megapixels are refused before they are buffered.
    const Probe refused = loadAlone(writeFile(u"30mp.jpg"_s, jpegDeclaring(true, 6000, 5000)));
    QVERIFY2(refused.exitCode == 1 && refused.growthKiB < 4L * 1024, qPrintable(refused.output));
}

void tst_frmMain::whiteTextIsOutlinedSoItShowsOnAWhiteWallpaper()
{
    const QString white = h.dir.filePath(u"white.bmp"_s);
    QImage picture(WallpaperShownSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(white, "BMP"));
    h.events.WallpaperPath = white;
    frmMain window(h.events, h.clock, h.pictures);
    QVERIFY(!text(window, "lblSec").isEmpty());
    const QImage shown = window.grab().toImage();
    for (const char *name : {"lblDays", "lblHours", "lblMin", "lblSec", "lblMs"}) {
        const QRect area = child(window, name)->geometry();
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const int lightness = shown.pixelColor(x, y).lightness();
                dark += lightness < 96 ? 1 : 0;
            }
        }
        QVERIFY2(dark > 40, name);
    }

    // On black the outline vanishes: each line looks exactly as plain white text would.
    QWidget black;
    black.setFixedSize(WallpaperShownSize);
    black.setPalette(QPalette(Qt::black, Qt::black));
    black.setAutoFillBackground(true);
    for (const char *name : {"lblDays", "lblMs"}) {
        const auto *shownLine = child<QLabel>(window, name);
        const auto drawnAlone = [&](QLabel *label) {
            label->setParent(&black);
            label->setText(shownLine->text());
            label->setGeometry(shownLine->geometry());
            label->setFont(shownLine->font());
            label->setAlignment(shownLine->alignment());
            QPalette whiteText = label->palette();
            whiteText.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(whiteText);
            QImage drawn = black.grab(label->geometry()).toImage();
            delete label;
            return drawn;
        };
        const QImage plain = drawnAlone(new QLabel);
        const QImage outlined = drawnAlone(new OutlinedLabel);
        QCOMPARE(outlined, plain);
    }
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
