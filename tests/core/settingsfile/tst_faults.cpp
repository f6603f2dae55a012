// Faults injected for real: damaged and hand-written settings files, a second instance saving
// in between, read-only files and folders, a full file system and processes killed mid-save.
#include "core/settingsfile/IniFileStore.h"

#include "TestFiles.h"
#include "TestSeed.h"
#include "core/events/EventList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace TestFiles;

namespace {

const QString Section = u"countdown"_s;

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

EventList load(const QString &path)
{
    const IniFileStore settings(path);
    EventList store;
    LoadSettings(store, settings);
    return store;
}

SaveResult save(const QString &path, const EventList &store, int selected)
{
    IniFileStore settings(path);
    return SaveEventList(settings, store.WallpaperPath, store, selected);
}

// A real process that saves 30 events to the file, with every flush to disk and every rename
// logged to log, and the fault injected. Returns its exit code, Killed, or NotRun when it did
// not start; what it printed on stderr goes to errors.
constexpr int Killed = -1, NotRun = -2;
enum class Fault { None, KillAtRename, FailFolderFlush };
int saveWatched(const QString &file, const QString &log, Fault fault, QByteArray *errors = nullptr)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LD_PRELOAD"_s, QStringLiteral(SAVE_INTERPOSER));
    env.insert(u"QUORVANE_SAVE_LOG"_s, log);
    env.insert(u"QUORVANE_KILL_AT_RENAME"_s, fault == Fault::KillAtRename ? file : QString());
    env.insert(u"QUORVANE_FAIL_FLUSH_OF"_s,
        fault == Fault::FailFolderFlush ? QFileInfo(file).absolutePath() : QString());
    // The sanitizers' runtime is then not the first library loaded, which is meant here.
    env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":verify_asan_link_order=0"_s);
    QProcess writer;
    writer.setProcessEnvironment(env);
    writer.start(QStringLiteral(STORE_WRITER), {file, u"save"_s, u"30"_s, u"New"_s});
    if (!writer.waitForReadyRead(10000)) {
        return NotRun;
    }
    writer.write("\n");
    writer.waitForFinished(10000);
    if (errors) {
        *errors = writer.readAllStandardError();
    }
    return writer.exitStatus() == QProcess::CrashExit ? Killed : writer.exitCode();
}

// "flush <inode>" and "rename <inode>" lines, in the order they happened.
QStringList steps(const QString &log)
{
    return QString::fromUtf8(readAll(log)).split(u'\n', Qt::SkipEmptyParts);
}

QString inodeOf(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? QString::number(info.st_ino)
                                                                   : QString();
}

} // namespace

class tst_Faults final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void handWrittenTextsAreReadExactly_data();
    void handWrittenTextsAreReadExactly();
    void damagedFileIsReadAndKeptBeforeTheFirstSave_data();
    void damagedFileIsReadAndKeptBeforeTheFirstSave();
    void unreadableFileIsNeverReplaced();
    void byteOrderMarkIsNoDamage();
    void onlyOwnOldStagingFilesAreCleanedUp();
    void specialFilesAreRefusedNotFollowed_data();
    void specialFilesAreRefusedNotFollowed();
    void symlinkLoopIsNamedAndLeftAsItIs();
    void windowsLineEndsStayConsistent();
    void sectionTwiceLosesNoEventAndSavesWhole_data();
    void sectionTwiceLosesNoEventAndSavesWhole();
    void withoutHomeTheUserDatabaseSaysWhere();
    void saveFromAStaleInstanceLeavesExactlyItsList();
    void staleInstanceRemovingEventsLeavesExactlyItsList();
    void savesOfTwoInstancesNeverMix();
    void readOnlyFolderFailsAndKeepsTheFile();
    void readOnlyFileFailsAndKeepsTheFile();
    void fullFileSystemFailsAndKeepsTheFile();
    void killedSavesLeaveTheOldOrTheNewFile();
    void killedAtTheRenameLeavesTheWholeOldFile();
    void saveFlushesTheFolderAfterTheRename();
    void failedFolderFlushIsReported();

