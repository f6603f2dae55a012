// Every system call of a save fails in turn, and a kill lands on each: the settings file saved
// and the login entry switched through the program's own code, each in a process of its own
// (store_writer, login_switcher), with strace attached once it is ready. strace's fault
// injection fails or kills the n-th call of one system call, for every call the save makes.
#include "TestFiles.h"
#include "core/login/XdgAutostartEntry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestFiles;

namespace {

// A traced run: the line of the call strace failed or killed, how the process ended and what
// it said; without a fault, the name of every call it made.
struct Run
{
    bool attached = false;
    bool killed = false;
    int exitCode = -1;
    QString errors;
    QString injected;
    QStringList calls;
};

// The file's bytes, or null when there is none.
QByteArray contentOf(const QString &path)
{
    return QFileInfo::exists(path) ? readAll(path) : QByteArray();
}

mode_t modeOf(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

// A failure that loses the change unless it is said: writing, flushing, closing or marking the
// new file, the rename, making or flushing a folder, the removal.
bool mustBeSaid(const QString &line)
{
    static const QRegularExpression said(u"^\\d+ +(fsync|fdatasync|rename\\w*|mkdir\\w*|unlink\\w*"
                                         "|(write|close|fchmod)\\(\\d+<[^>]*\\.saving-)"_s);
    return said.match(line).hasMatch();
}

void settingsScenarios()
{
    QTest::addColumn<QString>("file"); // where the run works
    QTest::addColumn<QByteArray>("before"); // null: none
    QTest::addColumn<QStringList>("command"); // the program and what follows the file
    const QStringList save {u"store_writer"_s, u"save"_s, u"3"_s, u"New"_s};
    QTest::newRow("settings file replaced")
        << u"Quorvane.conf"_s
        << "[countdown]\nActive=1\nWallpaper=veltor://default\nd1=2004-01-19 01:15\nt1=Old\n"_ba
        << save;
    QTest::newRow("settings file in folders still to make")
        << u"a/b/Quorvane.conf"_s << QByteArray() << save;
}

} // namespace

class tst_SystemCallFaults final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void everyFailedCallLeavesTheOldOrTheNewFileAndIsSaid_data()
    {
        settingsScenarios();
        const QString entry = u"autostart/quorvane.desktop"_s;
        const QStringList on {u"login_switcher"_s, u"on"_s};
        const QStringList off {u"login_switcher"_s, u"off"_s};
        QTest::newRow("login entry written") << entry << QByteArray() << on;
        QTest::newRow("login entry switched off in place")
            << entry << "[Desktop Entry]\nType=Application\nExec=/usr/bin/quorvane -k\n"_ba << off;
        QTemporaryDir ours;
        XdgAutostartEntry(ours.path(), u"/usr/bin/quorvane"_s).setEnabled(true);
        QTest::newRow("login entry removed")
            << entry << readAll(ours.filePath(u"quorvane.desktop"_s)) << off;
    }
    void everyFailedCallLeavesTheOldOrTheNewFileAndIsSaid()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, before);
        QFETCH(QStringList, command);
        const Run dry = run(command, file, before, QString());
        if (!dry.attached) {
            QSKIP(qPrintable(u"strace cannot attach here: "_s + dry.errors));
        }
        QCOMPARE(dry.exitCode, 0);
        const QByteArray after = contentOf(place(file));
        const QString folder = QFileInfo(place(file)).absolutePath();
        const QString name = QFileInfo(file).fileName();

        int points = 0;
        for (const QString &call : QSet<QString>(dry.calls.cbegin(), dry.calls.cend())) {
            for (qsizetype n = 1; n <= dry.calls.count(call); ++n) {
                for (const int error : {ENOSPC, EIO, EACCES}) {
                    const char *code = error == ENOSPC ? "ENOSPC" : error == EIO ? "EIO" : "EACCES";
                    const Run failed = run(command, file, before,
                        u"%1:error=%2:when=%3"_s.arg(call, QLatin1String(code)).arg(n));
                    const QByteArray now = contentOf(place(file));
                    const QString context = u"%1\n%2exit %3"_s.arg(
                        failed.injected, failed.errors, QString::number(failed.exitCode));
                    QVERIFY2(!failed.injected.isEmpty() && !failed.killed, qPrintable(context));
                    // Success leaves the new file; a failure the old one, unless only the
                    // folder's flush failed, and says why with the system's words.
                    QVERIFY2(failed.exitCode == 0
                            ? now == after
                            : now == before || failed.errors.contains(u"could not confirm"_s),
                        qPrintable(context));
                    QVERIFY2((failed.exitCode == 0 && !mustBeSaid(failed.injected))
                            || failed.errors.contains(QString::fromLocal8Bit(std::strerror(error))),
                        qPrintable(context));
                    // The new file keeps the old one's permissions; no staging file is left.
                    QVERIFY2(before.isNull() || now.isNull() || modeOf(place(file)) == 0600,
                        qPrintable(context));
                    const QStringList left = entries(folder);
                    QVERIFY2(left.isEmpty() || left == QStringList {name}, qPrintable(context));
                    ++points;
                }
            }
        }
        qInfo("%d failed calls: %lld calls of the save, 3 errors each", points,
            qint64(dry.calls.size()));
    }

    void aKillAtEveryCallLeavesTheOldOrTheNewFile_data() { settingsScenarios(); }
    void aKillAtEveryCallLeavesTheOldOrTheNewFile()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, before);
        QFETCH(QStringList, command);
        const Run dry = run(command, file, before, QString());
        if (!dry.attached) {
            QSKIP(qPrintable(u"strace cannot attach here: "_s + dry.errors));
        }
        const QByteArray after = contentOf(place(file));
        const QString folder = QFileInfo(place(file)).absolutePath();
        const QString name = QFileInfo(file).fileName();
        int points = 0;
        for (const QString &call : QSet<QString>(dry.calls.cbegin(), dry.calls.cend())) {
            for (qsizetype n = 1; n <= dry.calls.count(call); ++n) {
                const Run killed
                    = run(command, file, before, u"%1:signal=KILL:when=%2"_s.arg(call).arg(n));
                const QByteArray now = contentOf(place(file));
                QVERIFY2(killed.killed, qPrintable(killed.injected));
                QVERIFY2(now == before || now == after, qPrintable(killed.injected));
                // Beside it at most the staging file, which the next save removes once it is
                // old enough to belong to no save still running.
                for (const QFileInfo &left :
                    QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
                    QFile staging(left.filePath());
                    QVERIFY2(left.fileName() == name
                            || (left.fileName().startsWith(u'.' + name + u".saving-"_s)
                                && staging.open(QIODevice::ReadWrite)
                                && staging.setFileTime(
                                    QDateTime::currentDateTimeUtc().addSecs(-3600),
                                    QFileDevice::FileModificationTime)),
                        qPrintable(killed.injected + u" left "_s + left.fileName()));
                }
                QCOMPARE(run(command, file, QByteArray(), QString(), false).exitCode, 0);
                QCOMPARE(entries(folder), QStringList {name});
                ++points;
            }
        }
        qInfo("%d kills", points);
    }

