#include "core/events/OneLineText.h"

#include <QTest>

using namespace Qt::StringLiterals;

// A pasted description put on one line, whatever ended its lines.
class tst_OneLineText final : public QObject
{
    Q_OBJECT

private slots:
    void everyLineBreakBecomesOneBlank_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Windows") << u"Trip\r\n\r\nto Oslo"_s << u"Trip to Oslo"_s;
        QTest::newRow("next line") << u"Trip\u0085to Oslo"_s << u"Trip to Oslo"_s;
        QTest::newRow("line separator") << u"Trip\u2028to Oslo"_s << u"Trip to Oslo"_s;
        QTest::newRow("paragraph separator") << u"Trip\u2029to Oslo"_s << u"Trip to Oslo"_s;
        QTest::newRow("every kind at once")
            << u"Trip\u2029\u2028\u0085\t\v\f\nto Oslo"_s << u"Trip to Oslo"_s;
        QTest::newRow("blanks as typed") << u" Trip  to Oslo "_s << u" Trip  to Oslo "_s;
    }
    void everyLineBreakBecomesOneBlank()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QCOMPARE(OneLineText(pasted), kept);
    }
};

QTEST_GUILESS_MAIN(tst_OneLineText)
#include "tst_onelinetext.moc"
