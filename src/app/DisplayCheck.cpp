#include "app/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <cstring>
#endif

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// The same connection Qt's X11 platform makes first, so its verdict is the toolkit's: a server
// that is gone or refuses this client fails here instead of aborting there.
bool x11Reachable(const QString &display)
{
    const QByteArray name = display.toLocal8Bit();
    xcb_connection_t *connection
        = xcb_connect(display.isEmpty() ? nullptr : name.constData(), nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

bool waylandReachable()
{
    // A socket handed over by the compositor is connected already.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        return true;
    }
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty()) {
        return false;
    }
    const QString path = QDir::isAbsolutePath(name)
        ? name
        : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address {};
    if (bytes.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool reachable
        = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return reachable;
}

// Whether Qt has a platform plugin for Wayland. Asked while Qt's messages are held, so it looks at
// file names (Qt's own are libqwayland-*.so) rather than through Qt's plugin loader, which may
// log.
bool waylandPlatformInstalled()
{
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : QCoreApplication::libraryPaths()) {
        folders.append(path + QStringLiteral("/platforms"));
    }
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString &folder) {
        return !QDir(folder).entryList({QStringLiteral("*wayland*")}, QDir::Files).isEmpty();
    });
}

QString shown(const Translations &translations, const char *variable)
{
    return qEnvironmentVariableIsSet(variable)
        ? QStringLiteral("%1=\"%2\"").arg(QLatin1String(variable), qEnvironmentVariable(variable))
        //: %1 is an environment variable's name, such as DISPLAY.
        : translations.text("DisplayCheck", QT_TRANSLATE_NOOP("DisplayCheck", "%1 not set"))
              .arg(QLatin1String(variable));
}

#endif

} // namespace

QString MissingDisplay(
    const QString &platform, const QString &display, const Translations &translations)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString chosen = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    // Qt tries each platform of a list separated by ';' in turn; "name:options" is one.
    QStringList names;
    for (const QString &entry : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        names.append(entry.section(QLatin1Char(':'), 0, 0).trimmed());
    }
    const bool anyPlatform = names.isEmpty();
    const bool tryX11 = anyPlatform || names.contains(QLatin1String("xcb"));
    const bool tryWayland = anyPlatform
        || std::any_of(names.cbegin(), names.cend(),
            [](const QString &name) { return name.startsWith(QLatin1String("wayland")); });
    const bool otherPlatform = std::any_of(names.cbegin(), names.cend(), [](const QString &name) {
        return name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland"));
    });
    const bool waylandUp = tryWayland && waylandReachable();
    if (otherPlatform || (tryX11 && x11Reachable(display))
        || (waylandUp && waylandPlatformInstalled())) {
        return {};
    }
    const QString x11Where = display.isEmpty() ? shown(translations, "DISPLAY")
                                               : QStringLiteral("-display \"%1\"").arg(display);
    const QString waylandWhere = shown(translations, "WAYLAND_DISPLAY");
    // "quorvane" in these lines is the command's name, which stays as it is.
    const auto text
        = [&translations](const char *source) { return translations.text("DisplayCheck", source); };
    if (waylandUp) {
        // A Wayland session that Qt cannot join here.
        return tryX11
            ? text(QT_TRANSLATE_NOOP("DisplayCheck",
                       "quorvane: cannot open a window: the Wayland display (%1) needs Qt's "
                       "Wayland platform plugin, which is not installed, and no X11 "
                       "display can be reached (%2)"))
                  .arg(waylandWhere, x11Where)
            : text(QT_TRANSLATE_NOOP("DisplayCheck",
                       "quorvane: cannot open a window: the Wayland display (%1) needs Qt's "
                       "Wayland platform plugin, which is not installed"))
                  .arg(waylandWhere);
    }
    if (tryX11 && tryWayland) {
        return text(QT_TRANSLATE_NOOP("DisplayCheck",
                        "quorvane: cannot open a window: no X11 or Wayland display can be "
                        "reached (%1, %2)"))
            .arg(x11Where, waylandWhere);
    }
    if (tryX11) {
        return text(QT_TRANSLATE_NOOP("DisplayCheck",
                        "quorvane: cannot open a window: no X11 display can be reached (%1)"))
            .arg(x11Where);
    }
    return text(QT_TRANSLATE_NOOP("DisplayCheck",
                    "quorvane: cannot open a window: no Wayland display can be reached (%1)"))
        .arg(waylandWhere);
#else
    Q_UNUSED(platform)
    Q_UNUSED(display)
    Q_UNUSED(translations)
    return {};
#endif
}
