#include "app/LocalChannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

struct LocalServer::Private
{
    Answer answer;
    qsizetype maxLine = 0;
    QLocalServer *server = nullptr;
};

LocalServer::LocalServer(Answer answer, qsizetype maxLine, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->answer = std::move(answer);
    d->maxLine = maxLine;
}

LocalServer::~LocalServer() = default;

bool LocalServer::listen(const QString &path)
{
    if (d->server != nullptr) {
        return false;
    }
    QLocalServer::removeServer(path);
    d->server = new QLocalServer(this);
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server->listen(path)) {
        delete d->server;
        d->server = nullptr;
        return false;
    }
    connect(d->server, &QLocalServer::newConnection, this, &LocalServer::acceptClients);
    return true;
}

void LocalServer::acceptClients()
{
    while (QLocalSocket *socket = d->server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > d->maxLine) {
                    socket->abort();
                    socket->deleteLater();
                }
                return;
            }
            const QByteArray line = socket->readLine(d->maxLine + 2);
            // Served once, whatever the answer does meanwhile.
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            const std::optional<QByteArray> reply
                = line.endsWith('\n') ? d->answer(line) : std::nullopt;
            if (!reply) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            socket->write(*reply);
            socket->disconnectFromServer();
        });
    }
}

struct LocalLock::Private
{
    explicit Private(const QString &path)
        : file(path)
    {
        // Only a lock whose program has ended is taken over, however old.
        file.setStaleLockTime(0);
    }
    QLockFile file;
};

LocalLock::LocalLock(const QString &path)
    : d(std::make_unique<Private>(path))
{ }

LocalLock::~LocalLock() = default;

LocalLock::State LocalLock::tryLock()
{
    if (d->file.isLocked() || d->file.tryLock(0)) {
        return State::Taken;
    }
    return d->file.error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::Impossible;
}

std::optional<QByteArray> LocalRequest(
    const QString &path, const QByteArray &line, int connectMs, int answerMs, qsizetype maxAnswer)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(connectMs)) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(answerMs);
    socket.write(line);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) {
        return std::nullopt;
    }
    QByteArray answer;
    while (!answer.endsWith('\n')) {
        if (answer.size() >= maxAnswer) {
            return std::nullopt;
        }
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return std::nullopt;
        }
        answer += socket.read(maxAnswer - answer.size());
    }
    return answer;
}
