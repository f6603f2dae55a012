#include "core/login/LaunchAgentEntry.h"

#include "core/files/SafeFile.h"
#include "core/files/UserFolders.h"

#include <QDir>
#include <QFile>

LaunchAgentEntry::LaunchAgentEntry(const QString &agentsFolder, const QString &programPath)
    : m_file(QDir(agentsFolder).filePath(QStringLiteral("com.quorvane.Quorvane.plist")))
    , m_program(programPath)
{ }

QString LaunchAgentEntry::defaultFolder()
{
    return QDir::homePath() + QStringLiteral("/Library/LaunchAgents");
}

bool LaunchAgentEntry::isEnabled() const
{
    return QFile::exists(m_file);
}

LoginStartup::Result LaunchAgentEntry::setEnabled(bool enabled)
{
    if (!enabled) {
        return Result::fromReason(SafeRemove(m_file));
    }
    // RunAtLoad without KeepAlive: launchd starts the program once at login and leaves it be
    // when it closes itself.
    const QString plist = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                         "<plist version=\"1.0\">\n"
                                         "<dict>\n"
                                         "    <key>Label</key>\n"
                                         "    <string>com.quorvane.Quorvane</string>\n"
                                         "    <key>ProgramArguments</key>\n"
                                         "    <array>\n"
                                         "        <string>%1</string>\n"
                                         "    </array>\n"
                                         "    <key>RunAtLoad</key>\n"
                                         "    <true/>\n"
                                         "</dict>\n"
                                         "</plist>\n")
                              .arg(m_program.toHtmlEscaped());
    return Result::fromReason(SafeReplace(m_file, plist.toUtf8(), UserHomeFolder()));
}
