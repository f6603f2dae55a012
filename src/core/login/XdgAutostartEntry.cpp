#include "core/login/XdgAutostartEntry.h"

#include "core/files/SafeFile.h"
#include "core/files/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

// Far above any entry a person or a desktop writes.
constexpr qint64 MaxEntrySize = qint64 {1} << 20;

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

// The entry with its main group switched on or off and every other line as it was: switched
// off by Hidden=true, on by clearing that and the desktop's own switch. Null when the file has
// no main group, so is no entry at all.
QByteArray switchedEntry(const QByteArray &text, bool enabled)
{
    QByteArrayList out;
    bool inMainGroup = false;
    qsizetype mainGroupEnd = -1; // after the main group's last line with a key
    bool hidden = false;
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        const qsizetype equals = trimmed.indexOf('=');
        if (trimmed.startsWith('[')) {
            inMainGroup = trimmed == "[Desktop Entry]";
            out.append(line);
            mainGroupEnd = inMainGroup ? out.size() : mainGroupEnd;
            continue;
        }
        if (!inMainGroup || equals < 1 || trimmed.startsWith('#')) {
            out.append(line);
            continue;
        }
        const QString key = QString::fromUtf8(trimmed.left(equals).trimmed());
        const QString value = QString::fromUtf8(trimmed.mid(equals + 1).trimmed());
        if (key == QLatin1String("Hidden")) {
            hidden = true;
            if (enabled && isTrue(value)) {
                continue;
            }
            out.append(enabled ? line : QByteArray("Hidden=true"));
        } else if (enabled && key == QLatin1String("X-GNOME-Autostart-enabled") && isFalse(value)) {
            out.append("X-GNOME-Autostart-enabled=true");
        } else {
            out.append(line);
        }
        mainGroupEnd = out.size();
    }
    if (mainGroupEnd < 0) {
        return {};
    }
    if (!enabled && !hidden) {
        out.insert(mainGroupEnd, "Hidden=true");
    }
    return out.join('\n');
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
    if (path.contains(QLatin1Char('%'))) {
        // GLib's reader checks that Exec's program exists before it turns %% back into %, so
        // such a path never passes as the program: sh starts it, given as its first argument.
        // (env would take a path with an equals sign for a variable to set.)
        argument.prepend(QStringLiteral(R"(sh -c "exec \"\$0\"" )"));
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
    // Only an entry known to be missing is written anew: one that cannot be read is left as
    // it is.
    const FileReading entry = SafeRead(m_file, MaxEntrySize);
    if (!entry.exists) {
        // A new entry is written whole; nothing is removed but a link to nowhere.
        return Result::fromReason(
            enabled ? SafeReplace(m_file, wholeEntry(), UserHomeFolder()) : SafeRemove(m_file));
    }
    if (!entry.bytes) {
        return {false,
            QCoreApplication::translate("XdgAutostartEntry", "The file %1 cannot be read: %2")
                .arg(m_file, entry.error)};
    }
    const QByteArray &text = *entry.bytes;
    // Taken away only as written, unchanged; otherwise the user's and the desktop's lines stay.
    if (!enabled && text == wholeEntry()) {
        return Result::fromReason(SafeRemove(m_file));
    }
    const QByteArray edited = switchedEntry(text, enabled);
    if (edited.isNull()) {
        // Named as the entry but none: replaced by one, or taken away.
        return Result::fromReason(
            enabled ? SafeReplace(m_file, wholeEntry(), UserHomeFolder()) : SafeRemove(m_file));
    }
    if (edited == text) {
        return {};
    }
    return Result::fromReason(SafeReplace(m_file, edited, UserHomeFolder()));
}

QByteArray XdgAutostartEntry::wholeEntry() const
{
    // TryExec lets the desktop pass over the entry once the program is gone.
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quorvane\n"
                          "Comment=Show the countdown when you log in\n"
                          "Icon=quorvane\n"
                          "TryExec=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(escapeString(m_program), execValue(m_program))
        .toUtf8();
}
