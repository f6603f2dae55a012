#pragma once

#include "core/commandline/StartOptions.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <optional>

class QLocalServer;
class QLocalSocket;

// One running program per user and settings file: the first start holds a lock file and listens
// on a local socket beside it, a later one hands its start options over to it and ends, so that
// two programs never edit the same settings at once.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Running, // this is the one running program; handOver arrives here from now on
        HandedOver, // another one runs and took the options; this one should end
        // Another one holds the claim but has not answered within about five seconds (stopped,
        // hung): this one should end too, saying so, rather than be a second writer.
        NotAnswering,
        Alone, // no claim can be made there (no lock file); this one runs without it
    };

    // name: the socket's full path (see defaultName); the lock file is beside it.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Claims the name, or hands the options over to the program that holds it.
    Outcome claim(const StartOptions &options);

    // In the user's runtime folder (the temporary folder without one, or where the runtime
    // folder is too deep for a socket's path), per user and per settings file as the system
    // resolves it, so that programs on other settings files do not meet and every way of
    // writing one file's path (through a linked folder, say) meets the same program.
    static QString defaultName(const QString &settingsFile);

    // The line a start sends, and its reading; nothing for a line that is not one.
    static QByteArray request(const StartOptions &options);
    static std::optional<StartOptions> readRequest(const QByteArray &line);

signals:
    // A later start asked for these options.
    void handOver(const StartOptions &options);

private:
    void listen();
    bool sendRequest(const StartOptions &options, const QDeadlineTimer &deadline) const;
    bool lockMayBeBeingMade() const;
    void acceptClients();
    void readClient(QLocalSocket *client);

    QString m_name;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
