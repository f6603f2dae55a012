#include "core/events/EventList.h"

#include "core/settingsfile/IniFileStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_EventList final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void emptyStoreGivesTheBuiltInEventAndWritesNothing();
    void gapInTheNumbersLosesNothing_data();
    void gapInTheNumbersLosesNothing();
    void blankDateIsAnEvent();
    void eventWithoutDescriptionIsKeptUntilRemoved();
    void activeValueIsKeptAsRead_data();
    void activeValueIsKeptAsRead();
    void emptyWallpaperIsNotTheMarker();
    void loadingReplacesEverything();
    void textsRoundTripExactly_data();
    void textsRoundTripExactly();
    void repeatValuesTravelWithTheirEvents();

    void appendedEventsTakeTheNextIndexInBothLists();
    void removingMarksTheEntryAndHandsBackWhatItHeld();
    void builtInAndOutsideIndexesCannotBeRemoved_data();
    void builtInAndOutsideIndexesCannotBeRemoved();
    void removedEventsGoBackInAnyOrder();
    void liveEvents_data();
    void liveEvents();
    void countdownFallsBackToTheBuiltInEventOnlyOutsideTheLists_data();
    void countdownFallsBackToTheBuiltInEventOnlyOutsideTheLists();

private:
    QString path() const { return m_dir->filePath(u"Quorvane.conf"_s); }
    void seed(const QList<std::pair<QString, QString>> &values)
    {
        QSettings s(path(), QSettings::IniFormat);
        for (const auto &[key, value] : values) {
            s.setValue(u"countdown/"_s + key, value);
        }
    }
    EventList load()
    {
        IniFileStore settings(path());
        EventList store;
        LoadSettings(store, settings);
        return store;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_EventList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_EventList::emptyStoreGivesTheBuiltInEventAndWritesNothing()
{
    const EventList store = load();
    QCOMPARE(store.EventDates, QStringList {u"2003-06-10 08:00"_s});
    QCOMPARE(store.EventDescriptions, QStringList {u"Quorvane"_s});
    QCOMPARE(store.ActiveEvent, 0);
    QCOMPARE(store.WallpaperPath, u"veltor://default"_s);
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}

void tst_EventList::gapInTheNumbersLosesNothing_data()
{
    QTest::addColumn<QString>("active");
    QTest::addColumn<int>("activeIndex"); // after loading, and as saved again
    QTest::newRow("active after the gap") << u"10"_s << 3;
    QTest::newRow("active before the gap") << u"1"_s << 1;
    QTest::newRow("active in the gap names no event") << u"2"_s << 0;
    QTest::newRow("built-in event") << u"0"_s << 0;
}

void tst_EventList::gapInTheNumbersLosesNothing()
{
    // Event 2 deleted by hand, event 4 left with an empty date, numbers out of order in the
    // file, and keys that only look like event keys.
    QFETCH(QString, active);
    QFETCH(int, activeIndex);
    seed({{u"d10"_s, u"2004-01-10 00:00"_s}, {u"t10"_s, u"Ten"_s}, {u"d1"_s, u"2004-01-01 00:00"_s},
        {u"t1"_s, u"One"_s}, {u"d3"_s, u"2004-01-03 00:00"_s}, {u"t3"_s, u"Three"_s},
        {u"d4"_s, QString()}, {u"t4"_s, u"Four"_s}, {u"d05"_s, u"2004-01-05 00:00"_s},
        {u"dx"_s, u"2004-01-06 00:00"_s}, {u"Active"_s, active}});
    const EventList store = load();
    QCOMPARE(
        store.EventDescriptions, (QStringList {u"Quorvane"_s, u"One"_s, u"Three"_s, u"Ten"_s}));
    QCOMPARE(store.EventDates,
        (QStringList {BuiltInEventDate(), u"2004-01-01 00:00"_s, u"2004-01-03 00:00"_s,
            u"2004-01-10 00:00"_s}));
    QCOMPARE(store.ActiveEvent, activeIndex);

    // The next save numbers them 1 to 3; "Active" follows the same event.
    IniFileStore settings(path());
    QVERIFY(SaveEventList(
        settings, store.WallpaperPath, store.EventDates, store.EventDescriptions, store.ActiveEvent)
                .ok);
    QSettings saved(path(), QSettings::IniFormat);
    saved.beginGroup(u"countdown"_s);
    QCOMPARE(saved.value(u"t3"_s).toString(), u"Ten"_s);
    QCOMPARE(saved.value(u"d2"_s).toString(), u"2004-01-03 00:00"_s);
    QVERIFY(!saved.contains(u"d10"_s));
    QVERIFY(!saved.contains(u"d4"_s));
    const EventList reloaded = load();
    QCOMPARE(reloaded.EventDescriptions, store.EventDescriptions);
    QCOMPARE(reloaded.ActiveEvent, activeIndex);
}

void tst_EventList::blankDateIsAnEvent()
{
    seed({{u"d1"_s, u" "_s}, {u"t1"_s, u"Blank"_s}});
    const EventList store = load();
    QCOMPARE(store.EventDates.value(1), u" "_s);
    QCOMPARE(store.EventDescriptions.value(1), u"Blank"_s);
}

void tst_EventList::eventWithoutDescriptionIsKeptUntilRemoved()
{
    // Written by hand: event 1 without a description key, event 2 with an empty one.
    seed({{u"d1"_s, u"2030-05-01 10:00"_s}, {u"d2"_s, u"2030-05-02 10:00"_s}, {u"t2"_s, QString()},
        {u"d3"_s, u"2030-05-03 10:00"_s}, {u"t3"_s, u"Three"_s}, {u"Active"_s, u"1"_s}});
    IniFileStore settings(path());
    EventList store;
    LoadSettings(store, settings);
    QCOMPARE(
        store.EventDescriptions, (QStringList {u"Quorvane"_s, QString(), QString(), u"Three"_s}));
    QVERIFY(store.isLiveEvent(1) && store.isLiveEvent(2));
    QCOMPARE(store.ActiveEvent, 1);

    // A save with nothing changed keeps both; a removal takes only the one removed.
    QVERIFY(SaveEventList(settings, store.WallpaperPath, store, store.ActiveEvent).ok);
    QCOMPARE(load().EventDates, store.EventDates);
    QCOMPARE(load().ActiveEvent, 1);
    QVERIFY(store.removeEvent(1));
    QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 0).ok);
    QCOMPARE(load().EventDates,
        (QStringList {BuiltInEventDate(), u"2030-05-02 10:00"_s, u"2030-05-03 10:00"_s}));
}