private:
    // Where the run's files are; the trace is kept apart.
    QString place(const QString &file) const { return m_dir->filePath(u"run/"_s + file); }

    // Puts the file as it was before (unless fresh is false), runs the command on it with strace
    // attached once it is ready, and injects the fault; without one, every call is traced.
    Run run(const QStringList &command, const QString &file, const QByteArray &before,
        const QString &inject, bool fresh = true)
    {
        const QString path = place(file);
        if (fresh) {
            QDir(place(QString())).removeRecursively();
            QDir().mkpath(QFileInfo(path).absolutePath());
            if (!before.isNull() && writeAll(path, before)) {
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            } else {
                QDir(place(QString())).removeRecursively();
            }
        }
        const bool settings = command.first() == u"store_writer"_s;
        QProcess writer;
        writer.start(settings ? QStringLiteral(STORE_WRITER) : QStringLiteral(LOGIN_SWITCHER),
            QStringList {settings ? path : QFileInfo(path).absolutePath()} + command.mid(1));
        Run done;
        if (!writer.waitForReadyRead(10000)) {
            return done;
        }
        const QString log = m_dir->filePath(u"strace.log"_s);
        QStringList args {
            u"-f"_s, u"-y"_s, u"-o"_s, log, u"-p"_s, QString::number(writer.processId())};
        if (!inject.isEmpty()) {
            args << u"-e"_s << u"trace="_s + inject.section(u':', 0, 0) << u"-e"_s
                 << u"inject="_s + inject;
        }
        QProcess tracer;
        tracer.setReadChannel(QProcess::StandardError);
        tracer.start(u"strace"_s, args);
        QByteArray said;
        while (!said.contains("attached") && tracer.waitForReadyRead(10000)) {
            said += tracer.readAllStandardError();
        }
        done.attached = said.contains("attached");
        writer.write("\n");
        writer.waitForFinished(20000);
        tracer.waitForFinished(20000);
        done.killed = writer.exitStatus() == QProcess::CrashExit;
        done.exitCode = writer.exitCode();
        done.errors = QString::fromLocal8Bit(done.attached ? writer.readAllStandardError() : said);
        // Calls on memory and the process are passed over, and so is the read of standard input
        // that strace found running.
        static const QRegularExpression fileCall(
            u"^\\d+ +(?!mmap|munmap|mremap|brk|mprotect|madvise|exit|futex)(\\w+)\\((?!0<)"_s);
        for (const QString &line : QString::fromUtf8(readAll(log)).split(u'\n')) {
            if (line.endsWith(u"(INJECTED)"_s) || line.contains(u"killed by SIGKILL"_s)) {
                done.injected += line;
            }
            if (const QRegularExpressionMatch call = fileCall.match(line); call.hasMatch()) {
                done.calls.append(call.captured(1));
            }
        }
        return done;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_SystemCallFaults)
#include "tst_systemcallfaults.moc"
