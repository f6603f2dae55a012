#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

const QByteArray RequestWord = QByteArrayLiteral("quorvane-start");
const QByteArray Answer = QByteArrayLiteral("ok\n");
const QByteArray TokenWord = QByteArrayLiteral("activation=");
// Longer than any desktop's token; a token that is not one word of plain characters, or is
// longer, is not handed on (the program then comes forward only where the desktop lets it).
constexpr qsizetype MaxToken = 160;
// A request is one short line; anything longer is not one of ours.
constexpr qint64 MaxRequest = 256;
// How long a start waits for the program that holds the claim to answer, all tries together.
constexpr int ClaimMs = 5000;
// How long a start may take between creating its lock file and locking it, at the most.
constexpr qint64 MakingLockMs = 1000;
// How long a client may take to send its line.
constexpr int RequestMs = 3000;

// The file as the system resolves it: the real path of the file, or of its nearest folder that
// exists followed by the rest as written.
QString realPath(const QString &path)
{
    QString rest;
    for (QFileInfo at(QDir::cleanPath(path));; at.setFile(at.path())) {
        if (const QString real = at.canonicalFilePath(); !real.isEmpty()) {
            return QDir::cleanPath(real + rest);
        }
        if (at.path() == at.filePath()) {
            return QDir::cleanPath(path);
        }
        rest.prepend(QLatin1Char('/') + at.fileName());
    }
}

// Whether path fits in a local socket's address (108 bytes on Linux, with the final NUL).
bool fitsASocket(const QString &path)
{
#ifdef Q_OS_UNIX
    return QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path));
#else
    Q_UNUSED(path);
    return true;
#endif
}

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// Whether the other end of a local connection runs as this user. The socket is closed to others,
// but in a temporary folder that all share, its permissions are not all there is to it.
bool peerIsThisUser(qintptr descriptor)
{
#if defined(SO_PEERCRED)
    ucred peer {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(int(descriptor), &uid, &gid) == 0 && uid == ::geteuid();
#else
    Q_UNUSED(descriptor);
    return true; // a named pipe, which UserAccessOption opens to this user only
#endif
}

void drop(QLocalSocket *client)
{
    client->abort();
    client->deleteLater();
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_lock(name + QStringLiteral(".lock"))
{
    // Only a lock whose program has ended is taken over, however old.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    // The socket goes while the lock is still held, so it cannot take a later program's.
    delete m_server;
}

QString SingleInstance::defaultName(const QString &settingsFile)
{
    const QByteArray file
        = QCryptographicHash::hash(realPath(settingsFile).toUtf8(), QCryptographicHash::Sha256)
              .toHex()
              .left(16);
    const QString name
        = QStringLiteral("/quorvane-") + userTag() + QLatin1Char('-') + QString::fromLatin1(file);
#ifdef Q_OS_WIN
    // Qt's runtime location is the home folder there; the temporary folder is the user's own.
    const QString dir;
#else
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    return !dir.isEmpty() && fitsASocket(dir + name) ? dir + name : QDir::tempPath() + name;
}

QByteArray SingleInstance::request(const StartOptions &options)
{
    QByteArray line = RequestWord;
    if (options.openSettings) {
        line += " settings";
    }
    if (options.keepOpen) {
        line += " keep-open";
    }
    const QByteArray &token = options.activationToken;
    if (!token.isEmpty() && token.size() <= MaxToken
        && std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 0x7f; })) {
        line += ' ' + TokenWord + token;
    }
    return line + '\n';
}

std::optional<StartOptions> SingleInstance::readRequest(const QByteArray &line)
{
    const QList<QByteArray> words = line.trimmed().split(' ');
    if (words.value(0) != RequestWord) {
        return std::nullopt;
    }
    StartOptions options;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words.at(i) == "settings") {
            options.openSettings = true;
        } else if (words.at(i) == "keep-open") {
            options.keepOpen = true;
        } else if (words.at(i).startsWith(TokenWord)) {
            options.activationToken = words.at(i).mid(TokenWord.size());
        } else {
            return std::nullopt;
        }
    }
    return options;
}

SingleInstance::Outcome SingleInstance::claim(const StartOptions &options)
{
    const QDeadlineTimer deadline(ClaimMs);
    for (;;) {
        if (m_lock.tryLock(0)) {
            // Even without a socket the lock keeps a second program off the file: later
            // starts are told this one does not answer.
            listen();
            return Outcome::Running;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            return Outcome::Alone; // no lock can be made there (a missing runtime folder, say)
        }
        if (sendRequest(options, deadline)) {
            return Outcome::HandedOver;
        }
        // tryLock takes over the lock of a program that has ended by its process id; one that
        // ended before it wrote that, or whose id is someone else's now, goes here: only a
        // lock file that no running program holds can be removed. Otherwise the holder may be
        // between taking the lock and listening, ending, stopped or hung.
        if (lockMayBeBeingMade() || !m_lock.removeStaleLockFile()) {
            if (deadline.hasExpired()) {
                return Outcome::NotAnswering;
            }
            QThread::msleep(100);
        }
    }
}

bool SingleInstance::lockMayBeBeingMade() const
{
    // QLockFile creates the file before it locks it: a file that new may be another start's
    // lock in the making, which looks like one no program holds.
    const QDateTime made = QFileInfo(m_lock.fileName()).lastModified();
    return made.isValid() && qAbs(made.msecsTo(QDateTime::currentDateTimeUtc())) < MakingLockMs;
}

void SingleInstance::listen()
{
    // The lock is ours, so a socket left there belongs to a program that has ended.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptClients);
    m_server->listen(m_name);
}

bool SingleInstance::sendRequest(const StartOptions &options, const QDeadlineTimer &deadline) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(int(deadline.remainingTime()))
        || !peerIsThisUser(socket.socketDescriptor())) {
        return false;
    }
    socket.write(request(options));
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() >= Answer.size()
            || !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            return false;
        }
    }
    return socket.readLine(Answer.size() + 1) == Answer;
}

void SingleInstance::acceptClients()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (!peerIsThisUser(client->socketDescriptor())) {
            drop(client);
            continue;
        }
        // A client that streams fills no memory, and one that never ends its line is dropped.
        client->setReadBufferSize(MaxRequest + 1);
        QTimer::singleShot(RequestMs, client, [client] { drop(client); });
        connect(client, &QLocalSocket::readyRead, this, [this, client] { readClient(client); });
    }
}

void SingleInstance::readClient(QLocalSocket *client)
{
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > MaxRequest) {
            drop(client);
        }
        return;
    }
    const QByteArray line = client->readLine(MaxRequest + 1);
    const std::optional<StartOptions> asked
        = line.endsWith('\n') ? readRequest(line) : std::nullopt;
    if (!asked) {
        drop(client);
        return;
    }
    // Served once, whatever the windows do meanwhile; answered only once acted on.
    disconnect(client, &QLocalSocket::readyRead, this, nullptr);
    const QPointer<QLocalSocket> alive(client);
    emit handOver(*asked);
    if (alive) {
        client->write(Answer);
        client->disconnectFromServer();
    }
}
