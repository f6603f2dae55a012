#include "core/commandline/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CommandLine parse(const QStringList &options)
{
    return ParseCommandLine(QStringList {u"/opt/bin/quorvane"_s} + options, u"9.8.7"_s);
}

} // namespace

class tst_CommandLine final : public QObject
{
    Q_OBJECT

private slots:
    void optionsChooseHowToStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("openSettings");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<QString>("platform");
        QTest::newRow("none") << QStringList() << false << false << QString();
        QTest::newRow("settings") << QStringList {u"--settings"_s} << true << false << QString();
        QTest::newRow("keep open") << QStringList {u"--keep-open"_s} << false << true << QString();
        QTest::newRow("both, one dash")
            << QStringList {u"-keep-open"_s, u"-settings"_s} << true << true << QString();
        QTest::newRow("Qt's platform and style options pass") << QStringList {u"-platform"_s,
            u"offscreen"_s, u"-style"_s, u"fusion"_s, u"-reverse"_s, u"--settings"_s}
                                                              << true << false << u"offscreen"_s;
    }
    void optionsChooseHowToStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, openSettings);
        QFETCH(bool, keepOpen);
        QFETCH(QString, platform);
        const CommandLine command = parse(arguments);
        QVERIFY2(!command.exitCode, qPrintable(command.err));
        QCOMPARE(command.options.openSettings, openSettings);
        QCOMPARE(command.options.keepOpen, keepOpen);
        QCOMPARE(command.platform, platform);
        QVERIFY(command.out.isEmpty() && command.err.isEmpty());
    }

    void mistakesEndWithOneLineNamingThem_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown option") << QStringList {u"--settings"_s, u"--frobnicate"_s}
                                        << u"unknown option '--frobnicate'"_s;
        QTest::newRow("unknown option with a value")
            << QStringList {u"--colour=red"_s} << u"unknown option '--colour=red'"_s;
        QTest::newRow("stray argument")
            << QStringList {u"tomorrow"_s} << u"unexpected argument 'tomorrow'"_s;
        QTest::newRow("stray argument after the end of options")
            << QStringList {u"--"_s, u"--settings"_s} << u"unexpected argument '--settings'"_s;
        QTest::newRow("value for a switch")
            << QStringList {u"--keep-open=yes"_s} << u"unexpected value after '--keep-open'"_s;
        QTest::newRow("120 KB option, cut")
            << QStringList {u"--"_s + QString(120000, u'x')}
            << u"unknown option '--"_s + QString(78, u'x') + u"\u2026'"_s;
        QTest::newRow("argument on two lines, made one")
            << QStringList {u"next\nweek"_s} << u"unexpected argument 'next week'"_s;
        QTest::newRow("platform without its name")
            << QStringList {u"-platform"_s} << u"missing value after '-platform'"_s;
    }
    void mistakesEndWithOneLineNamingThem()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const CommandLine command = parse(arguments);
        QCOMPARE(command.exitCode, std::optional<int>(2));
        QCOMPARE(command.err, u"quorvane: "_s + err + u"; 'quorvane --help' lists the options\n"_s);
        QVERIFY(command.out.isEmpty());
    }

    void helpListsTheOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << u"--help"_s;
        QTest::newRow("short") << u"-h"_s;
    }
    void helpListsTheOptions()
    {
        QFETCH(QString, option);
        const CommandLine command = parse({u"--keep-open"_s, option});
        QCOMPARE(command.exitCode, std::optional<int>(0));
        QVERIFY(command.err.isEmpty());
        QVERIFY2(command.out.startsWith(u"Usage: quorvane [options]\n"_s), qPrintable(command.out));
        for (const char *listed :
            {"--settings", "--keep-open", "--help", "--version", "-platform"}) {
            QVERIFY2(command.out.contains(QLatin1String(listed)), listed);
        }
        // Qt's own options pass quietly but are not the program's to list one by one.
        QVERIFY(!command.out.contains(u"--stylesheet"_s));
    }

    void versionPrintsNameAndVersion()
    {
        for (const QString &option : {u"--version"_s, u"-v"_s}) {
            const CommandLine command = parse({option});
            QCOMPARE(command.exitCode, std::optional<int>(0));
            QCOMPARE(command.out, u"quorvane 9.8.7\n"_s);
            QVERIFY(command.err.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
