#include "app/Navigator.h"
#include "countdown/frmMain.h"
#include "host/HostServices.h"
#include "host/PictureLoader.h"
#include "host/QtSettingsStore.h"
#include "store/EventStore.h"

#include "FakeClock.h"
#include "RecordingSettingsStore.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

class NoPictures final : public PictureLoader
{
public:
    QImage load(const QString &path) const override
    {
        paths.append(path);
        return {};
    }
    mutable QStringList paths;
};

class RecordingNavigator final : public Navigator
{
public:
    void openMain() override { ++mainOpened; }
    void openConfig() override
    {
        ++configOpened;
        if (onOpenConfig) {
            onOpenConfig();
        }
    }
    int mainOpened = 0;
    int configOpened = 0;
    std::function<void()> onOpenConfig;
};

QDateTime local(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

int secondsShown(const QLabel *label)
{
    return label->text().section(u' ', 0, 0).toInt();
}

// Delivers a tick as the timer would.
void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

} // namespace

class tst_frmMain final : public QObject
{
    Q_OBJECT

public:
    tst_frmMain()
        : m_inner(m_dir.filePath(u"Quorvane.conf"_s))
        , m_settings(m_inner)
        , m_host {m_settings, m_clock, m_messages, m_files, m_pictures}
    { }

private slots:
    void init();
    void cleanup();

    void titleIsTheActiveDescriptionAsStored_data();
    void titleIsTheActiveDescriptionAsStored();
    void readoutIsSetBeforeTheWindowFirstShows();
    void activeEventOutsideTheListsCountsDownToBuiltInEvent_data();
    void activeEventOutsideTheListsCountsDownToBuiltInEvent();
    void unreadableDateOpensWithEmptyLinesAndSurvivesTicks();
    void failingLineOnATickKeepsItsPreviousText();
    void readoutLabelsAnnounceTheirText();

    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void windowHasFixedSizeAndOnlyACloseButton();
    void fontsFallBackToAnInstalledSansSerif();
    void settingsButtonIsNamedForScreenReaders();
    void focusStartsOnAutoCloseThenMovesToSettings();
    void windowIsCentredOnTheScreen();

    void firstRefreshIsScheduledJustAfterTheNextSecond_data();
    void firstRefreshIsScheduledJustAfterTheNextSecond();
    void secondsLineStepsByOneAtEveryTickDespiteJitter();
    void earlyTickWaitsForTheSecondBoundary();

    void autoCloseRunsFromTheOpening();
    void clearingAutoCloseKeepsTheWindowOpen();
    void checkingAutoCloseAgainStartsAFullPeriod();
    void autoCloseTickClosesTheWindowAndStopsBothTimers();
    void settingsButtonClosesTheWindowBeforeOpeningSettings();

private:
    template<typename T> static T *control(const QWidget &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    void addEvent(const QString &date, const QString &description)
    {
        m_store.EventDates.append(date);
        m_store.EventDescriptions.append(description);
    }

    QTemporaryDir m_dir;
    QtSettingsStore m_inner;
    RecordingSettingsStore m_settings;
    FakeClock m_clock;
    ScriptedMessageBox m_messages;
    ScriptedFileDialog m_files;
    NoPictures m_pictures;
    HostServices m_host;
    RecordingNavigator m_navigator;
    EventStore m_store;
};

void tst_frmMain::init()
{
    m_store = EventStore {};
    m_store.EventDates = QStringList {BuiltInEventDate()};
    m_store.EventDescriptions = QStringList {BuiltInEventDescription()};
    m_store.ActiveEvent = 0;
    m_store.WallpaperPath = DefaultWallpaperMarker();
    m_clock.setNow(local(2003, 6, 9, 23, 59, 59));
    m_navigator = RecordingNavigator {};
    m_pictures.paths.clear();
}

void tst_frmMain::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    // The window reads only the event store that it is handed.
    QCOMPARE(m_settings.log, QStringList());
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_frmMain::titleIsTheActiveDescriptionAsStored_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("plain") << u"Summer holidays"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks kept") << u"  two  blanks  "_s;
    QTest::newRow("Qt modified mark shown as typed") << u"Release [*] party [*][*]"_s;
}