private:
    QString path() const { return m_dir->filePath(u"Quorvane.conf"_s); }
    void seedOldFile()
    {
        EventList store = load(path());
        store.EventDates.append(u"2004-01-19 01:15"_s);
        store.EventDescriptions.append(u"Old"_s);
        QVERIFY(save(path(), store, 1).ok);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Faults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Faults::handWrittenTextsAreReadExactly_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << "t1=Tea, then cake"_ba << u"Tea, then cake"_s;
    QTest::newRow("comma without blank") << "t1=a,b"_ba << u"a,b"_s;
    QTest::newRow("quotes inside") << "t1=The \"big\" day"_ba << u"The \"big\" day"_s;
    QTest::newRow("backslashes") << "t1=C:\\Pictures\\new.jpg"_ba << u"C:\\Pictures\\new.jpg"_s;
    QTest::newRow("typed-looking text") << "t1=@Invalid()"_ba << u"@Invalid()"_s;
    QTest::newRow("byte-array-looking text") << "t1=@ByteArray(abc)"_ba << u"@ByteArray(abc)"_s;
    QTest::newRow("quoted leading blank") << "t1=\" lead\""_ba << u" lead"_s;
    QTest::newRow("quoted comma") << "t1=\"a,b\""_ba << u"a,b"_s;
    QTest::newRow("escaped at sign") << "t1=@@home"_ba << u"@home"_s;
    QTest::newRow("escaped backslash") << "t1=x\\\\y"_ba << u"x\\y"_s;
    QTest::newRow("non-ASCII") << "t1=Gr\xc3\xbc\xc3\x9f"
                                  "e"_ba
                               << u"Grüße"_s;
    QTest::newRow("windows line end") << "t1=crlf\r"_ba << u"crlf"_s;
    // QSettings writes a text holding NUL only inside @String(); an escaped NUL elsewhere was
    // typed as it stands.
    QTest::newRow("escaped NUL typed by hand") << "t1=a\\0b"_ba << u"a\\0b"_s;
    QTest::newRow("NUL as QSettings writes it")
        << "t1=@String(a\\0z)"_ba << u"a"_s + QChar(0) + u"z"_s;
}

void tst_Faults::handWrittenTextsAreReadExactly()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QVERIFY(writeAll(path(), "[countdown]\nd1=2004-01-19 01:15\n" + line + "\nActive=1\n"));
    const EventList first = load(path());
    QCOMPARE(first.EventDescriptions.value(1), text);

    // A save keeps the event, and the next load reads the same text.
    QVERIFY(save(path(), first, 1).ok);
    const EventList second = load(path());
    QCOMPARE(second.EventDescriptions, first.EventDescriptions);
    QCOMPARE(second.EventDates, first.EventDates);
}

void tst_Faults::damagedFileIsReadAndKeptBeforeTheFirstSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("eventsRead");
    QByteArray garbage(4096, '\0');
    QRandomGenerator rng(7);
    for (char &c : garbage) {
        c = char(rng.bounded(256));
    }
    QTest::newRow("binary garbage") << garbage << 0;
    QTest::newRow("zeros") << QByteArray(2048, '\0') << 0;
    QTest::newRow("cut off in a value")
        << "[countdown]\nActive=1\nd1=2004-01-19 01:15\nt1=First\nd2=2005-02-0"_ba << 2;
    QTest::newRow("not UTF-8") << "[countdown]\nd1=2004-01-19 01:15\nt1=Caf\xe9\n"_ba << 1;
    QTest::newRow("NUL inside") << QByteArray("[countdown]\nd1=2004-01-19 01:15\nt1=A\0B\n", 36)
                                << 1;
}

