#include "core/events/EventList.h"

#include "TestSeed.h"
#include "core/settingsfile/IniFileStore.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString date(int n)
{
    return u"2004-01-%1 00:00"_s.arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

class tst_SaveEventList final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void removingOneInTheMiddleLeavesExactlyTheRest();
    void noUserEventsWritesOnlyWallpaperAndActive();
    void removingTheFirstRenumbersTheRest();
    void removedSelectionFallsBackToTheNearestKeptBefore();
    void noSelectionKeepsTheStoredActive();
    void appendedThenRemovedLeavesNoKey();
    void removingEveryEventDeletesAllEventKeys();
    void emptyWallpaperIsWrittenAsEmpty();
    void randomEditsReloadAsSaved();

private:
    QString path() const { return m_dir->filePath(u"Quorvane.conf"_s); }
    // Stores n user events through a save, as the program would have.
    void storeEvents(int n, int active = 0)
    {
        QStringList dates {BuiltInEventDate()}, descriptions {BuiltInEventDescription()};
        for (int i = 1; i <= n; ++i) {
            dates.append(date(i));
            descriptions.append(u"Event %1"_s.arg(i));
        }
        IniFileStore settings(path());
        QVERIFY(SaveEventList(settings, DefaultWallpaperMarker(), dates, descriptions, active).ok);
    }
    EventList load()
    {
        IniFileStore settings(path());
        EventList store;
        LoadSettings(store, settings);
        return store;
    }
    QStringList storedKeys()
    {
        QSettings s(path(), QSettings::IniFormat);
        s.beginGroup(u"countdown"_s);
        QStringList keys = s.childKeys();
        keys.sort();
        return keys;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SaveEventList::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SaveEventList::removingOneInTheMiddleLeavesExactlyTheRest()
{
    storeEvents(4);
    EventList store = load();
    QVERIFY(store.removeEvent(2));
    IniFileStore settings(path());
    QVERIFY(SaveEventList(settings, u"/pics/w.jpg"_s, store, 4).ok);

    const EventList reloaded = load();
    QCOMPARE(reloaded.EventDescriptions,
        (QStringList {u"Quorvane"_s, u"Event 1"_s, u"Event 3"_s, u"Event 4"_s}));
    QCOMPARE(reloaded.EventDates, (QStringList {BuiltInEventDate(), date(1), date(3), date(4)}));
    QCOMPARE(reloaded.ActiveEvent, 3);
    QCOMPARE(reloaded.WallpaperPath, u"/pics/w.jpg"_s);
    QCOMPARE(storedKeys(),
        (QStringList {
            u"Active"_s, u"Wallpaper"_s, u"d1"_s, u"d2"_s, u"d3"_s, u"t1"_s, u"t2"_s, u"t3"_s}));
}

void tst_SaveEventList::noUserEventsWritesOnlyWallpaperAndActive()
{
    IniFileStore settings(path());
    QVERIFY(SaveEventList(
        settings, DefaultWallpaperMarker(), {BuiltInEventDate()}, {BuiltInEventDescription()}, 0)
                .ok);
    QCOMPARE(storedKeys(), (QStringList {u"Active"_s, u"Wallpaper"_s}));
    QCOMPARE(load().WallpaperPath, DefaultWallpaperMarker());
    QCOMPARE(load().ActiveEvent, 0);
}

void tst_SaveEventList::removingTheFirstRenumbersTheRest()
{
    storeEvents(3);
    EventList store = load();
    QVERIFY(store.removeEvent(1));
    IniFileStore settings(path());
    QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 0).ok);
    const EventList reloaded = load();
    QCOMPARE(reloaded.EventDescriptions, (QStringList {u"Quorvane"_s, u"Event 2"_s, u"Event 3"_s}));
    QCOMPARE(reloaded.EventDates, (QStringList {BuiltInEventDate(), date(2), date(3)}));
    QVERIFY(!storedKeys().contains(u"d3"_s));
    QVERIFY(!storedKeys().contains(u"t3"_s));
}

void tst_SaveEventList::removedSelectionFallsBackToTheNearestKeptBefore()
{
    storeEvents(4);
    EventList store = load();
    QVERIFY(store.removeEvent(3)); // selected and removed: event 2 stays active
    {
        IniFileStore settings(path());
        QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 3).ok);
    }
    QCOMPARE(load().ActiveEvent, 2);

    storeEvents(2);
    store = load();
    QVERIFY(store.removeEvent(1)); // no kept entry before it: the built-in event
    {
        IniFileStore settings(path());
        QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 1).ok);
    }
    QCOMPARE(load().ActiveEvent, 0);
}