void tst_frmMain::titleIsTheActiveDescriptionAsStored()
{
    QFETCH(QString, description);
    addEvent(u"2004-01-19 01:15"_s, u"Other"_s);
    addEvent(u"2005-02-01 10:00"_s, description);
    m_store.ActiveEvent = 2;

    frmMain window(m_store, m_host, m_navigator);
    window.winId();
    QCOMPARE(window.windowHandle()->title(), description);
    QCOMPARE(window.TargetDate(), u"2005-02-01 10:00"_s);
}

void tst_frmMain::readoutIsSetBeforeTheWindowFirstShows()
{
    frmMain window(m_store, m_host, m_navigator);
    QVERIFY(!window.isVisible());
    QCOMPARE(control<QLabel>(window, "lblDays")->text(), u"1 Days"_s);
    QCOMPARE(control<QLabel>(window, "lblHours")->text(), u"9 Hrs."_s);
    QCOMPARE(control<QLabel>(window, "lblMin")->text(), u"481 Min."_s);
    QCOMPARE(control<QLabel>(window, "lblSec")->text(), u"28801 Sec."_s);
}

void tst_frmMain::activeEventOutsideTheListsCountsDownToBuiltInEvent_data()
{
    QTest::addColumn<qint32>("active");
    QTest::newRow("one past the end") << 2;
    QTest::newRow("far past the end") << std::numeric_limits<qint32>::max();
    QTest::newRow("negative") << -1;
}

void tst_frmMain::activeEventOutsideTheListsCountsDownToBuiltInEvent()
{
    QFETCH(qint32, active);
    addEvent(u"2004-01-19 01:15"_s, u"Mine"_s);
    m_store.ActiveEvent = active;

    frmMain window(m_store, m_host, m_navigator);
    QCOMPARE(window.windowTitle(), u"Quorvane"_s);
    QCOMPARE(window.TargetDate(), BuiltInEventDate());
    QCOMPARE(control<QLabel>(window, "lblDays")->text(), u"1 Days"_s);
}

void tst_frmMain::unreadableDateOpensWithEmptyLinesAndSurvivesTicks()
{
    addEvent(RemovedEventDate(), QString());
    m_store.ActiveEvent = 1;

    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto *tmr = control<QTimer>(window, "tmr");
    for (int i = 0; i < 3; ++i) {
        m_clock.advanceSeconds(1);
        tick(control<QTimer>(window, "tmr"));
    }
    QVERIFY(window.isVisible());
    QVERIFY(tmr->isActive());
    for (const char *name : {"lblDays", "lblHours", "lblMin", "lblSec"}) {
        QCOMPARE(control<QLabel>(window, name)->text(), QString());
    }
}

void tst_frmMain::failingLineOnATickKeepsItsPreviousText()
{
    frmMain window(m_store, m_host, m_navigator);
    // Clock set back by 70 years: the seconds no longer fit, the other lines still do.
    m_clock.setNow(local(1933, 6, 9, 23, 59, 59));
    tick(control<QTimer>(window, "tmr"));
    QCOMPARE(control<QLabel>(window, "lblDays")->text(), u"25568 Days"_s);
    QCOMPARE(control<QLabel>(window, "lblSec")->text(), u"28801 Sec."_s);
}

void tst_frmMain::readoutLabelsAnnounceTheirText()
{
    frmMain window(m_store, m_host, m_navigator);
    m_clock.advanceSeconds(1);
    tick(control<QTimer>(window, "tmr"));
    for (const char *name : {"lblDays", "lblHours", "lblMin", "lblSec"}) {
        const auto *label = control<QLabel>(window, name);
        QCOMPARE(label->accessibleName(), label->text());
    }
    QCOMPARE(control<QLabel>(window, "lblSec")->accessibleName(), u"28800 Sec."_s);
}

