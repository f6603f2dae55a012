#include "core/login/LaunchAgentEntry.h"
#include "core/login/XdgAutostartEntry.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestFiles;

// The login entries written, read and removed in a private folder, as the desktop reads them.
class tst_LoginStartup final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        // Read-only folders of a failed test must not stop the temporary folder's removal.
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
    }

    void entryIsWrittenReadAndRemoved()
    {
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(true).ok); // creates the missing autostart folder
        QVERIFY(entry.isEnabled());
        QCOMPARE(entry.fileName(), folder() + u"/quorvane.desktop"_s);
        const QByteArray text = readAll(entry.fileName());
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nExec=/usr/bin/quorvane\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QCOMPARE(entries(folder()), QStringList {u"quorvane.desktop"_s});

        QVERIFY(entry.setEnabled(false).ok);
        QVERIFY(!entry.isEnabled());
        QCOMPARE(entries(folder()), QStringList());
        QVERIFY(entry.setEnabled(false).ok); // nothing left to remove is no failure
    }

    void otherEntriesAreLeftAlone()
    {
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(writeAll(folder() + u"/other.desktop"_s, "[Desktop Entry]\nHidden=true\n"));
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        QVERIFY(entry.setEnabled(true).ok);
        QVERIFY(entry.setEnabled(false).ok);
        QCOMPARE(entries(folder()), QStringList {u"other.desktop"_s});
        QCOMPARE(readAll(folder() + u"/other.desktop"_s), "[Desktop Entry]\nHidden=true\n");
    }

    void entrySwitchedOffElsewhereReadsAsOff_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("hidden") << "[Desktop Entry]\nExec=quorvane\nHidden=true\n"_ba << false;
        QTest::newRow("switched off by the desktop's startup tool")
            << "[Desktop Entry]\nExec=quorvane\nX-GNOME-Autostart-enabled=false\n"_ba << false;
        QTest::newRow("blanks around the equals sign")
            << "[Desktop Entry]\nHidden = true\n"_ba << false;
        QTest::newRow("switched on by the desktop's startup tool")
            << "[Desktop Entry]\nX-GNOME-Autostart-enabled=true\nHidden=false\n"_ba << true;
        QTest::newRow("hidden in another group only")
            << "[Desktop Entry]\nExec=quorvane\n[Desktop Action x]\nHidden=true\n"_ba << true;
    }
    void entrySwitchedOffElsewhereReadsAsOff()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, enabled);
        QVERIFY(QDir().mkpath(folder()));
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        QVERIFY(writeAll(entry.fileName(), text));
        QCOMPARE(entry.isEnabled(), enabled);
        // Switching it on writes an entry that is on, whatever stood there.
        QVERIFY(entry.setEnabled(true).ok);
        QVERIFY(entry.isEnabled());
    }

    void execQuotesWhatTheDesktopWouldSplitOrExpand_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/quorvane"_s << u"/usr/bin/quorvane"_s;
        QTest::newRow("blank") << u"/opt/my apps/quorvane"_s << u"\"/opt/my apps/quorvane\""_s;
        QTest::newRow("dollar and quote")
            << u"/home/a$b/\"q\"/quorvane"_s << uR"("/home/a\\$b/\\"q\\"/quorvane")"_s;
        QTest::newRow("backslash") << u"/tmp/a\\b/quorvane"_s << uR"("/tmp/a\\\\b/quorvane")"_s;
        QTest::newRow("percent sign, no quoting needed")
            << u"/tmp/100%/quorvane"_s << u"/tmp/100%%/quorvane"_s;
    }
    void execQuotesWhatTheDesktopWouldSplitOrExpand()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(XdgAutostartEntry::execValue(path), exec);
    }

    void writtenEntryIsValidForTheDesktop()
    {
        const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        if (validator.isEmpty()) {
            QSKIP("desktop-file-validate is not installed");
        }
        XdgAutostartEntry entry(folder(), u"/opt/my apps/$HOME/quorvane"_s);
        QVERIFY(entry.setEnabled(true).ok);
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(validator, {entry.fileName()});
        QVERIFY(check.waitForFinished());
        // Warnings and hints are printed with status 0: any output fails.
        QCOMPARE(check.readAll(), QByteArray());
        QCOMPARE(check.exitCode(), 0);
    }

    void failuresAreReportedAndChangeNothing_data()
    {
        QTest::addColumn<bool>("fileInTheWay");
        QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX // a Windows folder's read-only mark does not stop writes in it
        QTest::newRow("read-only autostart folder") << false << u"is read-only"_s;
#endif
        QTest::newRow("a file where the folder should be") << true << u"cannot be created"_s;
    }
    void failuresAreReportedAndChangeNothing()
    {
        QFETCH(bool, fileInTheWay);
        QFETCH(QString, reason);
        if (fileInTheWay) {
            QVERIFY(writeAll(folder(), "not a folder"));
        } else {
            QVERIFY(QDir().mkpath(folder()));
            QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
        }
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        const LoginStartup::Result result = entry.setEnabled(true);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(folder()) && result.error.contains(reason),
            qPrintable(result.error));
        QVERIFY(!entry.isEnabled());
        QVERIFY(!QFile::exists(entry.fileName()));
    }

    void missingHomeIsNotMade()
    {
        const QString home = m_dir->filePath(u"gone"_s);
        const QByteArray saved = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        XdgAutostartEntry entry(home + u"/.config/autostart"_s, u"/usr/bin/quorvane"_s);
        const LoginStartup::Result result = entry.setEnabled(true);
        qputenv("HOME", saved);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.endsWith(u": No such file or directory"_s), qPrintable(result.error));
        QVERIFY(!QFileInfo::exists(home));
    }

    void removalInReadOnlyFolderIsRefused()
    {
#ifndef Q_OS_UNIX
        QSKIP("a Windows folder's read-only mark does not stop removals in it");
#endif
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        QVERIFY(entry.setEnabled(true).ok);
        QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
        const LoginStartup::Result result = entry.setEnabled(false);
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(u"is read-only"_s));
        QVERIFY(entry.isEnabled());
    }

    void launchAgentRunsTheProgramOnceAtLogin()
    {
        LaunchAgentEntry agent(folder(), u"/Apps/Q & A/quorvane"_s);
        QVERIFY(!agent.isEnabled());
        QVERIFY(agent.setEnabled(true).ok);
        QVERIFY(agent.isEnabled());
        const QByteArray plist = readAll(folder() + u"/com.quorvane.Quorvane.plist"_s);
        QVERIFY(plist.contains("<string>/Apps/Q &amp; A/quorvane</string>"));
        QVERIFY(plist.contains("<key>RunAtLoad</key>\n    <true/>"));
        QVERIFY(agent.setEnabled(false).ok);
        QVERIFY(!agent.isEnabled());
    }

private:
    QString folder() const
    {
        return m_dir->filePath(u"autostart"_s);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_LoginStartup)
#include "tst_loginstartup.moc"