void tst_SaveEventList::noSelectionKeepsTheStoredActive()
{
    storeEvents(3, 2);
    const EventList store = load();
    IniFileStore settings(path());
    QVERIFY(
        SaveEventList(settings, store.WallpaperPath, store.EventDates, store.EventDescriptions, -1)
            .ok);
    QCOMPARE(load().ActiveEvent, 2);
}

void tst_SaveEventList::appendedThenRemovedLeavesNoKey()
{
    storeEvents(2);
    EventList store = load();
    QVERIFY(store.removeEvent(store.appendEvent(date(3), u"Event 3"_s)));
    IniFileStore settings(path());
    const SaveResult saved = SaveEventList(settings, store.WallpaperPath, store, 0);
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(storedKeys(),
        (QStringList {u"Active"_s, u"Wallpaper"_s, u"d1"_s, u"d2"_s, u"t1"_s, u"t2"_s}));
    QCOMPARE(load().EventDescriptions, (QStringList {u"Quorvane"_s, u"Event 1"_s, u"Event 2"_s}));
}

void tst_SaveEventList::removingEveryEventDeletesAllEventKeys()
{
    storeEvents(3, 3);
    EventList store = load();
    for (int j = 1; j <= 3; ++j) {
        QVERIFY(store.removeEvent(j));
    }
    IniFileStore settings(path());
    QVERIFY(SaveEventList(settings, store.WallpaperPath, store, 0).ok);
    QCOMPARE(storedKeys(), (QStringList {u"Active"_s, u"Wallpaper"_s}));
    QCOMPARE(load().ActiveEvent, 0);
}

void tst_SaveEventList::emptyWallpaperIsWrittenAsEmpty()
{
    IniFileStore settings(path());
    QVERIFY(SaveEventList(settings, QString(), {BuiltInEventDate()}, {BuiltInEventDescription()}, 0)
                .ok);
    QCOMPARE(load().WallpaperPath, QString());
    QVERIFY(storedKeys().contains(u"Wallpaper"_s));
}

void tst_SaveEventList::randomEditsReloadAsSaved()
{
    const TestSeed seed(1209);
    QRandomGenerator random(seed.value());
    storeEvents(2);
    for (int round = 0; round < 40; ++round) {
        const QString context = u"round %1"_s.arg(round);
        EventList store = load();
        const qint32 activeBefore = store.ActiveEvent;

        // Append some events, then mark some entries removed, as the dialog does.
        const int appended = random.bounded(0, 6);
        for (int i = 0; i < appended; ++i) {
            store.appendEvent(date(random.bounded(1000)), u"E%1"_s.arg(random.bounded(100000)));
        }
        QStringList keptDescriptions {BuiltInEventDescription()};
        QStringList keptDates {BuiltInEventDate()};
        QList<int> newNumber(store.EventDates.size(), 0);
        for (qsizetype j = 1; j < store.EventDates.size(); ++j) {
            if (random.bounded(4) == 0) {
                QVERIFY(store.removeEvent(j));
            }
            if (store.isLiveEvent(j)) {
                keptDescriptions.append(store.EventDescriptions[j]);
                keptDates.append(store.EventDates[j]);
            }
            newNumber[j] = int(keptDescriptions.size() - 1); // nearest kept at or before j
        }
        const int selected = int(random.bounded(-1, int(store.EventDates.size())));

        IniFileStore settings(path());
        const SaveResult saved = SaveEventList(settings, u"w%1"_s.arg(round), store, selected);
        QVERIFY2(saved.ok, qPrintable(context + saved.error));

        const EventList reloaded = load();
        QVERIFY2(reloaded.EventDescriptions == keptDescriptions, qPrintable(context));
        QVERIFY2(reloaded.EventDates == keptDates, qPrintable(context));
        const qint32 expectedActive = selected < 0 ? activeBefore : newNumber.value(selected);
        QVERIFY2(reloaded.ActiveEvent == expectedActive, qPrintable(context));
        QCOMPARE(reloaded.WallpaperPath, u"w%1"_s.arg(round));
        QCOMPARE(storedKeys().size(), 2 + 2 * (keptDescriptions.size() - 1));
    }
}

QTEST_GUILESS_MAIN(tst_SaveEventList)
#include "tst_saveeventlist.moc"
