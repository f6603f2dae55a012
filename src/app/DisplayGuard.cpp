#include "app/DisplayGuard.h"

#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct Guard
{
    QString platform;
    QString display;
    const Translations *translations = nullptr;
    QtMessageHandler previous = nullptr;
    // The toolkit may start threads of its own while it connects.
    std::mutex lock;
    QList<HeldMessage> held;
};

// Static, so that a message on another thread never meets a guard already gone.
Guard &theGuard()
{
    static Guard guard;
    return guard;
}

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

// Tells the held messages to the handler the guard replaced. Called with the lock held.
void tellHeld(Guard &guard)
{
    for (const HeldMessage &message : std::as_const(guard.held)) {
        const QMessageLogContext context(
            orNull(message.file), message.line, orNull(message.function), orNull(message.category));
        if (guard.previous) {
            guard.previous(message.type, context, message.text);
        }
    }
    guard.held.clear();
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Guard &guard = theGuard();
    const std::lock_guard<std::mutex> locked(guard.lock);
    if (type != QtFatalMsg) {
        guard.held.append({type, QByteArray(context.file), context.line,
            QByteArray(context.function), QByteArray(context.category), text});
        return;
    }
    QString line = MissingDisplay(guard.platform, guard.display, *guard.translations);
    if (line.isEmpty()) {
        // Another cause (a platform that does not exist, say): Qt's own words, with the
        // warnings that led up to them, on one line.
        QStringList said;
        for (const HeldMessage &message : std::as_const(guard.held)) {
            if (message.type == QtWarningMsg || message.type == QtCriticalMsg) {
                said.append(message.text);
            }
        }
        said.append(text);
        //: %1 is what Qt said, in its own words; "quorvane" is the command's name.
        line = guard.translations
                   ->text("DisplayGuard",
                       QT_TRANSLATE_NOOP("DisplayGuard", "quorvane: cannot open a window: %1"))
                   .arg(said.join(QStringLiteral("; ")).simplified());
    }
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Nothing is open or saved yet; the toolkit is half built and must not be torn down.
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard(
    const QString &platform, const QString &display, const Translations &translations)
{
    Guard &guard = theGuard();
    const std::lock_guard<std::mutex> locked(guard.lock);
    guard.platform = platform;
    guard.display = display;
    guard.translations = &translations;
    guard.previous = qInstallMessageHandler(handle);
}

DisplayGuard::~DisplayGuard()
{
    release();
}

void DisplayGuard::release()
{
    if (!m_standing) {
        return;
    }
    m_standing = false;
    Guard &guard = theGuard();
    const std::lock_guard<std::mutex> locked(guard.lock);
    qInstallMessageHandler(guard.previous);
    tellHeld(guard);
}
