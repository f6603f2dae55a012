#include "core/login/WindowsRunEntry.h"

#include <QDir>
#include <QSettings>

#include <cerrno>

namespace {

const QString RunKey
    = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString ValueName = QStringLiteral("Quorvane");

} // namespace

WindowsRunEntry::WindowsRunEntry(const QString &programPath)
    : m_program(programPath)
{ }

bool WindowsRunEntry::isEnabled() const
{
    return QSettings(RunKey, QSettings::NativeFormat).contains(ValueName);
}

LoginStartup::Result WindowsRunEntry::setEnabled(bool enabled)
{
    QSettings run(RunKey, QSettings::NativeFormat);
    if (enabled) {
        // Quoted, so that a path with blanks is one command.
        run.setValue(ValueName, QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(m_program)));
    } else {
        run.remove(ValueName);
    }
    run.sync();
    if (run.status() != QSettings::NoError) {
        // QSettings keeps the registry's own reason to itself; what it tells is a refusal.
        return {false,
            QStringLiteral("The registry key %1 cannot be written: %2")
                .arg(RunKey, qt_error_string(EACCES))};
    }
    return {};
}
