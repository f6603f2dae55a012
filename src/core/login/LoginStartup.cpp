#include "core/login/LoginStartup.h"

#include "core/files/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

LoginStartup::Result failed(const QString &error)
{
    return {false, error};
}

// Checked by mode rather than by access(), as the settings store does, so that a folder the
// user marked read-only stays untouched even for root.
bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

LoginStartup::Result LoginStartup::writeFile(const QString &path, const QByteArray &content)
{
    const QString folder = QFileInfo(path).absolutePath();
    // A home folder that does not exist (HOME set to a wrong place) is not made by writing
    // below it.
    const QString home = UserHomeFolder();
    if (folder.startsWith(home + QLatin1Char('/')) && !QFileInfo(home).isDir()) {
        return failed(
            QStringLiteral("The folder %1 cannot be used: %2").arg(home, qt_error_string(ENOENT)));
    }
    if (!QDir().mkpath(folder)) {
        return failed(QStringLiteral("The folder %1 cannot be created.").arg(folder));
    }
    if (markedReadOnly(folder)) {
        return failed(QStringLiteral("The folder %1 is read-only.").arg(folder));
    }
    if (markedReadOnly(path)) {
        return failed(QStringLiteral("The file %1 is read-only.").arg(path));
    }
    // Written beside and renamed over the old entry, so the desktop never reads half of one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit()) {
        return failed(
            QStringLiteral("The file %1 cannot be written: %2").arg(path, file.errorString()));
    }
    return {};
}

LoginStartup::Result LoginStartup::removeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (markedReadOnly(info.absolutePath())) {
        return failed(QStringLiteral("The folder %1 is read-only.").arg(info.absolutePath()));
    }
    QFile file(path);
    if (!file.remove()) {
        return failed(
            QStringLiteral("The file %1 cannot be removed: %2").arg(path, file.errorString()));
    }
    return {};
}