void tst_Faults::damagedFileIsReadAndKeptBeforeTheFirstSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, eventsRead);
    QVERIFY(writeAll(path(), bytes));

    EventList store = load(path());
    QCOMPARE(store.EventDates.size(), eventsRead + 1);
    QCOMPARE(store.EventDescriptions.value(0), u"Quorvane"_s);

    store.EventDates.append(u"2030-01-01 00:00"_s);
    store.EventDescriptions.append(u"New"_s);
    const SaveResult saved = save(path(), store, int(store.EventDates.size() - 1));
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QVERIFY(!saved.keptCopy.isEmpty());
    QCOMPARE(QFileInfo(saved.keptCopy).absolutePath(), QFileInfo(path()).absolutePath());
    QCOMPARE(readAll(saved.keptCopy), bytes);
    QCOMPARE(load(path()).EventDescriptions.last(), u"New"_s);

    // The file written now is whole: the next save keeps no further copy.
    const SaveResult again = save(path(), load(path()), 0);
    QVERIFY(again.ok);
    QVERIFY(again.keptCopy.isEmpty());
    QCOMPARE(entries(m_dir->path()).size(), 2);
}

void tst_Faults::unreadableFileIsNeverReplaced()
{
    // A folder where the file should be: nothing can be read, and nothing may replace it.
    QVERIFY(QDir().mkpath(path()));
    QVERIFY(writeAll(path() + u"/inside"_s, "precious"));
    const EventList store = load(path());
    QCOMPARE(store.EventDates, QStringList {BuiltInEventDate()});
    // Said when the store opens, not only at the first save.
    QCOMPARE(IniFileStore(path()).readError(),
        u"The file %1 cannot be read: Is a directory"_s.arg(path()));
    const SaveResult saved = save(path(), store, 0);
    QVERIFY(!saved.ok);
    QVERIFY(saved.error.contains(path()));
    QVERIFY2(saved.error.endsWith(u": Is a directory"_s), qPrintable(saved.error));
    QCOMPARE(readAll(path() + u"/inside"_s), "precious"_ba);
}

void tst_Faults::byteOrderMarkIsNoDamage()
{
    // As some editors write it; the save leaves it out, as QSettings reads it with a warning.
    QVERIFY(
        writeAll(path(), "\xef\xbb\xbf[countdown]\nd1=2004-01-19 01:15\nt1=Marked\nActive=1\n"));
    IniFileStore settings(path());
    QVERIFY(settings.readError().isEmpty());
    EventList store;
    LoadSettings(store, settings);
    QCOMPARE(store.EventDescriptions.value(1), u"Marked"_s);
    QCOMPARE(store.ActiveEvent, 1);
    const SaveResult saved = SaveEventList(
        settings, store.WallpaperPath, store.EventDates, store.EventDescriptions, 1);
    QVERIFY(saved.ok);
    QVERIFY(saved.keptCopy.isEmpty());
    QCOMPARE(entries(m_dir->path()), QStringList {u"Quorvane.conf"_s});
    QVERIFY(readAll(path()).startsWith("[countdown]\n"));
    QCOMPARE(load(path()).EventDescriptions, store.EventDescriptions);
}

void tst_Faults::onlyOwnOldStagingFilesAreCleanedUp()
{
    // The settings in a folder of dotfiles under a name of their own, linked from where the
    // program looks. Beside either lie a person's backups and earlier versions' leftovers that
    // cannot be told from them.
    const QString dotfiles = m_dir->filePath(u"dotfiles"_s);
    QVERIFY(QDir().mkpath(dotfiles) && QFile::link(dotfiles + u"/quorvane.ini"_s, path()));
    seedOldFile();
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const auto place = [](const QString &file, const QDateTime &time) {
        QFile made(file);
        return made.open(QIODevice::WriteOnly) && made.write("mine") == 4 && made.flush()
            && made.setFileTime(time, QFileDevice::FileModificationTime);
    };
    for (const QString &file : {path(), dotfiles + u"/quorvane.ini"_s}) {
        const QString name = QFileInfo(file).fileName();
        for (const QString &lookalike : {name + u".backup"_s, u'.' + name + u".before"_s,
                 name + u".2024ok"_s, name + u".lock"_s, u'.' + name + u".a1B2c3.new"_s}) {
            QVERIFY(place(QFileInfo(file).path() + u'/' + lookalike, old));
        }
    }
    // A staging file of a killed save goes once old; a fresh one may be a save running now.
    QVERIFY(place(dotfiles + u"/.quorvane.ini.saving-a1B2c3"_s, old));
    QVERIFY(place(dotfiles + u"/.quorvane.ini.saving-Z9y8X7"_s, QDateTime::currentDateTimeUtc()));
    const QStringList beside = entries(m_dir->path());
    QStringList left = entries(dotfiles);
    left.removeOne(u".quorvane.ini.saving-a1B2c3"_s);
    QVERIFY(save(path(), load(path()), 0).ok);
    QCOMPARE(entries(m_dir->path()), beside);
    QCOMPARE(entries(dotfiles), left);
}

