#pragma once

#include "core/login/LoginStartup.h"

// The value "Quorvane" under HKCU\Software\Microsoft\Windows\CurrentVersion\Run, which Windows
// starts at login unless the user switched it off in Task Manager (or Settings' Startup apps):
// that mark is a value of the same name under Explorer\StartupApproved\Run.
class WindowsRunEntry final : public LoginStartup
{
public:
    // versionKey: the key below HKEY_CURRENT_USER that holds Run; another one in tests.
    explicit WindowsRunEntry(const QString &programPath,
        const QString &versionKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion"));

    bool isEnabled() const override;
    Result setEnabled(bool enabled) override;

private:
    QString m_program;
    QString m_runKey; // as QSettings names it
    QString m_approvedKey; // below HKEY_CURRENT_USER
};
