#include "core/login/XdgAutostartEntry.h"

#include "core/files/SafeFile.h"
#include "core/files/UserFolders.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

// Characters that make the desktop split or expand an Exec argument unless it is quoted.
bool isReserved(QChar c)
{
    return c.isSpace() || QStringLiteral("\"'\\><~|&;$*?#()`").contains(c);
}

// Escapes for any string value of a desktop entry, applied after the Exec quoting.
QString escapeString(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool isTrue(const QString &value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

bool isFalse(const QString &value)
{
    return value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
}

} // namespace

XdgAutostartEntry::XdgAutostartEntry(const QString &autostartFolder, const QString &programPath)
    : m_file(QDir(autostartFolder).filePath(QStringLiteral("quorvane.desktop")))
    , m_program(programPath)
{ }

QString XdgAutostartEntry::defaultFolder()
{
    return UserConfigFolder() + QStringLiteral("/autostart");
}

QString XdgAutostartEntry::execValue(const QString &path)
{
    // A literal percent sign would start a field code.
    QString argument = path;
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (std::any_of(argument.cbegin(), argument.cend(), isReserved)) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : std::as_const(argument)) {
            if (QStringLiteral("\"`$\\").contains(c)) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        argument = quoted + QLatin1Char('"');
    }
    return escapeString(argument);
}

bool XdgAutostartEntry::isEnabled() const
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        // Switched off by the desktop's own startup-programs tool, or hidden by the user.
        if ((key == QLatin1String("Hidden") && isTrue(value))
            || (key == QLatin1String("X-GNOME-Autostart-enabled") && isFalse(value))) {
            return false;
        }
    }
    return true;
}

LoginStartup::Result XdgAutostartEntry::setEnabled(bool enabled)
{
    return enabled ? write() : remove();
}

LoginStartup::Result XdgAutostartEntry::write() const
{
    // TryExec lets the desktop pass over the entry once the program is gone.
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Quorvane\n"
                                         "Comment=Show the countdown when you log in\n"
                                         "Icon=quorvane\n"
                                         "TryExec=%1\n"
                                         "Exec=%2\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(escapeString(m_program), execValue(m_program));
    return Result::fromReason(SafeReplace(m_file, entry.toUtf8(), UserHomeFolder()));
}

LoginStartup::Result XdgAutostartEntry::remove() const
{
    return Result::fromReason(SafeRemove(m_file));
}
