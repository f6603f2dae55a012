#include "core/events/DateText.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The date text's one table: its shape, the first fault of a text of that shape, and what it
// reads as.
class tst_DateText final : public QObject
{
    Q_OBJECT

private slots:
    void shapeFaultAndReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateTextFault>("fault");
        using F = DateTextFault;
        QTest::newRow("built-in date") << u"2003-06-10 08:00"_s << F::None;
        QTest::newRow("leap day 2004") << u"2004-02-29 12:00"_s << F::None;
        QTest::newRow("leap day 2000") << u"2000-02-29 12:00"_s << F::None;
        QTest::newRow("last minute of a day") << u"2003-12-31 23:59"_s << F::None;
        QTest::newRow("year 0001") << u"0001-01-01 00:00"_s << F::None;
        QTest::newRow("year 9999") << u"9999-12-31 23:59"_s << F::None;
        QTest::newRow("no leap day 2003") << u"2003-02-29 12:00"_s << F::Day;
        QTest::newRow("no leap day 1900") << u"1900-02-29 12:00"_s << F::Day;
        QTest::newRow("31 April") << u"2030-04-31 12:00"_s << F::Day;
        QTest::newRow("day 00") << u"2003-06-00 08:00"_s << F::Day;
        QTest::newRow("month 13") << u"2003-13-01 08:00"_s << F::Month;
        QTest::newRow("month 00") << u"2003-00-10 08:00"_s << F::Month;
        QTest::newRow("hour 24") << u"2003-06-10 24:00"_s << F::Hour;
        QTest::newRow("minute 60") << u"2003-06-10 08:60"_s << F::Minute;
        QTest::newRow("all zeros: year first") << u"0000-00-00 00:00"_s << F::Year;
        QTest::newRow("month before day and time") << u"2003-13-45 99:99"_s << F::Month;
        QTest::newRow("day before time") << u"2003-02-30 99:99"_s << F::Day;
        QTest::newRow("empty") << QString() << F::Shape;
        QTest::newRow("seconds added") << u"2003-12-03 14:00:00"_s << F::Shape;
        QTest::newRow("one-digit day") << u"2003-12-3 14:00"_s << F::Shape;
        QTest::newRow("slashes") << u"2003/12/03 14:00"_s << F::Shape;
        QTest::newRow("leading blank") << u" 2003-12-03 14:00"_s << F::Shape;
        QTest::newRow("trailing blank") << u"2003-12-03 14:00 "_s << F::Shape;
        QTest::newRow("T for the blank") << u"2003-12-03T14:00"_s << F::Shape;
        QTest::newRow("letter O for zero") << u"2OO3-12-03 14:00"_s << F::Shape;
        QTest::newRow("fullwidth digits") << u"２００３-12-03 14:00"_s << F::Shape;
        QTest::newRow("arabic-indic digits") << u"٢٠٠٣-12-03 14:00"_s << F::Shape;
        QTest::newRow("negative-looking year") << u"-003-06-10 08:00"_s << F::Shape;
        QTest::newRow("removal mark") << u"* deleted *"_s << F::Shape;
        QTest::newRow("no-break space") << u"2003-12-03\u00a014:00"_s << F::Shape;
    }
    void shapeFaultAndReading()
    {
        QFETCH(QString, text);
        QFETCH(DateTextFault, fault);
        QCOMPARE(MatchesDateShape(text), fault != DateTextFault::Shape);
        QCOMPARE(FindDateTextFault(text), fault);
        const std::optional<WallClockTime> read = ParseDateText(text);
        QCOMPARE(read.has_value(), fault == DateTextFault::None);
        if (read) {
            // Whatever is accepted prints back to the same text.
            QCOMPARE(read->date.toString(u"yyyy-MM-dd"_s) + QLatin1Char(' ')
                    + read->time.toString(u"HH:mm"_s),
                text);
            QCOMPARE(read->time.second(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_DateText)
#include "tst_datetext.moc"
