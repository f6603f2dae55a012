#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cstring>
#include <future>
#include <latch>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using Outcome = SingleInstance::Outcome;

namespace {

#ifdef Q_OS_WIN
constexpr char RuntimeFolderVariable[] = "TMP";
#else
constexpr char RuntimeFolderVariable[] = "XDG_RUNTIME_DIR";
#endif

// A later start blocks until it is answered: it runs on a thread while this one serves it.
template<typename Work> auto serving(Work work)
{
    auto done = std::async(std::launch::async, std::move(work));
    while (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTest::qWait(5);
    }
    return done.get();
}

Outcome laterStart(const QString &name, const StartOptions &options = {})
{
    return serving([=] { return SingleInstance(name).claim(options); });
}

#ifdef Q_OS_UNIX
// Runs body in a child process as the user nobody and returns the child's id; the child ends
// with what body returns, or 99 when it cannot become nobody.
template<typename Body> pid_t asAnotherUser(Body body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? body() : 99);
    }
    return child;
}

// A child's exit status, served meanwhile.
int exitOf(pid_t child)
{
    int status = -1;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        QTest::qWait(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A local stream socket at path, connected or listening; -1 when it cannot be.
int localSocket(const QString &path, bool listening)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const auto *at = reinterpret_cast<const sockaddr *>(&address);
    const bool ready = listening ? ::bind(fd, at, sizeof address) == 0 && ::listen(fd, 8) == 0
                                 : ::connect(fd, at, sizeof address) == 0;
    return ready ? fd : -1;
}

#endif

} // namespace