void tst_EventList::activeValueIsKeptAsRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("active");
    QTest::newRow("past the end of the list") << u"5"_s << 5;
    QTest::newRow("largest 32-bit value") << u"2147483647"_s << 2147483647;
    QTest::newRow("negative") << u"-2"_s << -2;
    QTest::newRow("too large") << u"2147483648"_s << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("letters") << u"one"_s << 0;
    QTest::newRow("fraction") << u"1.5"_s << 0;
    QTest::newRow("hexadecimal") << u"0x1"_s << 0;
}

void tst_EventList::activeValueIsKeptAsRead()
{
    QFETCH(QString, stored);
    QFETCH(int, active);
    seed({{u"Active"_s, stored}, {u"d1"_s, u"2004-01-01 00:00"_s}, {u"t1"_s, u"One"_s},
        {u"d2"_s, u"2004-01-02 00:00"_s}, {u"t2"_s, u"Two"_s}});
    QCOMPARE(load().ActiveEvent, active);
}

void tst_EventList::emptyWallpaperIsNotTheMarker()
{
    seed({{u"Wallpaper"_s, QString()}});
    QCOMPARE(load().WallpaperPath, QString());
}

void tst_EventList::loadingReplacesEverything()
{
    seed({{u"d1"_s, u"2004-01-01 00:00"_s}, {u"t1"_s, u"One"_s}, {u"Active"_s, u"1"_s},
        {u"Wallpaper"_s, u"/pictures/a.jpg"_s}});
    IniFileStore settings(path());
    EventList store;
    LoadSettings(store, settings);
    const EventList first = store;
    store.appendEvent(u"2009-09-09 09:09"_s, u"Unsaved"_s); // added in the dialog, never saved
    QVERIFY(store.removeEvent(1));
    LoadSettings(store, settings);
    QCOMPARE(store.EventDates, first.EventDates);
    QCOMPARE(store.EventDescriptions, first.EventDescriptions);
    QCOMPARE(store.ActiveEvent, 1);
    QCOMPARE(store.WallpaperPath, u"/pictures/a.jpg"_s);
}