void tst_frmMain::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("lblDays") << u"lblDays"_s << QRect(24, 16, 345, 41);
    QTest::newRow("lblHours") << u"lblHours"_s << QRect(24, 72, 345, 41);
    QTest::newRow("lblMin") << u"lblMin"_s << QRect(24, 128, 345, 41);
    QTest::newRow("lblSec") << u"lblSec"_s << QRect(24, 184, 345, 41);
    QTest::newRow("lblMs") << u"lblMs"_s << QRect(0, 240, 385, 17);
    QTest::newRow("chkClose") << u"chkClose"_s << QRect(0, 272, 385, 25);
    QTest::newRow("cmdConfig") << u"cmdConfig"_s << QRect(352, 272, 33, 21);
}

void tst_frmMain::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    frmMain window(m_store, m_host, m_navigator);
    const auto *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void tst_frmMain::windowHasFixedSizeAndOnlyACloseButton()
{
    frmMain window(m_store, m_host, m_navigator);
    QCOMPARE(window.minimumSize(), QSize(385, 294));
    QCOMPARE(window.maximumSize(), QSize(385, 294));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize> {{32, 32}, {16, 16}}));
}

void tst_frmMain::fontsFallBackToAnInstalledSansSerif()
{
    frmMain window(m_store, m_host, m_navigator);
    const QStringList expected {u"Verdana"_s, u"DejaVu Sans"_s};
    for (const char *name : {"lblDays", "lblMs", "chkClose"}) {
        const QString family = QFontInfo(control<QWidget>(window, name)->font()).family();
        QVERIFY2(expected.contains(family), qPrintable(family));
    }
    QCOMPARE(control<QLabel>(window, "lblSec")->font().pointSizeF(), 21.75);
    QCOMPARE(control<QLabel>(window, "lblMs")->font().weight(), QFont::Bold);
    QCOMPARE(control<QCheckBox>(window, "chkClose")->font().pointSizeF(), 8.25);
}

void tst_frmMain::settingsButtonIsNamedForScreenReaders()
{
    frmMain window(m_store, m_host, m_navigator);
    const auto *button = control<QPushButton>(window, "cmdConfig");
    QCOMPARE(button->text(), QString());
    QCOMPARE(button->accessibleName(), u"Settings"_s);
    QCOMPARE(button->toolTip(), u"Settings"_s);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(control<QCheckBox>(window, "chkClose")->text(), u"Auto-Close (10 Sec)"_s);
}

void tst_frmMain::focusStartsOnAutoCloseThenMovesToSettings()
{
    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *chkClose = control<QCheckBox>(window, "chkClose");
    QCOMPARE(QApplication::focusWidget(), chkClose);
    QTest::keyClick(chkClose, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window, "cmdConfig"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chkClose);
}

void tst_frmMain::windowIsCentredOnTheScreen()
{
    frmMain window(m_store, m_host, m_navigator);
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    QCOMPARE(frame.center().x(), screen.center().x());
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
}

void tst_frmMain::firstRefreshIsScheduledJustAfterTheNextSecond_data()
{
    QTest::addColumn<int>("msec");
    QTest::newRow("on the boundary") << 0;
    QTest::newRow("mid-second") << 400;
    QTest::newRow("just before the boundary") << 999;
}

void tst_frmMain::firstRefreshIsScheduledJustAfterTheNextSecond()
{
    QFETCH(int, msec);
    m_clock.setNow(local(2003, 6, 9, 23, 59, 59, msec));
    frmMain window(m_store, m_host, m_navigator);
    const auto *tmr = control<QTimer>(window, "tmr");
    QVERIFY(tmr->isActive());
    const int landsAt = msec + tmr->interval();
    QVERIFY2(landsAt > 1000 && landsAt <= 1020, qPrintable(QString::number(landsAt)));
}

void tst_frmMain::secondsLineStepsByOneAtEveryTickDespiteJitter()
{
    m_clock.setNow(local(2003, 6, 9, 23, 59, 59, 730));
    frmMain window(m_store, m_host, m_navigator);
    auto *tmr = control<QTimer>(window, "tmr");
    const auto *lblSec = control<QLabel>(window, "lblSec");
    int shown = secondsShown(lblSec);
    // How late each tick arrives after its due time.
    for (const int lateMs : {0, 3, 180, 1, 0, 45, 2}) {
        m_clock.advanceMs(tmr->interval() + lateMs);
        tick(tmr);
        QCOMPARE(secondsShown(lblSec), shown - 1);
        shown = secondsShown(lblSec);
        const int landsAt = m_clock.now().time().msec() + tmr->interval();
        QVERIFY2(landsAt > 1000 && landsAt <= 1020, qPrintable(QString::number(landsAt)));
    }
}

