#include "core/files/UserFolders.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

QString UserHomeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty()) {
        return QDir::cleanPath(home);
    }
#ifdef Q_OS_UNIX
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir) {
        return QDir::cleanPath(QFile::decodeName(user->pw_dir));
    }
#endif
    return QDir::homePath();
}

QString UserConfigFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config)) {
        return QDir::cleanPath(config);
    }
    return UserHomeFolder() + QStringLiteral("/.config");
}
