#include "app/LocalChannel.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <map>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of path, or nothing when the path does not fit one.
std::optional<sockaddr_un> addressOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof(address.sun_path))) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return address;
}

int openSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Whether the other end of a connection runs as this user.
bool peerIsThisUser(int fd)
{
#if defined(SO_PEERCRED)
    ucred peer {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::geteuid();
#endif
}

// Waits until fd is ready for events or the deadline passes; false on the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry {fd, events, 0};
        const int result = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (result > 0) {
            return true;
        }
        if (result == 0 || errno != EINTR) {
            return false;
        }
    }
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

struct LocalServer::Private
{
    struct Client
    {
        std::unique_ptr<Descriptor> fd;
        QSocketNotifier *notifier = nullptr;
        QByteArray received;
    };

    Answer answer;
    qsizetype maxLine = 0;
    QByteArray path;
    struct stat bound
    { };
    std::unique_ptr<Descriptor> listening;
    std::map<int, Client> clients;

    void readClient(int fd);
};

LocalServer::LocalServer(Answer answer, qsizetype maxLine, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->answer = std::move(answer);
    d->maxLine = maxLine;
}

LocalServer::~LocalServer()
{
    // Only the socket this server made: another may have replaced it meanwhile.
    struct stat now
    { };
    if (d->listening && ::lstat(d->path.constData(), &now) == 0 && now.st_ino == d->bound.st_ino
        && now.st_dev == d->bound.st_dev) {
        ::unlink(d->path.constData());
    }
}

bool LocalServer::listen(const QString &path)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address || d->listening) {
        return false;
    }
    auto fd = std::make_unique<Descriptor>(openSocket());
    if (fd->get() < 0) {
        return false;
    }
    ::unlink(address->sun_path);
    // Closed to others from the start; the peer check covers a folder that others share.
    const mode_t previous = ::umask(0077);
    const bool bound
        = ::bind(fd->get(), reinterpret_cast<const sockaddr *>(&*address), sizeof(sockaddr_un))
        == 0;
    ::umask(previous);
    if (!bound || ::listen(fd->get(), SOMAXCONN) != 0
        || ::lstat(address->sun_path, &d->bound) != 0) {
        return false;
    }
    d->path = QByteArray(address->sun_path);
    d->listening = std::move(fd);
    auto *notifier = new QSocketNotifier(d->listening->get(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &LocalServer::acceptClients);
    return true;
}

void LocalServer::acceptClients()
{
    for (;;) {
        const int accepted
            = ::accept4(d->listening->get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (accepted < 0) {
            return; // none waiting, or one that left before it was taken
        }
        auto fd = std::make_unique<Descriptor>(accepted);
        if (!peerIsThisUser(accepted)) {
            continue;
        }
        Private::Client &client = d->clients[accepted];
        client.fd = std::move(fd);
        client.notifier = new QSocketNotifier(accepted, QSocketNotifier::Read, this);
        connect(client.notifier, &QSocketNotifier::activated, this,
            [this, accepted] { d->readClient(accepted); });
    }
}

void LocalServer::Private::readClient(int fd)
{
    Client &client = clients.at(fd);
    bool ended = false;
    // Reads no further than one line may reach, so a client that streams cannot fill memory.
    while (client.received.size() <= maxLine) {
        char buffer[512];
        const ssize_t got = ::read(fd, buffer, sizeof(buffer));
        if (got > 0) {
            client.received.append(buffer, got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
    }
    const qsizetype lineEnd = client.received.indexOf('\n');
    if (lineEnd < 0 && !ended && client.received.size() <= maxLine) {
        return; // the rest of the line is still to come
    }
    // Off before the answer, which may open windows and so run events: this client is served
    // once. The notifier whose signal this is goes once the signal is done.
    client.notifier->setEnabled(false);
    client.notifier->deleteLater();
    const QByteArray received = client.received;
    if (lineEnd >= 0 && lineEnd <= maxLine) {
        if (const std::optional<QByteArray> reply = answer(received.left(lineEnd + 1))) {
            // A few bytes into an empty socket buffer: they go at once.
            (void)::send(fd, reply->constData(), std::size_t(reply->size()), MSG_NOSIGNAL);
        }
    }
    clients.erase(fd);
}

// flock rather than a lock file's contents: the system lets go of it when the program ends, and
// taking it writes nothing, so a start waits for no disk.
struct LocalLock::Private
{
    QByteArray path;
    std::unique_ptr<Descriptor> fd;
};

LocalLock::LocalLock(const QString &path)
    : d(std::make_unique<Private>())
{
    d->path = QFile::encodeName(path);
}

LocalLock::~LocalLock() = default;

LocalLock::State LocalLock::tryLock()
{
    if (d->fd) {
        return State::Taken;
    }
    auto fd = std::make_unique<Descriptor>(
        ::open(d->path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd->get() < 0) {
        return State::Impossible;
    }
    while (::flock(fd->get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return State::HeldElsewhere;
        }
        if (errno != EINTR) {
            return State::Impossible;
        }
    }
    d->fd = std::move(fd);
    return State::Taken;
}

std::optional<QByteArray> LocalRequest(
    const QString &path, const QByteArray &line, int connectMs, int answerMs, qsizetype maxAnswer)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address) {
        return std::nullopt;
    }
    const Descriptor fd(openSocket());
    if (fd.get() < 0) {
        return std::nullopt;
    }
    if (::connect(fd.get(), reinterpret_cast<const sockaddr *>(&*address), sizeof(sockaddr_un))
        != 0) {
        // A busy server's queue is full (EAGAIN): the caller tries again later.
        if (errno != EINPROGRESS || !waitFor(fd.get(), POLLOUT, QDeadlineTimer(connectMs))) {
            return std::nullopt;
        }
        int error = 0;
        socklen_t size = sizeof(error);
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
            return std::nullopt;
        }
    }
    const QDeadlineTimer deadline(answerMs);
    qsizetype sent = 0;
    while (sent < line.size()) {
        const ssize_t wrote = ::send(
            fd.get(), line.constData() + sent, std::size_t(line.size() - sent), MSG_NOSIGNAL);
        if (wrote > 0) {
            sent += wrote;
            continue;
        }
        const bool full = wrote == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        if (!full || !waitFor(fd.get(), POLLOUT, deadline)) {
            return std::nullopt;
        }
    }
    QByteArray answer;
    while (!answer.endsWith('\n')) {
        if (answer.size() >= maxAnswer || !waitFor(fd.get(), POLLIN, deadline)) {
            return std::nullopt;
        }
        char buffer[64];
        const ssize_t got = ::read(
            fd.get(), buffer, std::min(sizeof(buffer), std::size_t(maxAnswer - answer.size())));
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            return std::nullopt;
        }
        if (got > 0) {
            answer.append(buffer, got);
        }
    }
    return answer;
}
