#include "core/files/SafeFile.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestFiles;

// What the settings file and the login entries do not already show of replacing and removing.
class tst_SafeFile final : public QObject
{
    Q_OBJECT

private slots:
    void missingFolderStopsOnlyWritesBelowIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("written");
        QTest::newRow("below it") << u"home/.config/app/settings.conf"_s << false;
        QTest::newRow("elsewhere") << u"config/app/settings.conf"_s << true;
    }
    void missingFolderStopsOnlyWritesBelowIt()
    {
        QFETCH(QString, file);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString home = dir.filePath(u"home"_s);
        const QString error = SafeReplace(dir.filePath(file), "x=1\n", home);
        QCOMPARE(error.isEmpty(), written);
        QCOMPARE(readAll(dir.filePath(file)), written ? "x=1\n"_ba : QByteArray());
        QVERIFY(!QFileInfo::exists(home));
    }

    void danglingLinkIsRemoved()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(u"entry"_s);
        QVERIFY(QFile::link(dir.filePath(u"gone"_s), link));
        QCOMPARE(SafeRemove(link), QString());
        QCOMPARE(entries(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SafeFile)
#include "tst_safefile.moc"
