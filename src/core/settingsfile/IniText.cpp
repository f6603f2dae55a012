#include "core/settingsfile/IniText.h"

#include "core/settingsfile/QSettingsEscaping.h"

#include <QStringDecoder>

#include <QMap>

#include <algorithm>
#include <vector>

namespace {

struct Line
{
    enum Kind { Other, Section, Key, Nameless, Unparsable };
    Kind kind = Other;
    qsizetype start = 0; // first byte of the line
    qsizetype end = 0; // after its line break
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
// it ends a line at CR as well as at LF, so CR LF line ends read as a line and an empty one.
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
        line.end = stop < all.size() ? stop + 1 : stop;
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
    for (qsizetype at = 0; at < bytes.size() && !decoder.hasError(); at += 1 << 16) {
        (void)QString(decoder.decode(bytes.sliced(at, qMin(1 << 16, bytes.size() - at))));
    } // in slices, so that a large file is never held twice
    return !decoder.hasError();
}

// Appends key=value as QSettings writes the value.
void appendKeyLine(QByteArray &out, const QString &key, const QString &value)
{
    out += key.toUtf8();
    out += '=';
    out += QSettingsEscaping::escaped(value).toUtf8();
    out += '\n';
}

// Whether a key line reads exactly as appendKeyLine writes value under its name: then it
// can stay as it is.
bool writesAs(QByteArrayView whole, const Line &line, const QString &value)
{
    const qsizetype name = line.name.size();
    return line.name.data() == whole.data() && whole.size() == name + line.value.size() + 2
        && whole[name] == '=' && whole.back() == '\n'
        && QAnyStringView::equal(QUtf8StringView(line.value), QSettingsEscaping::escaped(value));
}

} // namespace

IniText::IniText(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    m_damaged = !m_bytes.isEmpty()
        && (!m_bytes.endsWith('\n') || m_bytes.contains('\0') || !isUtf8(m_bytes));
    QString section;
    qsizetype number = -1;
    const auto enter = [&](const QString &name) {
        section = name;
        number = m_sectionNumbers.value(section, m_sectionNumbers.size());
        m_sectionNumbers.insert(section, number);
    };
    enter(QString());
    forEachLine(m_bytes, [&](const Line &line) {
        if (line.kind == Line::Unparsable) {
            m_damaged = true;
        } else if (line.kind == Line::Section) {
            enter(QString::fromUtf8(line.name));
            m_sectionEnds.insert(section, line.end);
        } else if (line.kind == Line::Key) {
            const qsizetype start
                = line.value.isEmpty() ? 0 : line.value.data() - m_bytes.constData();
            m_values.insert({number, line.name}, {line.start, start, line.value.size()});
            m_sectionEnds.insert(section, line.end);
        }
    });
}

const IniText::Span *IniText::find(const QString &section, const QString &key) const
{
    const qsizetype number = m_sectionNumbers.value(section, -1);
    if (number < 0) {
        return nullptr;
    }
    const QByteArray name = key.toUtf8();
    const auto it = m_values.constFind({number, name});
    return it == m_values.cend() ? nullptr : &*it;
}

std::optional<QString> IniText::value(const QString &section, const QString &key) const
{
    const Span *found = find(section, key);
    if (!found) {
        return std::nullopt;
    }
    return QSettingsEscaping::valueOf(
        QString::fromUtf8(QByteArrayView(m_bytes).sliced(found->start, found->size)));
}

void IniText::forEachKey(
    const QString &section, const std::function<void(const QString &key)> &visit) const
{
    const qsizetype number = m_sectionNumbers.value(section, -1);
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (it.key().section == number) {
            visit(QString::fromUtf8(it.key().name));
        }
    }
}

QByteArray IniText::rewritten(const Changes &changes) const
{
    // Each change by where the file sets its key (the start of the last line that does), and
    // the keys the file does not hold, each section's in the order of their names.
    QHash<qsizetype, const std::optional<QString> *> changedAt;
    std::vector<const Key *> added;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (const Span *found = find(it.key().first, it.key().second)) {
            if (!m_damaged) {
                changedAt.insert(found->line, &*it);
            }
        } else if (it->has_value()) {
            added.push_back(&it.key());
        }
    }
    std::sort(added.begin(), added.end(), [](const Key *a, const Key *b) { return *a < *b; });
    QMap<QString, QByteArray> newKeys;
    for (const Key *key : added) {
        appendKeyLine(newKeys[key->first], key->second, *changes.value(*key));
    }

    QByteArray out;
    out.reserve(m_bytes.size() + m_bytes.size() / 8 + 1024);
    QString section;
    qsizetype number = 0;
    forEachLine(m_bytes, [&](const Line &line) {
        const QByteArrayView asItIs(m_bytes.constData() + line.start, line.end - line.start);
        if (line.kind == Line::Section) {
            section = QString::fromUtf8(line.name);
            number = m_sectionNumbers.value(section);
            out += m_damaged ? '[' + section.toUtf8() + "]\n" : asItIs.toByteArray();
        } else if (line.kind == Line::Key) {
            // Looked up by the name's bytes as indexed: a name that is not UTF-8 does not
            // survive a QString. A damaged file's keys are matched as they read, as QStrings.
            const auto last = m_values.constFind({number, line.name});
            const std::optional<QString> *change = nullptr;
            if (m_damaged) {
                const auto found = changes.constFind({section, QString::fromUtf8(line.name)});
                change = found != changes.cend() ? &*found : nullptr;
            } else {
                change = changedAt.value(last->line, nullptr);
            }
            // Also rewritten where QSettings would read the next lines into it.
            if (change || m_damaged || continuesOnNextLine(line.text)) {
                const std::optional<QString> value
                    = change ? *change : QSettingsEscaping::valueOf(QString::fromUtf8(line.value));
                // Only the last line that sets the key counts; the others go.
                if (value && last->line == line.start) {
                    if (!m_damaged && writesAs(asItIs, line, *value)) {
                        out += asItIs;
                    } else {
                        appendKeyLine(out, QString::fromUtf8(line.name), *value);
                    }
                }
            } else {
                out += asItIs;
            }
        } else if (line.kind == Line::Nameless && !m_damaged && continuesOnNextLine(line.text)) {
            // Kept, but so that QSettings no longer reads the next lines into it.
            appendKeyLine(
                out, QString(), QSettingsEscaping::valueOf(QString::fromUtf8(line.value)));
        } else if (!m_damaged) {
            out += asItIs;
        }
        if (m_sectionEnds.value(section, -1) == line.end) {
            out += newKeys.take(section);
        }
    });
    for (auto it = newKeys.cbegin(); it != newKeys.cend(); ++it) {
        out += (out.isEmpty() ? "[" : "\n[") + it.key().toUtf8() + "]\n" + *it;
    }
    return out;
}
