#include "core/login/WindowsRunEntry.h"

#include "core/files/SystemReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <cerrno>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

const QString ValueName = QStringLiteral("Quorvane");
const QString UserRoot = QStringLiteral("HKEY_CURRENT_USER\\");

// Task Manager marks an entry switched off with an odd first byte (03), on with an even one
// (02, 06), followed by the time of the change; an entry without a mark is on. Windows does not
// document this; it is what Task Manager is seen to write.
bool switchedOffInTaskManager(const QString &approvedKey)
{
#ifdef Q_OS_WIN
    // Read as bytes: QSettings reads a REG_BINARY value as text.
    BYTE mark[64];
    DWORD size = sizeof mark;
    const LSTATUS read
        = ::RegGetValueW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(approvedKey.utf16()),
            reinterpret_cast<LPCWSTR>(ValueName.utf16()), RRF_RT_REG_BINARY, nullptr, mark, &size);
    return read == ERROR_SUCCESS && size > 0 && (mark[0] & 1) != 0;
#else
    Q_UNUSED(approvedKey);
    return false;
#endif
}

} // namespace

WindowsRunEntry::WindowsRunEntry(const QString &programPath, const QString &versionKey)
    : m_program(programPath)
    , m_runKey(UserRoot + versionKey + QStringLiteral("\\Run"))
    , m_approvedKey(versionKey + QStringLiteral("\\Explorer\\StartupApproved\\Run"))
{ }

bool WindowsRunEntry::isEnabled() const
{
    return QSettings(m_runKey, QSettings::NativeFormat).contains(ValueName)
        && !switchedOffInTaskManager(m_approvedKey);
}

LoginStartup::Result WindowsRunEntry::setEnabled(bool enabled)
{
    QSettings run(m_runKey, QSettings::NativeFormat);
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
            QCoreApplication::translate(
                "WindowsRunEntry", "The registry key %1 cannot be written: %2")
                .arg(m_runKey, SystemReason(EACCES))};
    }
    // A mark of Task Manager's goes with the entry: switched on here, it is on there too.
    QSettings approved(UserRoot + m_approvedKey, QSettings::NativeFormat);
    if (approved.contains(ValueName)) {
        approved.remove(ValueName);
    }
    return {};
}
