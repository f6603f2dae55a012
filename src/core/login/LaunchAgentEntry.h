#pragma once

#include "core/login/LoginStartup.h"

// A launch agent, ~/Library/LaunchAgents/com.quorvane.Quorvane.plist, that macOS runs once at
// login.
class LaunchAgentEntry final : public LoginStartup
{
public:
    LaunchAgentEntry(const QString &agentsFolder, const QString &programPath);

    static QString defaultFolder();

    bool isEnabled() const override;
    Result setEnabled(bool enabled) override;

private:
    QString m_file;
    QString m_program;
};
