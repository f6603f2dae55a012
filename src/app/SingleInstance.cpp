#include "app/SingleInstance.h"

#include "app/LocalChannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QByteArray RequestWord = QByteArrayLiteral("quorvane-start");
const QByteArray Answer = QByteArrayLiteral("ok\n");
// A request is one short line; anything longer is not one of ours.
constexpr qint64 MaxRequest = 256;
constexpr int ConnectMs = 500;
constexpr int AnswerMs = 3000;
// How long a start waits for a program that holds the claim to answer, in tries of 100 ms.
constexpr int ClaimTries = 50;

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_lock(std::make_unique<LocalLock>(name + QStringLiteral(".lock")))
{ }

SingleInstance::~SingleInstance()
{
    // The socket goes while the lock is still held, so it cannot take a later program's.
    delete m_server;
}

QString SingleInstance::defaultName(const QString &settingsFile)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    const QByteArray file = QCryptographicHash::hash(
        QDir::cleanPath(settingsFile).toUtf8(), QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return dir + QStringLiteral("/quorvane-") + userTag() + QLatin1Char('-')
        + QString::fromLatin1(file);
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
        } else {
            return std::nullopt;
        }
    }
    return options;
}

SingleInstance::Outcome SingleInstance::claim(const StartOptions &options)
{
    for (int attempt = 0; attempt < ClaimTries; ++attempt) {
        const LocalLock::State lock = m_lock->tryLock();
        if (lock == LocalLock::State::Taken) {
            // The lock is ours, so a socket left there belongs to a program that has ended.
            m_server = new LocalServer(
                [this](const QByteArray &line) -> std::optional<QByteArray> {
                    const std::optional<StartOptions> asked = readRequest(line);
                    if (!asked) {
                        return std::nullopt;
                    }
                    // Answered only once the running program has acted on it.
                    emit handOver(*asked);
                    return Answer;
                },
                MaxRequest, this);
            return m_server->listen(m_name) ? Outcome::Running : Outcome::Alone;
        }
        if (lock == LocalLock::State::Impossible) {
            return Outcome::Alone; // no lock can be made there (a missing runtime folder, say)
        }
        if (LocalRequest(m_name, request(options), ConnectMs, AnswerMs, Answer.size()) == Answer) {
            return Outcome::HandedOver;
        }
        // The holder may be between taking the lock and listening, or ending.
        QThread::msleep(100);
    }
    return Outcome::Alone;
}