void tst_EventList::repeatValuesTravelWithTheirEvents()
{
    // Event 2 deleted by hand; event 3's value comes from a later version.
    seed({{u"d1"_s, u"2000-06-10 08:00"_s}, {u"t1"_s, u"Gone"_s}, {u"r1"_s, u"yearly"_s},
        {u"d3"_s, u"2004-01-03 00:00"_s}, {u"t3"_s, u"Monthly"_s}, {u"r3"_s, u"monthly"_s},
        {u"d4"_s, u"2004-01-04 00:00"_s}, {u"t4"_s, u"Once"_s}, {u"d5"_s, u"2000-01-05 00:00"_s},
        {u"t5"_s, u"Birthday"_s}, {u"r5"_s, u"yearly"_s}});
    IniFileStore settings(path());
    EventList store;
    LoadSettings(store, settings);
    QCOMPARE(store.EventRepeats,
        (QStringList {QString(), u"yearly"_s, u"monthly"_s, QString(), u"yearly"_s}));

    // Another program writes r2 meanwhile; renumbered, 2 is the one-off event's number.
    seed({{u"r2"_s, u"yearly"_s}});
    QVERIFY(store.removeEvent(1));
    QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 0).ok);
    QCOMPARE(load().EventRepeats, (QStringList {QString(), u"monthly"_s, QString(), u"yearly"_s}));
}

void tst_EventList::textsRoundTripExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << u"Tea, then cake"_s;
    QTest::newRow("only commas") << u",,"_s;
    QTest::newRow("double quotes") << u"The \"big\" day"_s;
    QTest::newRow("single quote") << u"Mum's birthday"_s;
    QTest::newRow("leading and trailing blanks") << u"  padded  "_s;
    QTest::newRow("one blank") << u" "_s;
    QTest::newRow("at sign first") << u"@ByteArray(x)"_s;
    QTest::newRow("at variant") << u"@Variant(\\0\\0)"_s;
    QTest::newRow("equals and semicolon") << u"a=b; c=d"_s;
    QTest::newRow("backslashes") << u"C:\\Pictures\\new\\top.jpg"_s;
    QTest::newRow("hash and brackets") << u"#1 [countdown]"_s;
    QTest::newRow("line break") << u"two\r\nlines"_s;
    QTest::newRow("non-ASCII") << u"Grüße — 春節 🎉"_s;
    QTest::newRow("tab") << u"a\tb"_s;
}

void tst_EventList::textsRoundTripExactly()
{
    QFETCH(QString, text);
    {
        IniFileStore settings(path());
        const SaveResult saved
            = SaveEventList(settings, text, {u"built-in"_s, text}, {u"Quorvane"_s, text}, 1);
        QVERIFY2(saved.ok, qPrintable(saved.error));
    }
    const EventList store = load();
    QCOMPARE(store.WallpaperPath, text);
    QCOMPARE(store.EventDates.value(1), text);
    QCOMPARE(store.EventDescriptions.value(1), text);
    QCOMPARE(store.ActiveEvent, 1);
}

namespace {

// The built-in event and user events 1..n named "E1".."En", dated "2004-01-0n 10:00".
EventList withEvents(int n)
{
    EventList store;
    store.resetToBuiltInEvent();
    for (int i = 1; i <= n; ++i) {
        store.appendEvent(u"2004-01-0%1 10:00"_s.arg(i), u"E%1"_s.arg(i));
    }
    return store;
}

} // namespace

void tst_EventList::appendedEventsTakeTheNextIndexInBothLists()
{
    EventList store = withEvents(1);
    QVERIFY(store.removeEvent(1));
    // A removed entry keeps its place: the next event goes after it, not into it.
    QCOMPARE(store.appendEvent(u"2005-05-05 05:05"_s, u"New"_s), 2);
    QCOMPARE(store.EventDates,
        (QStringList {BuiltInEventDate(), RemovedEventDate(), u"2005-05-05 05:05"_s}));
    QCOMPARE(
        store.EventDescriptions, (QStringList {BuiltInEventDescription(), QString(), u"New"_s}));
    QCOMPARE(store.upperBound(), 2);
}

