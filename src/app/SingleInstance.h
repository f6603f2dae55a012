#pragma once

#include "core/commandline/StartOptions.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class LocalLock;
class LocalServer;

// One running program per user and settings file: the first start listens on a local socket,
// a later one hands its start options over to it and ends, so that two programs never edit
// the same settings at once.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Running, // this is the one running program; handOver arrives here from now on
        HandedOver, // another one runs and took the options; this one should end
        Alone, // another one holds the claim but does not answer; this one runs without it
    };

    // name: the socket's full path (see defaultName).
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Claims the name, or hands the options over to the program that holds it.
    Outcome claim(const StartOptions &options);

    // In the user's runtime folder (the temporary folder without one), per user and per
    // settings file, so that programs on other settings files do not meet.
    static QString defaultName(const QString &settingsFile);

    // The line a start sends, and its reading; nothing for a line that is not one.
    static QByteArray request(const StartOptions &options);
    static std::optional<StartOptions> readRequest(const QByteArray &line);

signals:
    // A later start asked for these options.
    void handOver(const StartOptions &options);

private:
    QString m_name;
    std::unique_ptr<LocalLock> m_lock;
    LocalServer *m_server = nullptr;
};
