#include "store/OneLineText.h"

#include <QTest>

class tst_OneLineText final : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaksAndTabsBecomeOneBlank_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("oneLine");
        QTest::newRow("plain") << QStringLiteral("Trip to Oslo") << QStringLiteral("Trip to Oslo");
        QTest::newRow("blanks kept") << QStringLiteral("  a  b ") << QStringLiteral("  a  b ");
        QTest::newRow("CR LF") << QStringLiteral("Trip\r\nOslo") << QStringLiteral("Trip Oslo");
        QTest::newRow("empty line between")
            << QStringLiteral("Trip\n\nOslo") << QStringLiteral("Trip Oslo");
        QTest::newRow("tabs") << QStringLiteral("a\t\tb\tc") << QStringLiteral("a b c");
        QTest::newRow("blank beside break") << QStringLiteral("a \n b") << QStringLiteral("a   b");
        QTest::newRow("only a break") << QStringLiteral("\n") << QStringLiteral(" ");
        QTest::newRow("trailing break") << QStringLiteral("Trip\n") << QStringLiteral("Trip ");
        QTest::newRow("other breaks")
            << QStringLiteral("a\u2028b\u2029c\u0085d\ve\ff") << QStringLiteral("a b c d e f");
        QTest::newRow("empty") << QString() << QString();
    }
    void lineBreaksAndTabsBecomeOneBlank()
    {
        QFETCH(QString, text);
        QFETCH(QString, oneLine);
        QCOMPARE(OneLineText(text), oneLine);
    }
};

QTEST_GUILESS_MAIN(tst_OneLineText)
#include "tst_onelinetext.moc"