void tst_frmMain::earlyTickWaitsForTheSecondBoundary()
{
    m_clock.setNow(local(2003, 6, 9, 23, 59, 59, 500));
    frmMain window(m_store, m_host, m_navigator);
    auto *tmr = control<QTimer>(window, "tmr");
    m_clock.setNow(local(2003, 6, 9, 23, 59, 59, 996));
    tick(tmr);
    QCOMPARE(control<QLabel>(window, "lblSec")->text(), u"28801 Sec."_s);
    QVERIFY(tmr->isActive());
    QVERIFY(tmr->interval() > 4 && tmr->interval() <= 24);
}

void tst_frmMain::autoCloseRunsFromTheOpening()
{
    frmMain window(m_store, m_host, m_navigator);
    const auto *tmrClose = control<QTimer>(window, "tmrClose");
    QVERIFY(control<QCheckBox>(window, "chkClose")->isChecked());
    QVERIFY(tmrClose->isActive());
    QCOMPARE(tmrClose->interval(), 10000);
}

void tst_frmMain::clearingAutoCloseKeepsTheWindowOpen()
{
    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chkClose = control<QCheckBox>(window, "chkClose");
    QTest::mouseClick(chkClose, Qt::LeftButton, {}, QPoint(8, chkClose->height() / 2));
    QVERIFY(!chkClose->isChecked());
    QVERIFY(!control<QTimer>(window, "tmrClose")->isActive());
    QVERIFY(control<QTimer>(window, "tmr")->isActive());
    QVERIFY(window.isVisible());
}

void tst_frmMain::checkingAutoCloseAgainStartsAFullPeriod()
{
    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *chkClose = control<QCheckBox>(window, "chkClose");
    auto *tmrClose = control<QTimer>(window, "tmrClose");
    QTRY_VERIFY(tmrClose->remainingTime() < 9900);

    QTest::mouseClick(chkClose, Qt::LeftButton, {}, QPoint(8, chkClose->height() / 2));
    QVERIFY(!tmrClose->isActive());
    QTest::mouseClick(chkClose, Qt::LeftButton, {}, QPoint(8, chkClose->height() / 2));
    QVERIFY(chkClose->isChecked());
    QVERIFY(tmrClose->isActive());
    QVERIFY2(
        tmrClose->remainingTime() > 9900, qPrintable(QString::number(tmrClose->remainingTime())));

    tick(tmrClose);
    QVERIFY(!window.isVisible());
}

void tst_frmMain::autoCloseTickClosesTheWindowAndStopsBothTimers()
{
    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    tick(control<QTimer>(window, "tmrClose"));
    QVERIFY(!window.isVisible());
    QVERIFY(!control<QTimer>(window, "tmr")->isActive());
    QVERIFY(!control<QTimer>(window, "tmrClose")->isActive());
    QCOMPARE(m_navigator.configOpened, 0);
    QCOMPARE(m_navigator.mainOpened, 0);
}

void tst_frmMain::settingsButtonClosesTheWindowBeforeOpeningSettings()
{
    frmMain window(m_store, m_host, m_navigator);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool visibleWhenSettingsOpened = true;
    m_navigator.onOpenConfig = [&] { visibleWhenSettingsOpened = window.isVisible(); };

    // The button lies over the right end of the Auto-Close row and takes the click there.
    const QPoint onButton(360, 280);
    QCOMPARE(window.childAt(onButton), control<QWidget>(window, "cmdConfig"));
    QTest::mouseClick(window.childAt(onButton), Qt::LeftButton);

    QCOMPARE(m_navigator.configOpened, 1);
    QVERIFY(!visibleWhenSettingsOpened);
    QVERIFY(control<QCheckBox>(window, "chkClose")->isChecked());
    QVERIFY(!control<QTimer>(window, "tmr")->isActive());
    QVERIFY(!control<QTimer>(window, "tmrClose")->isActive());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