void tst_Faults::specialFilesAreRefusedNotFollowed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString device = u"It is a device, not a file"_s;
    QTest::newRow("named pipe") << u"pipe"_s << u"It is a named pipe, not a file"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s << device;
    QTest::newRow("link to a device node") << u"node"_s << device;
    QTest::newRow("over 16 MiB") << u"large"_s << u"It is larger than 16 MiB"_s;
}

void tst_Faults::specialFilesAreRefusedNotFollowed()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray file = QFile::encodeName(path());
    if (kind == u"pipe"_s) {
        QCOMPARE(::mkfifo(file.constData(), 0600), 0);
    } else if (kind == u"zero"_s) {
        QVERIFY(QFile::link(u"/dev/zero"_s, path()));
    } else if (kind == u"node"_s) {
        // The null device's numbers, in a folder of the test's own.
        const QByteArray node = QFile::encodeName(m_dir->filePath(u"node"_s));
        if (::geteuid() != 0 || ::mknod(node.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
            QSKIP("Making a device node needs root");
        }
        QVERIFY(QFile::link(QFile::decodeName(node), path()));
    } else {
        QVERIFY(writeAll(path(), "[countdown]\n"));
        QVERIFY(QFile::resize(path(), (qint64 {16} << 20) + 1));
    }
    const auto identity = [&file] {
        struct stat info
        { };
        return ::stat(file.constData(), &info) == 0 ? std::pair(info.st_ino, info.st_mode)
                                                    : std::pair(ino_t {}, mode_t {});
    };
    const auto before = identity();

    // Neither blocks nor reads without end, and says why like any unreadable file.
    QCOMPARE(
        IniFileStore(path()).readError(), u"The file %1 cannot be read: %2"_s.arg(path(), reason));
    const SaveResult saved = save(path(), load(path()), 0);
    QVERIFY(!saved.ok);
    QVERIFY2(saved.error.endsWith(u": "_s + reason), qPrintable(saved.error));
    QVERIFY(identity() == before);
}

void tst_Faults::symlinkLoopIsNamedAndLeftAsItIs()
{
    // The file was read well; before OK it becomes a loop of links.
    seedOldFile();
    IniFileStore settings(path());
    EventList view;
    LoadSettings(view, settings);
    const QString other = m_dir->filePath(u"other"_s);
    QVERIFY(QFile::remove(path()));
    QVERIFY(QFile::link(other, path()) && QFile::link(path(), other));

    // What cannot be read now is no change by another program: the save says why it fails.
    const QString loop = qt_error_string(ELOOP);
    QVERIFY(!settings.changedElsewhere());
    const SaveResult saved
        = SaveEventList(settings, view.WallpaperPath, view.EventDates, view.EventDescriptions, 1);
    QVERIFY(!saved.ok);
    QVERIFY2(saved.error.endsWith(u": "_s + loop), qPrintable(saved.error));
    QCOMPARE(QFileInfo(path()).symLinkTarget(), other);
    QCOMPARE(QFileInfo(other).symLinkTarget(), path());
    // At the next start it is named like any unreadable file.
    QCOMPARE(
        IniFileStore(path()).readError(), u"The file %1 cannot be read: %2"_s.arg(path(), loop));
    QCOMPARE(settings.reload(), IniFileStore(path()).readError());
}

