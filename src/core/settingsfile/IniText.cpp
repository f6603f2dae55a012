#include "core/settingsfile/IniText.h"

#include "core/settingsfile/QSettingsEscaping.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

struct Line
{
    enum Kind { Other, Section, Key, Nameless, Unparsable };
    Kind kind = Other;
    qsizetype start = 0; // first byte of the line
    qsizetype end = 0; // after its line break
    QByteArrayView lineBreak; // CR LF, LF or CR; none on a last line without one
    QByteArrayView text; // without the blanks around it
    QByteArrayView name; // of the section or the key
    QByteArrayView value;
};

// Without the blanks QSettings passes over around names and values.
QByteArrayView trimmed(QByteArrayView text)
{
    while (text.startsWith(' ') || text.startsWith('\t')) {
        text = text.sliced(1);
    }
    while (text.endsWith(' ') || text.endsWith('\t')) {
        text.chop(1);
    }
    return text;
}

// Whether QSettings reads a section or key name as it is spelt: a quote could carry it on
// into the next line, ';' starts a comment, a final backslash would escape the '=', and it
// drops or escapes control characters.
bool isPlainName(QByteArrayView name)
{
    return !name.contains('"') && !name.contains(';') && !name.endsWith('\\')
        && std::none_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x20; });
}

// Whether QSettings would read the line on into the next one: a quote left open, or a line
// break escaped by a final backslash.
bool continuesOnNextLine(QByteArrayView text)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            if (++i == text.size()) {
                return true;
            }
        } else if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == ';' && !quoted) {
            return false; // the rest is a comment
        }
    }
    return quoted;
}

// Calls visit for every line of an ini file, classified as QSettings reads it. Like QSettings
// it ends a line at CR as well as at LF; CR LF ends one line (QSettings reads an empty one
// after it, which means nothing).
template<typename Visit> void forEachLine(const QByteArray &bytes, Visit visit)
{
    const QByteArrayView all(bytes);
    for (qsizetype at = 0; at < all.size();) {
        qsizetype stop = at;
        while (stop < all.size() && all[stop] != '\n' && all[stop] != '\r') {
            ++stop;
        }
        Line line;
        // The byte-order mark some editors write is left out: QSettings reads the file with it
        // but reports a format error.
        line.start = at == 0 && all.startsWith("\xef\xbb\xbf") ? 3 : at;
        line.end = stop;
        if (stop < all.size()) {
            line.end += all.sliced(stop).startsWith("\r\n") ? 2 : 1;
        }
        line.lineBreak = all.sliced(stop, line.end - stop);
        line.text = trimmed(all.sliced(line.start, stop - line.start));
        const QByteArrayView text = line.text;
        if (text.isEmpty() || text.front() == ';') {
            line.kind = Line::Other;
        } else if (text.front() == '[') {
            const qsizetype close = text.indexOf(']');
            line.name = trimmed(text.sliced(1, std::max<qsizetype>(close - 1, 0)));
            const bool plain = close >= 0 && isPlainName(line.name) && !continuesOnNextLine(text);
            line.kind = plain ? Line::Section : Line::Unparsable;
        } else {
            const qsizetype eq = text.indexOf('=');
            line.name = trimmed(text.first(std::max<qsizetype>(eq, 0)));
            line.value = eq < 0 ? QByteArrayView() : trimmed(text.sliced(eq + 1));
            if (eq < 0 || !isPlainName(line.name)) {
                line.kind = Line::Unparsable;
            } else {
                // A key without a name is read by QSettings but asked for by nothing.
                line.kind = line.name.isEmpty() ? Line::Nameless : Line::Key;
            }
        }
        visit(line);
        at = line.end;
    }
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)QString(decoder.decode(bytes));
    return !decoder.hasError();
}

// The line break a line written in place of line ends with: its own, LF on a last line
// without one. A view of a literal, so that it outlives the text.
QByteArrayView breakOf(const Line &line)
{
    if (line.lineBreak == "\r\n") {
        return "\r\n";
    }
    return line.lineBreak == "\r" ? "\r" : "\n";
}

// key=value, the value as QSettings writes it.
QByteArray keyLine(const QString &key, const QString &value, QByteArrayView lineBreak)
{
    QByteArray line = key.toUtf8() + '=' + QSettingsEscaping::escaped(value).toUtf8();
    return line.append(lineBreak);
}

// Whether a key line reads exactly as keyLine writes value under its name: then it can stay as
// it is.
bool writesAs(QByteArrayView whole, const Line &line, const QString &value)
{
    const qsizetype name = line.name.size();
    return line.name.data() == whole.data()
        && whole.size() == name + 1 + line.value.size() + breakOf(line).size() && whole[name] == '='
        && whole.endsWith(breakOf(line))
        && QAnyStringView::equal(QUtf8StringView(line.value), QSettingsEscaping::escaped(value));
}

// The key's value after the changes: the changed one, or the line's own.
std::optional<QString> valueAfter(
    const SettingsChanges &changes, const SettingsKey &key, const Line &line)
{
    const auto change = changes.constFind(key);
    return change != changes.cend() ? *change
                                    : QSettingsEscaping::valueOf(QString::fromUtf8(line.value));
}

