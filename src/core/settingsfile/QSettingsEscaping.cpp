#include "core/settingsfile/QSettingsEscaping.h"

#include <algorithm>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Text that QSettings writes and reads as it is: nothing to quote, escape or mark.
bool isPlain(const QString &text)
{
    return !text.startsWith(u'@') && !text.startsWith(u' ') && !text.endsWith(u' ')
        && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.unicode() < 0x20 || c == u'"' || c == u'\\' || c == u',' || c == u';'
                   || c == u'=';
           });
}

// The control characters QSettings escapes by letter, and their letters.
constexpr QStringView Controls = u"\a\b\f\n\r\t\v";
constexpr QStringView ControlLetters = u"abfnrtv";

// QSettings' reading of a string it wrote: quotes, escapes and '@' marks undone. Text that
// QSettings cannot have written comes out as something valueOf turns away.
QString unescaped(QStringView text)
{
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        text = text.sliced(1, text.size() - 2);
    }
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            c = text[++i];
            const qsizetype letter = ControlLetters.indexOf(c);
            if (letter >= 0) {
                c = Controls[letter];
            } else if (c == u'0') {
                c = QChar::Null;
            } else if (c == u'x') { // as many hex digits as follow, as QSettings reads them
                const qsizetype from = i + 1;
                while (i + 1 < text.size() && isHexDigit(text[i + 1])) {
                    ++i;
                }
                c = QChar(char16_t(text.sliced(from, i + 1 - from).toUInt(nullptr, 16)));
            }
        }
        out += c;
    }
    if (out.startsWith(u"@String(") && out.endsWith(u')')) {
        return out.sliced(8, out.size() - 9);
    }
    return out.startsWith(u"@@") ? out.sliced(1) : out;
}

} // namespace

QString QSettingsEscaping::escaped(const QString &value)
{
    if (isPlain(value)) {
        return value;
    }
    const QString text = value.contains(QChar::Null) ? QStringLiteral("@String(%1)").arg(value)
        : value.startsWith(u'@')                     ? u'@' + value
                                                     : value;
    QString out;
    bool number = false; // the last character was written as a number
    for (const QChar c : text) {
        const qsizetype letter = Controls.indexOf(c);
        number = (c.unicode() < 0x20 && letter < 0) || (number && isHexDigit(c));
        if (number) {
            out += c == QChar::Null ? QStringLiteral("\\0")
                                    : QStringLiteral("\\x") + QString::number(c.unicode(), 16);
            continue;
        }
        if (letter >= 0 || c == u'"' || c == u'\\') {
            out += u'\\';
        }
        out += letter >= 0 ? ControlLetters[letter] : c;
    }
    const bool quoted = text.contains(u',') || text.contains(u';') || text.contains(u'=');
    return quoted || out.startsWith(u' ') || out.endsWith(u' ') ? u'"' + out + u'"' : out;
}

QString QSettingsEscaping::valueOf(const QString &raw)
{
    if (isPlain(raw)) {
        return raw;
    }
    const QString value = unescaped(raw);
    return escaped(value) == raw ? value : raw;
}
