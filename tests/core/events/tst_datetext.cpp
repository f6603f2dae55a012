#include "store/DateShape.h"

#include <QTest>

class tst_DateShape final : public QObject
{
    Q_OBJECT

private slots:
    void matchesWholeShapeOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("example") << QStringLiteral("2003-12-03 14:00") << true;
        QTest::newRow("impossible date, right shape") << QStringLiteral("2003-13-45 99:99") << true;
        QTest::newRow("all zeros") << QStringLiteral("0000-00-00 00:00") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("seconds added") << QStringLiteral("2003-12-03 14:00:00") << false;
        QTest::newRow("one-digit day") << QStringLiteral("2003-12-3 14:00") << false;
        QTest::newRow("slashes") << QStringLiteral("2003/12/03 14:00") << false;
        QTest::newRow("leading blank") << QStringLiteral(" 2003-12-03 14:00") << false;
        QTest::newRow("trailing blank") << QStringLiteral("2003-12-03 14:00 ") << false;
        QTest::newRow("T for the blank") << QStringLiteral("2003-12-03T14:00") << false;
        QTest::newRow("letter O for zero") << QStringLiteral("2OO3-12-03 14:00") << false;
        QTest::newRow("fullwidth digits") << QStringLiteral("２００３-12-03 14:00") << false;
        QTest::newRow("arabic-indic digits") << QStringLiteral("٢٠٠٣-12-03 14:00") << false;
        QTest::newRow("negative-looking year") << QStringLiteral("-003-06-10 08:00") << false;
        QTest::newRow("removal mark") << QStringLiteral("* deleted *") << false;
        QTest::newRow("no-break space") << QStringLiteral("2003-12-03\u00a014:00") << false;
    }
    void matchesWholeShapeOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(MatchesDateShape(text), accepted);
    }
};

QTEST_GUILESS_MAIN(tst_DateShape)
#include "tst_dateshape.moc"
