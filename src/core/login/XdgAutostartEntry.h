#pragma once

#include "core/login/LoginStartup.h"

// The freedesktop autostart entry: quorvane.desktop in the user's autostart folder, which the
// desktop starts at login unless it is hidden or switched off by the desktop's own tool. A new
// entry is written whole; one that is there is switched off and on again in place, keeping
// what the user or the desktop added, and removed only when it is as written.
class XdgAutostartEntry final : public LoginStartup
{
public:
    XdgAutostartEntry(const QString &autostartFolder, const QString &programPath);

    // $XDG_CONFIG_HOME/autostart, or ~/.config/autostart where that is not set.
    static QString defaultFolder();

    QString fileName() const { return m_file; }

    bool isEnabled() const override;
    Result setEnabled(bool enabled) override;

    // The Exec value that starts the program at path, quoted and escaped where needed.
    static QString execValue(const QString &path);

private:
    // The entry as a new one is written.
    QByteArray wholeEntry() const;

    QString m_file;
    QString m_program;
};