void tst_Faults::windowsLineEndsStayConsistent()
{
    // Written by a Windows editor; the first event is removed and two are added.
    QVERIFY(writeAll(path(),
        "[countdown]\r\nWallpaper=veltor://default\r\nActive=1\r\nd1=2030-01-01 00:00\r\n"
        "t1=One\r\nd2=2030-01-02 00:00\r\nt2=Two\r\nd3=2030-01-03 00:00\r\nt3=Three\r\n"));
    EventList store = load(path());
    QVERIFY(store.removeEvent(1));
    store.appendEvent(u"2030-01-04 00:00"_s, u"Four"_s);
    store.appendEvent(u"2030-01-05 00:00"_s, u"Five"_s);
    QVERIFY(save(path(), store, 5).ok);
    QCOMPARE(readAll(path()),
        "[countdown]\r\nWallpaper=veltor://default\r\nActive=4\r\nd1=2030-01-02 00:00\r\n"
        "t1=Two\r\nd2=2030-01-03 00:00\r\nt2=Three\r\nd3=2030-01-04 00:00\r\nt3=Four\r\n"
        "d4=2030-01-05 00:00\r\nt4=Five\r\n"_ba);
}

void tst_Faults::sectionTwiceLosesNoEventAndSavesWhole_data()
{
    // A hand edit, or two machines' files merged: [countdown] twice, a key in both (the last
    // one counts, as for QSettings), another section between; and the same with a line that
    // makes the file damaged, so that the save rebuilds it.
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray twice = "[countdown]\nWallpaper=veltor://default\nd1=2004-01-01 00:00\n"
                             "t1=One\nd2=2004-01-02 00:00\nt2=Stale\n[other]\nx=1\n"
                             "[countdown]\nt2=Two\nd3=2004-01-03 00:00\nt3=Three\nActive=3\n";
    QTest::newRow("read as it is") << twice;
    QTest::newRow("rebuilt") << twice + "not a setting\n";
}

void tst_Faults::sectionTwiceLosesNoEventAndSavesWhole()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(writeAll(path(), bytes));
    EventList store = load(path());
    QCOMPARE(
        store.EventDescriptions, (QStringList {u"Quorvane"_s, u"One"_s, u"Two"_s, u"Three"_s}));
    QCOMPARE(store.ActiveEvent, 3);

    // One event from each section goes, one is added and made active.
    QVERIFY(store.removeEvent(1));
    QVERIFY(store.removeEvent(3));
    store.appendEvent(u"2004-01-04 00:00"_s, u"Four"_s);
    QVERIFY(save(path(), store, 4).ok);
    const QStringList kept {u"Quorvane"_s, u"Two"_s, u"Four"_s};
    QCOMPARE(load(path()).EventDescriptions, kept);
    QCOMPARE(load(path()).ActiveEvent, 2);
    QSettings read(path(), QSettings::IniFormat);
    QCOMPARE(read.value(u"countdown/t1"_s).toString(), kept.at(1));
    QCOMPARE(read.value(u"countdown/t2"_s).toString(), kept.at(2));
    QCOMPARE(read.value(u"countdown/d2"_s).toString(), u"2004-01-04 00:00"_s);
    QCOMPARE(read.value(u"countdown/Active"_s).toString(), u"2"_s);
    QVERIFY(!read.contains(u"countdown/d3"_s) && !read.contains(u"countdown/t3"_s));
    QCOMPARE(read.value(u"other/x"_s).toString(), u"1"_s);
}

