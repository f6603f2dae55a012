#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A local socket at a path, open to this user only, over which a client sends one line and the
// server answers it with one of its own. Built on the system's Unix domain sockets where there
// are some, so that the program needs no network library to start; on Qt's local sockets
// elsewhere.
class LocalServer final : public QObject
{
public:
    // Given a line as received (line break included), the answer to send, or nothing to drop
    // the client unanswered.
    using Answer = std::function<std::optional<QByteArray>(const QByteArray &line)>;

    // A line longer than maxLine without its break is not answered.
    LocalServer(Answer answer, qsizetype maxLine, QObject *parent = nullptr);
    ~LocalServer() override;

    // Listens at path; whatever was left there is replaced, so the caller must know that no
    // one else listens there. False when it cannot.
    bool listen(const QString &path);

private:
    void acceptClients();

    struct Private;
    std::unique_ptr<Private> d;
};

// An exclusive claim on a lock file beside the socket, held until this object goes or the
// program ends, however it ends.
class LocalLock final
{
public:
    enum class State {
        Taken, // this object holds it now
        HeldElsewhere, // another holds it
        Impossible, // no lock can be made there (a missing folder, say)
    };

    explicit LocalLock(const QString &path);
    ~LocalLock();
    LocalLock(const LocalLock &) = delete;
    LocalLock &operator=(const LocalLock &) = delete;

    // Takes it if it is free; does not wait.
    State tryLock();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Sends line to the server at path and returns its answer once that ends with a line break,
// or nothing: no server, no connection within connectMs, or no whole answer of at most
// maxAnswer bytes within answerMs.
std::optional<QByteArray> LocalRequest(
    const QString &path, const QByteArray &line, int connectMs, int answerMs, qsizetype maxAnswer);
