#pragma once

#include "core/login/LoginStartup.h"

// The value "Quorvane" under HKCU\Software\Microsoft\Windows\CurrentVersion\Run, which
// Windows starts at login.
class WindowsRunEntry final : public LoginStartup
{
public:
    explicit WindowsRunEntry(const QString &programPath);

    bool isEnabled() const override;
    Result setEnabled(bool enabled) override;

private:
    QString m_program;
};
