#include "core/login/XdgAutostartEntry.h"

#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The entry written for programs at awkward paths, read and started by GLib's own reader, as
// GNOME-style sessions do, and checked by desktop-file-validate.
class tst_AutostartExec final : public QObject
{
    Q_OBJECT

private slots:
    void desktopsStartTheProgramAtAnyPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << u"bin"_s;
        QTest::newRow("blanks") << u"my apps"_s;
        QTest::newRow("quotes") << uR"(say "hi" it's)"_s;
        QTest::newRow("dollar") << u"$HOME"_s;
        QTest::newRow("dollar and backquote") << u"$HOME `id`"_s;
        QTest::newRow("backslashes") << uR"(a\b\\c\)"_s;
        QTest::newRow("percent sign") << u"100%"_s;
        QTest::newRow("percent sign, field code and equals sign") << u"%f 50%=half"_s;
        QTest::newRow("letters beyond ASCII") << u"Zähler 日本"_s;
        QTest::newRow("all of them") << uR"(%u "$x" \ ü;&|<>~*?#()')"_s;
    }
    void desktopsStartTheProgramAtAnyPath()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString program = dir.filePath(folder + u"/quorvane"_s);
        // Says, beside itself, the path it was started by.
        QVERIFY(QDir().mkpath(dir.filePath(folder)));
        QVERIFY(TestFiles::writeAll(program, "#!/bin/sh\nprintf %s \"$0\" >\"${0%/*}/started\"\n"));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        XdgAutostartEntry entry(dir.filePath(u"autostart"_s), program);
        QVERIFY(entry.setEnabled(true).ok);

        QCOMPARE(run(u"desktop-file-validate"_s, {entry.fileName()}), u"0"_s);
        const QString glib = uR"(
import sys, gi
gi.require_version("Gio", "2.0")
from gi.repository import Gio
Gio.DesktopAppInfo.new_from_filename(sys.argv[1]).launch([], None)
)"_s;
        QCOMPARE(run(QStringLiteral(SYSTEM_PYTHON), {u"-c"_s, glib, entry.fileName()}), u"0"_s);
        const QString started = dir.filePath(folder + u"/started"_s);
        QTRY_COMPARE(QString::fromUtf8(TestFiles::readAll(started)), program);
    }

private:
    // What the tool said, then its status.
    static QString run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(tool, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAll()) + QString::number(process.exitCode());
    }
};

QTEST_GUILESS_MAIN(tst_AutostartExec)
#include "tst_autostartexec.moc"