void tst_Faults::withoutHomeTheUserDatabaseSaysWhere()
{
    const auto runWriter
        = [](const QProcessEnvironment &env, const QStringList &args, QByteArray *out) {
              QProcess writer;
              writer.setProcessEnvironment(env);
              writer.start(QStringLiteral(STORE_WRITER), args);
              writer.write("\n");
              writer.closeWriteChannel();
              const bool done = writer.waitForFinished(10000);
              *out = writer.readAllStandardOutput() + writer.readAllStandardError();
              return done && writer.exitStatus() == QProcess::NormalExit ? writer.exitCode() : -1;
          };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"HOME"_s);
    env.remove(u"XDG_CONFIG_HOME"_s);
    QByteArray out;
    QCOMPARE(runWriter(env, {u"-"_s, u"where"_s}, &out), 0);
    const passwd *user = ::getpwuid(::getuid());
    QVERIFY(user);
    QCOMPARE(out.trimmed(), QByteArray(user->pw_dir) + "/.config/Quorvane/Quorvane.conf");

    // A HOME that does not exist is not made: the save fails and says why.
    const QString missing = m_dir->filePath(u"gone"_s);
    env.insert(u"HOME"_s, missing);
    QCOMPARE(runWriter(env, {u"-"_s, u"save"_s, u"1"_s, u"X"_s}, &out), 1);
    QVERIFY2(out.contains("No such file or directory"), out.constData());
    QVERIFY(!QFileInfo::exists(missing));
}

void tst_Faults::saveFromAStaleInstanceLeavesExactlyItsList()
{
    // Instance one loads; instance two saves seven events; then instance one saves three.
    QProcess one;
    one.start(QStringLiteral(STORE_WRITER), {path(), u"save"_s, u"3"_s, u"One"_s});
    QVERIFY(one.waitForReadyRead(10000));
    QCOMPARE(one.readLine().trimmed(), "loaded"_ba);

    QProcess two;
    two.start(QStringLiteral(STORE_WRITER), {path(), u"save"_s, u"7"_s, u"Two"_s});
    QVERIFY(two.waitForReadyRead(10000));
    two.write("\n");
    QVERIFY(two.waitForFinished(10000));
    QCOMPARE(two.exitCode(), 0);
    QCOMPARE(load(path()).EventDates.size(), 8);

    one.write("\n");
    QVERIFY(one.waitForFinished(10000));
    QCOMPARE(one.exitCode(), 0);
    const EventList after = load(path());
    QCOMPARE(
        after.EventDescriptions, (QStringList {u"Quorvane"_s, u"One 1"_s, u"One 2"_s, u"One 3"_s}));
    QCOMPARE(after.ActiveEvent, 3);
    // Nothing of the longer list is left to come back when the list grows again.
    IniFileStore settings(path());
    for (int n = 4; n <= 7; ++n) {
        QVERIFY(!settings.contains(Section, u"d%1"_s.arg(n)));
        QVERIFY(!settings.contains(Section, u"t%1"_s.arg(n)));
    }
}

void tst_Faults::staleInstanceRemovingEventsLeavesExactlyItsList()
{
    // Instance one loaded four events and removes two; meanwhile instance two saved nine.
    EventList four;
    four.resetToBuiltInEvent();
    for (int i = 1; i <= 4; ++i) {
        four.appendEvent(u"2030-01-0%1 00:00"_s.arg(i), u"One %1"_s.arg(i));
    }
    QVERIFY(save(path(), four, 4).ok);
    IniFileStore one(path());
    EventList viewOne;
    LoadSettings(viewOne, one);

    EventList nine;
    nine.resetToBuiltInEvent();
    for (int i = 1; i <= 9; ++i) {
        nine.appendEvent(u"2031-01-0%1 00:00"_s.arg(i), u"Two %1"_s.arg(i));
    }
    QVERIFY(save(path(), nine, 9).ok);

    QVERIFY(viewOne.removeEvent(1));
    QVERIFY(viewOne.removeEvent(3));
    QVERIFY(SaveEventList(one, viewOne.WallpaperPath, viewOne, 4).ok);
    LoadSettings(viewOne, one);
    QCOMPARE(viewOne.EventDescriptions, (QStringList {u"Quorvane"_s, u"One 2"_s, u"One 4"_s}));
    QCOMPARE(viewOne.ActiveEvent, 2);
    QCOMPARE(load(path()).EventDescriptions, viewOne.EventDescriptions);
}