void tst_EventList::removingMarksTheEntryAndHandsBackWhatItHeld()
{
    EventList store = withEvents(2);
    const std::optional<EventList::Event> held = store.removeEvent(2);
    QVERIFY(held);
    QCOMPARE(held->date, u"2004-01-02 10:00"_s);
    QCOMPARE(held->description, u"E2"_s);
    QCOMPARE(store.EventDates.at(2), u"* deleted *"_s);
    QCOMPARE(store.EventDescriptions.at(2), QString());
    QCOMPARE(store.EventDates.size(), 3);
    QCOMPARE(store.EventDescriptions.size(), 3);
}

void tst_EventList::builtInAndOutsideIndexesCannotBeRemoved_data()
{
    QTest::addColumn<qint64>("index");
    QTest::newRow("built-in event") << qint64(0);
    QTest::newRow("negative") << qint64(-1);
    QTest::newRow("one past the end") << qint64(2);
    QTest::newRow("far outside 32 bits") << (qint64(1) << 33);
}

void tst_EventList::builtInAndOutsideIndexesCannotBeRemoved()
{
    QFETCH(qint64, index);
    EventList store = withEvents(1);
    const EventList before = store;
    QVERIFY(!store.removeEvent(index));
    if (index != 0) {
        QVERIFY(!store.restoreEvent(index, {u"x"_s, u"y"_s}));
    }
    QCOMPARE(store.EventDates, before.EventDates);
    QCOMPARE(store.EventDescriptions, before.EventDescriptions);
}

void tst_EventList::removedEventsGoBackInAnyOrder()
{
    EventList store = withEvents(3);
    const EventList before = store;
    QList<std::pair<qint64, EventList::Event>> removed;
    for (const qint64 index : {2, 1, 3}) {
        removed.append({index, *store.removeEvent(index)});
    }
    store.appendEvent(u"2005-05-05 05:05"_s, u"Added meanwhile"_s);
    for (const auto &[index, event] : std::as_const(removed)) {
        QVERIFY(store.restoreEvent(index, event));
    }
    QCOMPARE(store.EventDates, before.EventDates + QStringList {u"2005-05-05 05:05"_s});
    QCOMPARE(
        store.EventDescriptions, before.EventDescriptions + QStringList {u"Added meanwhile"_s});
}

void tst_EventList::liveEvents_data()
{
    QTest::addColumn<qint64>("index");
    QTest::addColumn<bool>("live");
    QTest::newRow("built-in event") << qint64(0) << true;
    QTest::newRow("user's event") << qint64(1) << true;
    QTest::newRow("blank description") << qint64(2) << true;
    QTest::newRow("removed") << qint64(3) << false;
    QTest::newRow("one past the end") << qint64(4) << false;
    QTest::newRow("negative") << qint64(-1) << false;
}

void tst_EventList::liveEvents()
{
    QFETCH(qint64, index);
    QFETCH(bool, live);
    EventList store = withEvents(1);
    store.appendEvent(u"2004-01-02 10:00"_s, u" "_s);
    store.appendEvent(u"2004-01-03 10:00"_s, u"Gone"_s);
    QVERIFY(store.removeEvent(3));
    QCOMPARE(store.isLiveEvent(index), live);
}

void tst_EventList::countdownFallsBackToTheBuiltInEventOnlyOutsideTheLists_data()
{
    QTest::addColumn<qint32>("active");
    QTest::addColumn<qsizetype>("counted");
    QTest::newRow("user's event") << 1 << qsizetype(1);
    QTest::newRow("removed event, still counted down to") << 2 << qsizetype(2);
    QTest::newRow("one past the end") << 3 << qsizetype(0);
    QTest::newRow("negative") << -1 << qsizetype(0);
    QTest::newRow("largest 32-bit value") << 2147483647 << qsizetype(0);
}

void tst_EventList::countdownFallsBackToTheBuiltInEventOnlyOutsideTheLists()
{
    QFETCH(qint32, active);
    QFETCH(qsizetype, counted);
    EventList store = withEvents(2);
    QVERIFY(store.removeEvent(2));
    store.ActiveEvent = active;
    QCOMPARE(store.countdownIndex(), counted);
}

QTEST_GUILESS_MAIN(tst_EventList)
#include "tst_eventlist.moc"