// Appends the sections the file does not have, with their keys.
void appendNewSections(
    QByteArray &out, const QMap<QString, QByteArray> &newKeys, QByteArrayView lineBreak)
{
    for (auto it = newKeys.cbegin(); it != newKeys.cend(); ++it) {
        if (!out.isEmpty()) {
            out.append(lineBreak);
        }
        out.append('[' + it.key().toUtf8() + ']').append(lineBreak).append(*it);
    }
}

} // namespace

IniText::IniText(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    m_damaged = !m_bytes.isEmpty()
        && (!m_bytes.endsWith('\n') || m_bytes.contains('\0') || !isUtf8(m_bytes));
    QString section;
    forEachLine(m_bytes, [&](const Line &line) {
        if (line.kind == Line::Unparsable) {
            m_damaged = true;
        } else if (line.kind == Line::Section) {
            section = QString::fromUtf8(line.name);
            m_sections[section].end = line.end;
            m_sections[section].lineBreak = breakOf(line);
        } else if (line.kind == Line::Key) {
            const qsizetype start
                = line.value.isEmpty() ? 0 : line.value.data() - m_bytes.constData();
            Section &keys = m_sections[section];
            keys.keys.insert(QString::fromUtf8(line.name), {line.start, start, line.value.size()});
            keys.end = line.end;
            keys.lineBreak = breakOf(line);
        }
        m_lastBreak = breakOf(line);
    });
}

const IniText::Section &IniText::sectionNamed(const QString &name) const
{
    static const Section none;
    const auto found = m_sections.constFind(name);
    return found == m_sections.cend() ? none : *found;
}

std::optional<QString> IniText::value(const QString &section, const QString &key) const
{
    const QHash<QString, Span> &keys = sectionNamed(section).keys;
    const auto span = keys.constFind(key);
    if (span == keys.cend()) {
        return std::nullopt;
    }
    return QSettingsEscaping::valueOf(
        QString::fromUtf8(QByteArrayView(m_bytes).sliced(span->start, span->size)));
}

QStringList IniText::keys(const QString &section) const
{
    return sectionNamed(section).keys.keys();
}

bool IniText::isLastSetting(const SettingsKey &key, qsizetype start) const
{
    return sectionNamed(key.first).keys.value(key.second).line == start;
}

bool IniText::isSectionEnd(const QString &section, qsizetype end) const
{
    return sectionNamed(section).end == end;
}

QMap<QString, QByteArray> IniText::newKeyLines(const SettingsChanges &changes) const
{
    QMap<SettingsKey, QString> added; // by section, then name
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it->has_value() && !sectionNamed(it.key().first).keys.contains(it.key().second)) {
            added.insert(it.key(), **it);
        }
    }
    QMap<QString, QByteArray> lines;
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        const QString &section = it.key().first;
        const QByteArrayView lineBreak
            = m_sections.contains(section) ? sectionNamed(section).lineBreak : m_lastBreak;
        lines[section] += keyLine(it.key().second, *it, lineBreak);
    }
    return lines;
}

QByteArray IniText::rewritten(const SettingsChanges &changes) const
{
    return m_damaged ? rebuilt(changes) : rewrittenInPlace(changes);
}

QByteArray IniText::rewrittenInPlace(const SettingsChanges &changes) const
{
    QMap<QString, QByteArray> newKeys = newKeyLines(changes);
    QByteArray out;
    QString section;
    forEachLine(m_bytes, [&](const Line &line) {
        const QByteArrayView asItIs(m_bytes.constData() + line.start, line.end - line.start);
        if (line.kind == Line::Section) {
            section = QString::fromUtf8(line.name);
            out += asItIs;
        } else if (line.kind == Line::Key) {
            const SettingsKey key {section, QString::fromUtf8(line.name)};
            if (!changes.contains(key) && !continuesOnNextLine(line.text)) {
                out += asItIs;
            } else if (const std::optional<QString> value = valueAfter(changes, key, line);
                       value && isLastSetting(key, line.start)) {
                out += writesAs(asItIs, line, *value) ? asItIs.toByteArray()
                                                      : keyLine(key.second, *value, breakOf(line));
            }
        } else if (line.kind == Line::Nameless && continuesOnNextLine(line.text)) {
            // Kept, but so that QSettings no longer reads the next lines into it.
            out += keyLine(QString(), QSettingsEscaping::valueOf(QString::fromUtf8(line.value)),
                breakOf(line));
        } else {
            out += asItIs;
        }
        if (isSectionEnd(section, line.end)) {
            out += newKeys.take(section);
        }
    });
    appendNewSections(out, newKeys, m_lastBreak);
    return out;
}

QByteArray IniText::rebuilt(const SettingsChanges &changes) const
{
    QMap<QString, QByteArray> newKeys = newKeyLines(changes);
    QByteArray out;
    QString section;
    forEachLine(m_bytes, [&](const Line &line) {
        if (line.kind == Line::Section) {
            section = QString::fromUtf8(line.name);
            out.append('[' + section.toUtf8() + ']').append(breakOf(line));
        } else if (line.kind == Line::Key) {
            const SettingsKey key {section, QString::fromUtf8(line.name)};
            if (const std::optional<QString> value = valueAfter(changes, key, line);
                value && isLastSetting(key, line.start)) {
                out += keyLine(key.second, *value, breakOf(line));
            }
        }
        if (isSectionEnd(section, line.end)) {
            out += newKeys.take(section);
        }
    });
    appendNewSections(out, newKeys, m_lastBreak);
    return out;
}