void tst_Faults::savesOfTwoInstancesNeverMix()
{
    // Two instances, each with its own view, save in a random order: the file always holds
    // exactly the list of the last save.
    IniFileStore a(path());
    IniFileStore b(path());
    EventList viewA, viewB;
    LoadSettings(viewA, a);
    LoadSettings(viewB, b);
    const TestSeed seed(2024);
    QRandomGenerator rng(seed.value());
    for (int round = 0; round < 30; ++round) {
        const bool first = rng.bounded(2) == 0;
        IniFileStore &settings = first ? a : b;
        EventList &view = first ? viewA : viewB;
        const int n = int(rng.bounded(0, 9));
        view.EventDates = {BuiltInEventDate()};
        view.EventDescriptions = {BuiltInEventDescription()};
        for (int i = 1; i <= n; ++i) {
            view.EventDates.append(u"2030-01-%1 00:00"_s.arg(i, 2, 10, QLatin1Char('0')));
            view.EventDescriptions.append(
                u"%1-%2-%3"_s.arg(first ? u"A"_s : u"B"_s).arg(round).arg(i));
        }
        QVERIFY(
            SaveEventList(settings, view.WallpaperPath, view.EventDates, view.EventDescriptions, n)
                .ok);
        const QStringList saved = view.EventDescriptions;
        LoadSettings(view, settings);
        QCOMPARE(load(path()).EventDescriptions, saved);
        QCOMPARE(view.EventDescriptions, saved);
    }
}

void tst_Faults::readOnlyFolderFailsAndKeepsTheFile()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    const QString folder = m_dir->path();
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    const SaveResult saved = save(path(), load(path()), 0);
    QVERIFY(!saved.ok);
    QVERIFY(saved.error.contains(folder));
    QVERIFY2(saved.error.endsWith(u": Permission denied"_s), qPrintable(saved.error));
    QCOMPARE(readAll(path()), before);
    QCOMPARE(entries(folder), QStringList {u"Quorvane.conf"_s});
}

void tst_Faults::readOnlyFileFailsAndKeepsTheFile()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner));
    const SaveResult saved = save(path(), load(path()), 0);
    QVERIFY(!saved.ok);
    QVERIFY(saved.error.contains(u"read-only"_s));
    QVERIFY2(saved.error.endsWith(u": Permission denied"_s), qPrintable(saved.error));
    QCOMPARE(readAll(path()), before);
}

void tst_Faults::fullFileSystemFailsAndKeepsTheFile()
{
    if (::geteuid() != 0) {
        QSKIP("Mounting a small file system for this test needs root");
    }
    const QString mountPoint = m_dir->filePath(u"small"_s);
    QVERIFY(QDir().mkpath(mountPoint));
    if (!run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, mountPoint})) {
        QSKIP("This machine does not allow mounting a tmpfs");
    }
    const auto unmount = qScopeGuard([&] { run(u"umount"_s, {u"-l"_s, mountPoint}); });

    const QString file = mountPoint + u"/Quorvane.conf"_s;
    EventList store = load(file);
    store.EventDates.append(u"2004-01-19 01:15"_s);
    store.EventDescriptions.append(u"Old"_s);
    QVERIFY(save(file, store, 1).ok);
    const QByteArray before = readAll(file);

    // Fill the file system, then leave 0, 1 or 2 pages free: each stage of the save may fail.
    for (int freePages = 0; freePages <= 2; ++freePages) {
        QFile filler(mountPoint + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size() && filler.flush()) { }
        filler.close();
        QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - freePages * qint64 {4096})));

        EventList bigger = load(file);
        for (int i = 0; i < 200; ++i) {
            bigger.EventDates.append(u"2030-01-01 00:00"_s);
            bigger.EventDescriptions.append(u"A description long enough to need room %1"_s.arg(i));
        }
        const SaveResult saved = save(file, bigger, 0);
        QVERIFY2(!saved.ok, qPrintable(u"free pages: %1"_s.arg(freePages)));
        QVERIFY2(saved.error.endsWith(u": No space left on device"_s), qPrintable(saved.error));
        QCOMPARE(readAll(file), before);
        QCOMPARE(load(file).EventDescriptions.value(1), u"Old"_s);
        QFile::remove(mountPoint + u"/filler"_s);
        QCOMPARE(entries(mountPoint), QStringList {u"Quorvane.conf"_s});
    }
}

