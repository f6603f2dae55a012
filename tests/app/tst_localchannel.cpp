// Built once for each foundation of the channel (the system's sockets, Qt's local sockets):
// both must behave alike, though the program uses one of them per platform.
#include "app/LocalChannel.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxLine = 64;

// The client blocks until it has its answer, so it runs beside the event loop that serves it.
std::future<std::optional<QByteArray>> requestLater(
    const QString &path, const QByteArray &line, int answerMs = 3000)
{
    return std::async(
        std::launch::async, [=] { return LocalRequest(path, line, 500, answerMs, 16); });
}

// Serves while the client waits; the client's own limits end the wait.
std::optional<QByteArray> await(std::future<std::optional<QByteArray>> &pending)
{
    while (pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTest::qWait(5);
    }
    return pending.get();
}

} // namespace

class tst_LocalChannel final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(u"channel"_s);
        m_lines.clear();
    }

    void eachLineGetsItsAnswerInTurn()
    {
        LocalServer server(answerOk(), MaxLine);
        QVERIFY(server.listen(m_path));
        const QByteArray longest = QByteArray(MaxLine, 'x') + '\n';
        for (const QByteArray &line : {"first\n"_ba, longest}) {
            auto pending = requestLater(m_path, line);
            QCOMPARE(await(pending), std::optional<QByteArray>("ok\n"_ba));
        }
        QCOMPARE(m_lines, QList<QByteArray>({"first\n"_ba, longest}));
    }

    void refusedAndOverlongLinesGoUnanswered()
    {
        LocalServer server(
            [this](const QByteArray &line) -> std::optional<QByteArray> {
                m_lines.append(line);
                return std::nullopt;
            },
            MaxLine);
        QVERIFY(server.listen(m_path));
        auto refused = requestLater(m_path, "no\n"_ba);
        QCOMPARE(await(refused), std::nullopt);
        QCOMPARE(m_lines, QList<QByteArray>({"no\n"_ba}));

        // One byte over the limit, in one piece or in a stream, is not even offered.
        for (const qsizetype length : {MaxLine + 1, MaxLine * 100}) {
            auto overlong = requestLater(m_path, QByteArray(length, 'x') + '\n');
            QCOMPARE(await(overlong), std::nullopt);
        }
        QCOMPARE(m_lines.size(), 1);
    }

    void aClientThatSaysNothingHoldsUpNoOne()
    {
        LocalServer server(answerOk(), MaxLine);
        QVERIFY(server.listen(m_path));
        auto silent = requestLater(m_path, "no line break"_ba, 1500);
        auto next = requestLater(m_path, "next\n"_ba);
        QCOMPARE(await(next), std::optional<QByteArray>("ok\n"_ba));
        QCOMPARE(await(silent), std::nullopt);
        QCOMPARE(m_lines, QList<QByteArray>({"next\n"_ba}));
    }

    void withoutAServerThereIsNoAnswer()
    {
        QCOMPARE(LocalRequest(m_path, "hello\n"_ba, 500, 500, 16), std::nullopt);
        {
            QFile left(m_path);
            QVERIFY(left.open(QIODevice::WriteOnly));
        }
        QCOMPARE(LocalRequest(m_path, "hello\n"_ba, 500, 500, 16), std::nullopt);
    }

    void listeningReplacesWhatWasLeftAndIsClosedToOthers()
    {
        {
            QFile left(m_path);
            QVERIFY(left.open(QIODevice::WriteOnly));
        }
        LocalServer server(answerOk(), MaxLine);
        QVERIFY(server.listen(m_path));
        const QFileInfo socket(m_path);
        QVERIFY(!socket.isFile());
        QCOMPARE(socket.permissions()
                & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());
        auto pending = requestLater(m_path, "hello\n"_ba);
        QCOMPARE(await(pending), std::optional<QByteArray>("ok\n"_ba));
    }

    void aPathTooLongForASocketIsRefused()
    {
        const QString path = m_dir.filePath(QString(200, u'p'));
        LocalServer server(answerOk(), MaxLine);
        QVERIFY(!server.listen(path));
        QCOMPARE(LocalRequest(path, "hello\n"_ba, 500, 500, 16), std::nullopt);
    }

    void aLockIsHeldByOneAtATime()
    {
        const QString path = m_dir.filePath(u"channel.lock"_s);
        auto first = std::make_unique<LocalLock>(path);
        LocalLock second(path);
        QCOMPARE(first->tryLock(), LocalLock::State::Taken);
        QCOMPARE(first->tryLock(), LocalLock::State::Taken);
        QCOMPARE(second.tryLock(), LocalLock::State::HeldElsewhere);
        first.reset();
        QCOMPARE(second.tryLock(), LocalLock::State::Taken);

        LocalLock nowhere(m_dir.filePath(u"missing/channel.lock"_s));
        QCOMPARE(nowhere.tryLock(), LocalLock::State::Impossible);
    }

private:
    LocalServer::Answer answerOk()
    {
        return [this](const QByteArray &line) -> std::optional<QByteArray> {
            m_lines.append(line);
            return "ok\n"_ba;
        };
    }

    QTemporaryDir m_dir;
    QString m_path;
    QList<QByteArray> m_lines;
};

QTEST_GUILESS_MAIN(tst_LocalChannel)
#include "tst_localchannel.moc"
