#include "app/FontWarmUp.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

#include <optional>

// The program loads the font configuration on its own thread before the application object
// exists; these tests do the same in main() and check what the toolkit then finds.
namespace {
std::optional<FontWarmUp> earlyWarmUp;
}

class tst_FontWarmUp final : public QObject
{
    Q_OBJECT

private slots:
    void toolkitFindsTheInstalledFontsAfterIt()
    {
        earlyWarmUp->wait();
        const QStringList families = QFontDatabase::families();
        QVERIFY2(families.contains(QStringLiteral("DejaVu Sans")), qPrintable(families.join(u',')));
        // A missing first family still falls back to the next one of the list.
        QFont font;
        font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
        const QString shown = QFontInfo(font).family();
        QVERIFY2(shown == QStringLiteral("Verdana") || shown == QStringLiteral("DejaVu Sans"),
            qPrintable(shown));
    }

    void waitingAgainOrNeverIsHarmless()
    {
        earlyWarmUp->wait();
        earlyWarmUp->wait();
        {
            FontWarmUp late;
            late.wait();
        }
        {
            FontWarmUp unwaited; // joined when it goes
        }
        earlyWarmUp.reset();
    }
};

int main(int argc, char *argv[])
{
    earlyWarmUp.emplace();
    QGuiApplication app(argc, argv);
    tst_FontWarmUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontwarmup.moc"