void tst_Faults::killedSavesLeaveTheOldOrTheNewFile()
{
    // The file exists from the start, so no kill may ever leave it missing or empty.
    seedOldFile();
    const TestSeed seed(20261209);
    QRandomGenerator rng(seed.value());
    int listsChecked = 0;
    for (int kill = 0; kill < 60; ++kill) {
        const QString context = u"kill %1"_s.arg(kill);
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {path(), u"loop"_s});
        QVERIFY2(writer.waitForReadyRead(10000), qPrintable(context));
        QTest::qSleep(int(rng.bounded(1, 40)));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));

        // Whatever moment the kill hit, the file is one complete list.
        QVERIFY2(!readAll(path()).isEmpty(), qPrintable(context + u": no file"_s));
        const EventList store = load(path());
        const qsizetype n = store.EventDates.size() - 1;
        if (listsChecked == 0 && store.EventDescriptions == QStringList {u"Quorvane"_s, u"Old"_s}) {
            continue; // killed before its first save
        }
        QVERIFY2(n == 40 || n == 25, qPrintable(context + u": %1 events"_s.arg(n)));
        const QString tag = n == 40 ? u"A"_s : u"B"_s;
        for (qsizetype i = 1; i <= n; ++i) {
            QVERIFY2(
                store.EventDescriptions.at(i) == u"%1 %2"_s.arg(tag).arg(i), qPrintable(context));
        }
        QCOMPARE(store.ActiveEvent, int(n));
        IniFileStore settings(path());
        QVERIFY2(!settings.contains(Section, u"d%1"_s.arg(n + 1)), qPrintable(context));
        ++listsChecked;
    }
    // Kills that all came before the first save finished would have checked nothing.
    QVERIFY(listsChecked > 0);
}

void tst_Faults::killedAtTheRenameLeavesTheWholeOldFile()
{
    seedOldFile();
    const QByteArray before = readAll(path());
    const QString log = m_dir->filePath(u"save.log"_s);
    QCOMPARE(saveWatched(path(), log, Fault::KillAtRename), Killed);
    QCOMPARE(readAll(path()), before);
    // The new file it was about to rename had been flushed to disk.
    const QStringList done = steps(log);
    QVERIFY(!done.isEmpty() && done.last().startsWith(u"rename "_s));
    QVERIFY(done.contains(u"flush "_s + done.last().section(u' ', 1)));
}

void tst_Faults::saveFlushesTheFolderAfterTheRename()
{
    seedOldFile();
    const QString log = m_dir->filePath(u"save.log"_s);
    QCOMPARE(saveWatched(path(), log, Fault::None), 0);
    QCOMPARE(load(path()).EventDescriptions.value(30), u"New 30"_s);
    const QStringList done = steps(log);
    const auto rename = std::find_if(
        done.cbegin(), done.cend(), [](const QString &step) { return step.startsWith(u"rename"); });
    QVERIFY(rename != done.cend());
    QVERIFY(std::find(rename, done.cend(), u"flush "_s + inodeOf(m_dir->path())) != done.cend());
}

void tst_Faults::failedFolderFlushIsReported()
{
    // The new file is in place, but a power cut could still undo the rename: that is said.
    seedOldFile();
    QByteArray errors;
    QCOMPARE(
        saveWatched(path(), m_dir->filePath(u"save.log"_s), Fault::FailFolderFlush, &errors), 0);
    QCOMPARE(load(path()).EventDescriptions.value(30), u"New 30"_s);
    QVERIFY2(errors.contains(QFile::encodeName(m_dir->path()))
            && errors.trimmed().endsWith(": Input/output error"),
        errors.constData());
}

QTEST_GUILESS_MAIN(tst_Faults)
#include "tst_faults.moc"