class tst_SingleInstance final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_name = m_dir.filePath(u"instance"_s); }

    void eachOptionIsHandedOverOnceActedOn()
    {
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        std::atomic<int> asked = -1;
        connect(&running, &SingleInstance::handOver, this,
            [&](const StartOptions &o) { asked = int(o.openSettings) + 2 * int(o.keepOpen); });
        for (int options = 0; options < 4; ++options) {
            const auto [outcome, askedAtAnswer] = serving([&, name = m_name] {
                const Outcome outcome
                    = SingleInstance(name).claim({(options & 1) != 0, (options & 2) != 0});
                return std::pair(outcome, asked.load());
            });
            QCOMPARE(outcome, Outcome::HandedOver);
            QCOMPARE(askedAtAnswer, options);
        }
    }

    void aClaimLeftByAnEndedProgramIsTakenOver()
    {
#ifndef Q_OS_UNIX
        QSKIP("ends a copy of this program with fork()");
#else
        // Killed once it held the claim, then killed before it could write its lock.
        const pid_t child = ::fork();
        if (child == 0) {
            SingleInstance held(m_name);
            ::_exit(held.claim({}) == Outcome::Running ? 0 : 1); // lets go of nothing
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
        for (bool emptyLock : {false, true}) {
            if (emptyLock) {
                QVERIFY(QFile(m_name + u".lock"_s).open(QIODevice::WriteOnly));
                QVERIFY(QFile(m_name).open(QIODevice::WriteOnly));
            }
            SingleInstance running(m_name);
            QCOMPARE(running.claim({}), Outcome::Running);
            QCOMPARE(laterStart(m_name), Outcome::HandedOver);
        }
#endif
    }

    void strayClientsAreDroppedWithoutHoldingUpAStart()
    {
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        int asked = 0;
        connect(&running, &SingleInstance::handOver, this, [&asked] { ++asked; });
        for (const QByteArray &sent : {"GET / HTTP/1.0\n"_ba, // another program
                 "quorvane-start"_ba + QByteArray(300, ' ') + '\n', // past one short line
                 QByteArray(100000, 'x'), "quorvane-start"_ba}) { // a line that never ends
            auto stray = std::async(std::launch::async, [name = m_name, sent] {
                QLocalSocket socket;
                socket.connectToServer(name);
                socket.waitForConnected(500);
                socket.write(sent);
                QByteArray got;
                while (socket.waitForReadyRead(10000)) {
                    got += socket.readAll();
                }
                return socket.state() == QLocalSocket::UnconnectedState ? got : "connected"_ba;
            });
            QTest::qWait(100);
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(laterStart(m_name), Outcome::HandedOver);
            QVERIFY(clock.elapsed() < 2000); // well before a silent client is dropped
            QCOMPARE(serving([&stray] { return stray.get(); }), QByteArray());
        }
        QCOMPARE(asked, 4);
    }

    void startsAtTheSameMomentLeaveOneRunning()
    {
        // Login and a click at once: the starts that find the claim being made wait for it.
        for (int round = 0; round < 20; ++round) {
            const QString name = m_dir.filePath(u"same%1"_s.arg(round));
            std::latch together(3);
            std::atomic<int> others = 0; // starts that have their outcome
            const auto start = [&] {
                QEventLoop loop; // so that the thread can serve the others
                SingleInstance instance(name);
                together.arrive_and_wait();
                const Outcome outcome = instance.claim({});
                const QDeadlineTimer patience(10000);
                while (outcome == Outcome::Running && others < 2 && !patience.hasExpired()) {
                    loop.processEvents(QEventLoop::AllEvents, 10);
                }
                others += outcome == Outcome::Running ? 0 : 1;
                return outcome;
            };
            std::future<Outcome> starts[] = {std::async(std::launch::async, start),
                std::async(std::launch::async, start), std::async(std::launch::async, start)};
            QList<Outcome> outcomes;
            for (auto &outcome : starts) {
                outcomes.append(outcome.get());
            }
            std::sort(outcomes.begin(), outcomes.end());
            QCOMPARE(
                outcomes, (QList {Outcome::Running, Outcome::HandedOver, Outcome::HandedOver}));
        }
    }

    void aBusyHolderStillTakesALaterStartOnce()
    {
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        int asked = 0;
        connect(&running, &SingleInstance::handOver, this, [&asked] { ++asked; });
        auto later = std::async(
            std::launch::async, [name = m_name] { return SingleInstance(name).claim({}); });
        QThread::msleep(1000); // saving, say: nothing is served meanwhile
        QCOMPARE(serving([&later] { return later.get(); }), Outcome::HandedOver);
        QTest::qWait(100);
        QCOMPARE(asked, 1);
    }

    void anotherUsersStartsAreNeitherServedNorServing()
    {
#ifndef Q_OS_UNIX
        QSKIP("Another user's start is tried with fork and setuid");
#else
        if (::geteuid() != 0) {
            QSKIP("Starting as another user needs root");
        }
        // In a folder all may use, as the temporary folder is, and a socket open to all: its
        // permissions are not all there is to it.
        QTemporaryDir open;
        const QString shared = open.filePath(u"shared"_s);
        QVERIFY(QDir().mkpath(shared));
        QCOMPARE(::chmod(QFile::encodeName(open.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QString ours = shared + u"/ours"_s;
        SingleInstance running(ours);
        QCOMPARE(running.claim({}), Outcome::Running);
        QCOMPARE(::chmod(QFile::encodeName(ours).constData(), 0777), 0);
        int asked = 0;
        connect(&running, &SingleInstance::handOver, this, [&asked] { ++asked; });
        // Its request is dropped unanswered.
        const pid_t start = asAnotherUser([&ours] {
            const int fd = localSocket(ours, false);
            char answer[8];
            return fd >= 0 && ::write(fd, "quorvane-start\n", 15) == 15
                    && ::read(fd, answer, sizeof answer) <= 0
                ? 0
                : 1;
        });
        QCOMPARE(exitOf(start), 0);
        QCOMPARE(asked, 0);

        // Its program, holding the claim on another name, is handed nothing.
        const QString theirs = shared + u"/theirs"_s;
        int ready[2];
        int done[2];
        QVERIFY(::pipe(ready) == 0 && ::pipe(done) == 0);
        const pid_t holder = asAnotherUser([&] {
            QLockFile lock(theirs + u".lock"_s);
            const int server = lock.tryLock(0) ? localSocket(theirs, true) : -1;
            (void)!::write(ready[1], "r", 1);
            ::close(done[1]);
            int heard = 0;
            pollfd waits[2] = {{server, POLLIN, 0}, {done[0], POLLIN, 0}};
            while (server >= 0 && ::poll(waits, 2, 10000) > 0 && waits[1].revents == 0) {
                const int client = ::accept(server, nullptr, nullptr);
                char request[64];
                pollfd sent {client, POLLIN, 0};
                heard += ::poll(&sent, 1, 500) > 0 && ::read(client, request, sizeof request) > 0;
                (void)!::write(client, "ok\n", 3);
                ::close(client);
            }
            return server < 0 ? 2 : heard;
        });
        ::close(done[0]);
        char signal = 0;
        QCOMPARE(::read(ready[0], &signal, 1), 1);
        QCOMPARE(SingleInstance(theirs).claim({}), Outcome::NotAnswering);
        ::close(done[1]);
        QCOMPARE(exitOf(holder), 0);

#endif
    }

    void eachSettingsFileHasItsOwnProgramWhereALockCanBeMade()
    {
        // The user's runtime folder; Windows has none, and its temporary folder is the user's own.
        qputenv(RuntimeFolderVariable, QFile::encodeName(m_dir.path()));
        const QString one = SingleInstance::defaultName(u"/home/a/quorvane.conf"_s);
        QVERIFY(one.startsWith(m_dir.path()));
        QCOMPARE(SingleInstance::defaultName(u"/home/a/./quorvane.conf"_s), one);
        SingleInstance first(one);
        SingleInstance second(SingleInstance::defaultName(u"/home/b/quorvane.conf"_s));
        QCOMPARE(first.claim({}), Outcome::Running);
        QCOMPARE(second.claim({}), Outcome::Running);
        QCOMPARE(laterStart(one), Outcome::HandedOver);
        QCOMPARE(laterStart(m_dir.filePath(u"missing/instance"_s)), Outcome::Alone);
    }

    void oneProgramPerFileHoweverItsPathIsWritten()
    {
#ifndef Q_OS_UNIX
        QSKIP("QFile::link makes a shortcut on Windows, which is no link");
#endif
        // A settings folder reached through a link, before and after the file is made.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        const QString real = m_dir.filePath(u"real"_s);
        QVERIFY(QDir().mkpath(real) && QFile::link(real, m_dir.filePath(u"link"_s)));
        const QString file = u"/Quorvane/Quorvane.conf"_s;
        for (int made = 0; made < 2; ++made) {
            QCOMPARE(SingleInstance::defaultName(m_dir.filePath(u"link"_s) + file),
                SingleInstance::defaultName(real + file));
            QVERIFY(QDir().mkpath(real + u"/Quorvane"_s)
                && QFile(real + file).open(QIODevice::WriteOnly));
        }
    }

    void aRuntimeFolderTooLongForASocketStillServes()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows has no runtime folder, and its named pipes no length limit");
#endif
        const QString deep = m_dir.filePath(QString(120, u'r'));
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(QFile::setPermissions(
            deep, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(deep));
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
        const QString name = SingleInstance::defaultName(m_dir.filePath(u"Quorvane.conf"_s));
        SingleInstance running(name);
        QCOMPARE(running.claim({}), Outcome::Running);
        QCOMPARE(laterStart(name), Outcome::HandedOver);
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
