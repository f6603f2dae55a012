#include "core/login/LaunchAgentEntry.h"
#include "core/login/XdgAutostartEntry.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
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

    void switchingKeepsWhatTheUserAdded_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QByteArray>("after"); // null: removed
        const QByteArray user = "[Desktop Entry]\n# Later, on GNOME only\nType=Application\n"
                                "Name=Quorvane\nName[de]=Countdown\n"
                                "Exec=/usr/bin/quorvane --keep-open\nOnlyShowIn=GNOME;\n"
                                "X-GNOME-Autostart-Delay=5\n";
        const QByteArray action = "\n[Desktop Action settings]\nHidden=true\n";
        const QByteArray hidden = user + "Hidden=true\n";
        const QByteArray ours = oursAsNew();
        QTest::newRow("user's entry off") << user + action << false << hidden + action;
        QTest::newRow("hidden, on") << hidden + action << true << user + action;
        QTest::newRow("hidden and off by the desktop's tool, on")
            << hidden + "X-GNOME-Autostart-enabled=False\n"
            << true << user + "X-GNOME-Autostart-enabled=true\n";
        QTest::newRow("shown, off") << user + "Hidden=false\n" << false << hidden;
        QTest::newRow("ours unchanged, off") << ours << false << QByteArray();
        QTest::newRow("no entry at all, on") << "#\n"_ba << true << ours;
    }
    void switchingKeepsWhatTheUserAdded()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, enabled);
        QFETCH(QByteArray, after);
        QVERIFY(QDir().mkpath(folder()));
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        QVERIFY(writeAll(entry.fileName(), before));
        QVERIFY(entry.setEnabled(enabled).ok);
        QCOMPARE(entry.isEnabled(), enabled);
        QCOMPARE(QFile::exists(entry.fileName()), !after.isNull());
        QCOMPARE(readAll(entry.fileName()), after);
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
        QTest::newRow("percent sign, started through sh")
            << u"/tmp/100%/quorvane"_s << uR"(sh -c "exec \\"\\$0\\"" /tmp/100%%/quorvane)"_s;
    }
    void execQuotesWhatTheDesktopWouldSplitOrExpand()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(XdgAutostartEntry::execValue(path), exec);
    }

    void failuresSayTheSystemsReasonAndChangeNothing_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QByteArray>("before"); // null: no entry
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("reason");
#ifndef Q_OS_UNIX
        QSKIP("The reasons are the POSIX system's, and a Windows folder's read-only mark does "
              "not stop writes in it");
#endif
        const QByteArray user = "[Desktop Entry]\nExec=quorvane --keep-open\n";
        const QByteArray ours = oursAsNew();
        const QString denied = u"Permission denied"_s;
        QTest::newRow("read-only folder, new") << u"folder"_s << QByteArray() << true << denied;
        QTest::newRow("read-only folder, edit") << u"folder"_s << user << false << denied;
        QTest::newRow("read-only folder, remove") << u"folder"_s << ours << false << denied;
        QTest::newRow("read-only entry, off") << u"entry"_s << user << false << denied;
        QTest::newRow("read-only entry, on") << u"entry"_s << user + "Hidden=true\n"
                                             << true << denied;
        QTest::newRow("read-only entry, remove") << u"entry"_s << ours << false << denied;
        QTest::newRow("folder in the entry's place")
            << u"entry folder"_s << QByteArray() << false << u"Is a directory"_s;
        QTest::newRow("a file where the folder should be")
            << u"folder file"_s << QByteArray() << true << u"Not a directory"_s;
    }
    void failuresSayTheSystemsReasonAndChangeNothing()
    {
        QFETCH(QString, obstacle);
        QFETCH(QByteArray, before);
        QFETCH(bool, enabled);
        QFETCH(QString, reason);
        XdgAutostartEntry entry(folder(), u"/usr/bin/quorvane"_s);
        if (obstacle == u"folder file"_s) {
            QVERIFY(writeAll(folder(), "not a folder"));
        } else {
            QVERIFY(QDir().mkpath(obstacle == u"entry folder"_s ? entry.fileName() : folder()));
        }
        if (!before.isNull()) {
            QVERIFY(writeAll(entry.fileName(), before));
        }
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QVERIFY(obstacle != u"folder"_s || QFile::setPermissions(folder(), readOnly));
        QVERIFY(obstacle != u"entry"_s || QFile::setPermissions(entry.fileName(), readOnly));
        const bool wasEnabled = entry.isEnabled();
        const LoginStartup::Result result = entry.setEnabled(enabled);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(folder()) && result.error.endsWith(u": "_s + reason),
            qPrintable(result.error));
        QCOMPARE(entry.isEnabled(), wasEnabled);
        QCOMPARE(readAll(entry.fileName()), before);
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
    // A new entry as written for /usr/bin/quorvane.
    static QByteArray oursAsNew()
    {
        QTemporaryDir dir;
        XdgAutostartEntry(dir.path(), u"/usr/bin/quorvane"_s).setEnabled(true);
        return readAll(dir.filePath(u"quorvane.desktop"_s));
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_LoginStartup)
#include "tst_loginstartup.moc"
