#include "core/countdown/Readout.h"

#include "FakeClock.h"

#include <QTest>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

QDateTime local(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// Moves on by one second every time it is read.
class TickingClock final : public Clock
{
public:
    explicit TickingClock(const QDateTime &start)
        : m_next(start)
    { }
    QDateTime now() const override
    {
        QDateTime reading = m_next;
        m_next = m_next.addSecs(1);
        return reading;
    }

private:
    mutable QDateTime m_next;
};

} // namespace

class tst_Readout final : public QObject
{
    Q_OBJECT

private slots:
    void linesAtTheBuiltInDate_data();
    void linesAtTheBuiltInDate();
    void leapDayCountsAsACalendarDay();
    void countsFollowTheClockFaceAcrossClockChanges();
    void eachLineReadsTheClockJustBeforeItIsComputed();
    void unreadableDateChangesNoLine();
    void overflowFailsAtTheFirstLineThatDoesNotFit();
    void lineTexts();
    void millisecondsAreDropped();
    void nextAnniversary_data();
    void nextAnniversary();
    void yearlyEventNeverCountsPastItsDay();
};

void tst_Readout::linesAtTheBuiltInDate_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one second before midnight the day before") << local(2003, 6, 9, 23, 59,
        59) << QStringList {u"1 Days"_s, u"9 Hrs."_s, u"481 Min."_s, u"28801 Sec."_s};
    QTest::newRow("one hour before") << local(2003, 6, 10, 7, 0,
        0) << QStringList {u"0 Days"_s, u"1 Hrs."_s, u"60 Min."_s, u"3600 Sec."_s};
    QTest::newRow("thirty seconds before") << local(2003, 6, 10, 7, 59,
        30) << QStringList {u"0 Days"_s, u"1 Hrs."_s, u"1 Min."_s, u"30 Sec."_s};
    QTest::newRow("at the event") << local(
        2003, 6, 10, 8, 0, 0) << QStringList {u"0 Days"_s, u"0 Hrs."_s, u"0 Min."_s, u"0 Sec."_s};
    QTest::newRow("thirty seconds after") << local(2003, 6, 10, 8, 0,
        30) << QStringList {u"0 Days"_s, u"0 Hrs."_s, u"0 Min."_s, u"-30 Sec."_s};
    QTest::newRow("a day less one hour after") << local(2003, 6, 11, 7, 0,
        0) << QStringList {u"-1 Days"_s, u"-23 Hrs."_s, u"-1380 Min."_s, u"-82800 Sec."_s};
}

void tst_Readout::linesAtTheBuiltInDate()
{
    QFETCH(QDateTime, now);
    QFETCH(QStringList, lines);
    const FakeClock clock(now);
    const Readout readout = ComputeReadout(clock, u"2003-06-10 08:00"_s);
    QVERIFY(readout.complete());
    QCOMPARE(readout.lines, lines);
}

void tst_Readout::leapDayCountsAsACalendarDay()
{
    const FakeClock clock(local(2004, 2, 28, 12, 0, 0));
    QCOMPARE(ComputeReadout(clock, u"2004-03-01 00:00"_s).lines.value(0), u"2 Days"_s);
    const FakeClock nonLeap(local(2003, 2, 28, 12, 0, 0));
    QCOMPARE(ComputeReadout(nonLeap, u"2003-03-01 00:00"_s).lines.value(0), u"1 Days"_s);
}

void tst_Readout::countsFollowTheClockFaceAcrossClockChanges()
{
    // Under a zone with daylight saving the local clock jumps; the counts must not.
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const auto restore = qScopeGuard([&] {
        qputenv("TZ", oldTz);
        tzset();
    });

    // Clocks go forward at 02:00 on 28 March 2004: 01:00 to 05:00 is 3 hours elapsed.
    if (local(2004, 3, 28, 1, 0, 0).secsTo(local(2004, 3, 28, 5, 0, 0)) != 3 * 3600LL) {
        QSKIP("The Europe/Berlin zone is not available here");
    }
    const FakeClock spring(local(2004, 3, 28, 1, 0, 0));
    QCOMPARE(ComputeReadout(spring, u"2004-03-28 05:00"_s).lines,
        (QStringList {u"0 Days"_s, u"4 Hrs."_s, u"240 Min."_s, u"14400 Sec."_s}));
    // Clocks go back at 03:00 on 31 October 2004: 01:00 to 05:00 is 5 hours elapsed.
    const FakeClock autumn(local(2004, 10, 31, 1, 0, 0));
    QCOMPARE(ComputeReadout(autumn, u"2004-10-31 05:00"_s).lines.value(1), u"4 Hrs."_s);
    // A target inside the hour that the spring change skips is still read by its clock face.
    QCOMPARE(ComputeReadout(spring, u"2004-03-28 02:30"_s).lines.value(2), u"90 Min."_s);
}

void tst_Readout::eachLineReadsTheClockJustBeforeItIsComputed()
{
    // Readings 07:59:58, 07:59:59, 08:00:00 and 08:00:01 for the four lines.
    const TickingClock clock(local(2003, 6, 10, 7, 59, 58));
    QCOMPARE(ComputeReadout(clock, u"2003-06-10 08:00"_s).lines,
        (QStringList {u"0 Days"_s, u"1 Hrs."_s, u"0 Min."_s, u"-1 Sec."_s}));
}

