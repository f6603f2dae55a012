#include "core/settingsfile/OpenSettingsStore.h"

#include "core/files/UserFolders.h"
#include "core/settingsfile/IniFileStore.h"
#include "core/settingsfile/NativeSettingsStore.h"

#include <QDir>
#include <QSettings>

QString OrganizationName()
{
    return QStringLiteral("Quorvane");
}

QString ApplicationName()
{
    return QStringLiteral("Quorvane");
}

std::unique_ptr<SettingsStore> OpenSettingsStore()
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return std::make_unique<NativeSettingsStore>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, OrganizationName(), ApplicationName()));
#else
    // Elsewhere QSettings' native store is an ini file: the same file, read and written as
    // text; never below the root folder for want of HOME, and a missing home folder is not made.
    const QString file = UserConfigFolder() + QLatin1Char('/') + OrganizationName()
        + QLatin1Char('/') + ApplicationName() + QStringLiteral(".conf");
    const bool inHome = !QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    return std::make_unique<IniFileStore>(file, inHome ? UserHomeFolder() : QString());
#endif
}
