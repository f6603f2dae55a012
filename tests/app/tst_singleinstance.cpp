#include "app/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Outcome = SingleInstance::Outcome;

namespace {

// A later start blocks until it is answered, so it runs beside the event loop that serves it.
template<typename Work> auto beside(Work work)
{
    return std::async(std::launch::async, std::move(work));
}

// Serves while the other side works; its own time limits end the wait.
template<typename T> T await(std::future<T> &pending)
{
    while (pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTest::qWait(5);
    }
    return pending.get();
}

Outcome laterStart(const QString &name)
{
    auto pending = beside([name] { return SingleInstance(name).claim({}); });
    return await(pending);
}

// What a client that sends these bytes gets before the program hangs up on it.
QByteArray answerTo(const QString &name, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(500)) {
        return "no connection"_ba;
    }
    socket.write(bytes);
    QByteArray got;
    while (socket.waitForReadyRead(10000)) {
        got += socket.readAll();
    }
    got += socket.readAll();
    return socket.state() == QLocalSocket::ConnectedState ? got + "(still connected)" : got;
}

} // namespace

class tst_SingleInstance final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_name = m_dir.filePath(u"instance"_s);
    }

    void eachOptionIsHandedOverAndAnsweredOnceActedOn_data()
    {
        QTest::addColumn<bool>("openSettings");
        QTest::addColumn<bool>("keepOpen");
        QTest::newRow("plain") << false << false;
        QTest::newRow("--settings") << true << false;
        QTest::newRow("--keep-open") << false << true;
        QTest::newRow("both") << true << true;
    }
    void eachOptionIsHandedOverAndAnsweredOnceActedOn()
    {
        QFETCH(bool, openSettings);
        QFETCH(bool, keepOpen);
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        QList<StartOptions> asked;
        std::atomic<bool> acted = false;
        connect(&running, &SingleInstance::handOver, this, [&](const StartOptions &options) {
            asked.append(options);
            acted = true;
        });
        auto later = beside([&, name = m_name] {
            const Outcome outcome = SingleInstance(name).claim({openSettings, keepOpen});
            return std::pair(outcome, acted.load());
        });
        const auto [outcome, actedBeforeTheAnswer] = await(later);
        QCOMPARE(outcome, Outcome::HandedOver);
        QVERIFY(actedBeforeTheAnswer);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().openSettings, openSettings);
        QCOMPARE(asked.first().keepOpen, keepOpen);
    }

    void aClaimLeftByAnEndedProgramIsTakenOver_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("a program that was killed") << true;
        QTest::newRow("one that ended before it wrote its lock") << false;
    }
    void aClaimLeftByAnEndedProgramIsTakenOver()
    {
        QFETCH(bool, killed);
        if (killed) {
            const pid_t child = ::fork();
            if (child == 0) {
                SingleInstance held(m_name);
                // Ends without letting go of its lock and socket, as a killed program does.
                ::_exit(held.claim({}) == Outcome::Running ? 0 : 1);
            }
            int status = -1;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QCOMPARE(status, 0);
        } else {
            for (const QString &left : {m_name + u".lock"_s, m_name}) {
                QFile file(left);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QVERIFY(QFile::exists(m_name + u".lock"_s));
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        QCOMPARE(laterStart(m_name), Outcome::HandedOver);
    }

    void strayClientsAreDroppedWithoutHoldingUpAStart_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("another program") << "GET / HTTP/1.0\n"_ba;
        QTest::newRow("a request padded past a short line")
            << "quorvane-start"_ba + QByteArray(300, ' ') + '\n';
        QTest::newRow("a stream without a line break") << QByteArray(100000, 'x');
        QTest::newRow("a request that never ends its line") << "quorvane-start"_ba;
    }
    void strayClientsAreDroppedWithoutHoldingUpAStart()
    {
        QFETCH(QByteArray, sent);
        SingleInstance running(m_name);
        QCOMPARE(running.claim({}), Outcome::Running);
        int asked = 0;
        connect(&running, &SingleInstance::handOver, this, [&asked] { ++asked; });
        auto stray = beside([name = m_name, sent] { return answerTo(name, sent); });
        QTest::qWait(100);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(laterStart(m_name), Outcome::HandedOver);
        // Well before a client that never ends its line is dropped.
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(await(stray), QByteArray());
        QCOMPARE(asked, 1);
    }

    void eachSettingsFileHasItsOwnProgram()
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        const QString one = SingleInstance::defaultName(u"/home/a/quorvane.conf"_s);
        const QString other = SingleInstance::defaultName(u"/home/b/quorvane.conf"_s);
        QVERIFY(one.startsWith(m_dir.path()));
        QCOMPARE(SingleInstance::defaultName(u"/home/a/./quorvane.conf"_s), one);
        SingleInstance first(one);
        SingleInstance second(other);
        QCOMPARE(first.claim({}), Outcome::Running);
        QCOMPARE(second.claim({}), Outcome::Running);
        QCOMPARE(laterStart(one), Outcome::HandedOver);
    }

    void whereNoLockCanBeMadeTheProgramRunsAlone()
    {
        QCOMPARE(SingleInstance(m_dir.filePath(u"missing/instance"_s)).claim({}), Outcome::Alone);
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