void tst_Readout::unreadableDateChangesNoLine()
{
    const FakeClock clock;
    QVERIFY(ComputeReadout(clock, u"* deleted *"_s).lines.isEmpty());
    QVERIFY(ComputeReadout(clock, QString()).lines.isEmpty());
    QVERIFY(ComputeReadout(clock, u"2003-02-30 08:00"_s).lines.isEmpty());
    QVERIFY(!ComputeReadout(clock, u"2003-02-30 08:00"_s).complete());
}

void tst_Readout::overflowFailsAtTheFirstLineThatDoesNotFit()
{
    // About 103 years: more seconds than a signed 32-bit count holds.
    const FakeClock century(local(1900, 1, 1, 0, 0, 0));
    const Readout r1 = ComputeReadout(century, u"2003-06-10 08:00"_s);
    QCOMPARE(r1.lines.size(), 3);
    QCOMPARE(r1.lines.at(0), u"37780 Days"_s);
    QVERIFY(!r1.complete());

    // Just inside the limit: 2^31 - 1 seconds is 24855 days, 3:14:07.
    const FakeClock edge(local(2003, 6, 10, 8, 0, 0).addSecs(-2147483647LL));
    QCOMPARE(ComputeReadout(edge, u"2003-06-10 08:00"_s).lines.value(3), u"2147483647 Sec."_s);
    const FakeClock pastEdge(local(2003, 6, 10, 8, 0, 0).addSecs(-2147483648LL));
    QCOMPARE(ComputeReadout(pastEdge, u"2003-06-10 08:00"_s).lines.size(), 3);
    // After the event the negative limit is one further away.
    const FakeClock negativeEdge(local(2003, 6, 10, 8, 0, 0).addSecs(2147483648LL));
    QCOMPARE(
        ComputeReadout(negativeEdge, u"2003-06-10 08:00"_s).lines.value(3), u"-2147483648 Sec."_s);

    // Nearly ten thousand years: the minutes overflow as well.
    const FakeClock ancient(local(1, 1, 1, 0, 0, 0));
    QCOMPARE(ComputeReadout(ancient, u"9999-12-31 23:59"_s).lines.size(), 2);
}

void tst_Readout::lineTexts()
{
    QCOMPARE(ReadoutLineText(Unit::Days, 1), u"1 Days"_s);
    QCOMPARE(ReadoutLineText(Unit::Hours, -3), u"-3 Hrs."_s);
    QCOMPARE(ReadoutLineText(Unit::Minutes, 1234567), u"1234567 Min."_s);
    QCOMPARE(ReadoutLineText(Unit::Seconds, 0), u"0 Sec."_s);
}

void tst_Readout::millisecondsAreDropped()
{
    // 07:59:59.999 is still 1 second before the event, not 0.001.
    const FakeClock clock(QDateTime(QDate(2003, 6, 10), QTime(7, 59, 59, 999)));
    QCOMPARE(ComputeReadout(clock, u"2003-06-10 08:00"_s).lines.value(3), u"1 Sec."_s);
}

void tst_Readout::nextAnniversary_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("next");
    const auto row
        = [](const char *tag, const char *stored, const QDateTime &now, const char *next) {
              QTest::newRow(tag) << QString::fromLatin1(stored) << now << QString::fromLatin1(next);
          };
    row("before", "2000-06-10 08:00", local(2003, 6, 9, 23, 59, 59), "2003-06-10 08:00");
    row("at", "2000-06-10 08:00", local(2003, 6, 10, 8, 0, 0), "2003-06-10 08:00");
    row("after", "2000-06-10 08:00", local(2003, 6, 10, 8, 0, 30), "2004-06-10 08:00");
    row("29 February, leap year", "2000-02-29 12:00", local(2004, 2, 1, 0, 0, 0),
        "2004-02-29 12:00");
    row("29 February, common year", "2000-02-29 12:00", local(2003, 2, 1, 0, 0, 0),
        "2003-02-28 12:00");
    row("last minute of a year", "1999-12-31 23:59", local(2003, 12, 31, 23, 59, 30),
        "2004-12-31 23:59");
    // On the clock face alone: where daylight saving time starts at 02:00, the clock reads
    // 01:59:59 and then 03:00:00, and an anniversary at 02:30 is passed over for that year.
    row("gap, before", "2000-03-28 02:30", local(2004, 3, 28, 1, 59, 59), "2004-03-28 02:30");
    row("gap, after", "2000-03-28 02:30", local(2004, 3, 28, 3, 0, 0), "2005-03-28 02:30");
}

void tst_Readout::nextAnniversary()
{
    QFETCH(QString, stored);
    QFETCH(QDateTime, now);
    QFETCH(QString, next);
    QCOMPARE(NextAnniversary(*ParseDateText(stored), WallClockTime::fromDateTime(now)),
        *ParseDateText(next));
}

void tst_Readout::yearlyEventNeverCountsPastItsDay()
{
    const FakeClock clock(local(2003, 6, 10, 8, 0, 1));
    QCOMPARE(ComputeReadout(clock, u"2000-06-10 08:00"_s, true).lines,
        (QStringList {u"366 Days"_s, u"8784 Hrs."_s, u"527040 Min."_s, u"31622399 Sec."_s}));

    // The moment passes while the lines are computed: the later lines count to the next year.
    const TickingClock ticking(local(2003, 6, 10, 7, 59, 59));
    const QStringList lines = ComputeReadout(ticking, u"2000-06-10 08:00"_s, true).lines;
    QCOMPARE(lines.mid(0, 2), (QStringList {u"0 Days"_s, u"0 Hrs."_s}));
    QCOMPARE(lines.value(3), u"31622398 Sec."_s);
}

QTEST_GUILESS_MAIN(tst_Readout)
#include "tst_readout.moc"
