#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>

#ifdef Q_OS_UNIX
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

private:
    QTemporaryDir m_dir;
    QString m_name;
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
