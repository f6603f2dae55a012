#include "gui/host/FontFamilies.h"

#include <QFontDatabase>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_FontFamilies final : public QObject
{
    Q_OBJECT

private slots:
    void missingFamiliesAreLeftOutInOrder()
    {
        const QStringList installed = QFontDatabase::families();
        QVERIFY(installed.size() >= 2);
        const QString missing = u"No Such Family 5e1f"_s;
        const QStringList wanted {missing, installed.at(1), missing, installed.at(0).toUpper()};
        QCOMPARE(
            InstalledFamilies(wanted), QStringList({installed.at(1), installed.at(0).toUpper()}));
    }

    void withNoneInstalledAllAreKept()
    {
        // Left to the font machinery, which will still find something.
        const QStringList wanted {u"No Such Family 5e1f"_s, u"Nor This One 77aa"_s};
        QCOMPARE(InstalledFamilies(wanted), wanted);
    }
};

QTEST_MAIN(tst_FontFamilies)
#include "tst_fontfamilies.moc"
