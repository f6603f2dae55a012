#include "host/IniText.h"

#include <QStringDecoder>

#include <algorithm>

namespace IniText {

QString escaped(const QString &value)
{
    // Mirrors QSettings' writing of a string in an ini file: a string holding NUL is wrapped
    // in @String(...), else a leading '@' is doubled; '"' and '\' and control characters are
    // escaped, and the whole is quoted when it holds ',', ';' or '=' or begins or ends with a
    // blank.
    QString text = value;
    if (value.contains(QChar::Null)) {
        text = QStringLiteral("@String(") + value + QLatin1Char(')');
    } else if (value.startsWith(QLatin1Char('@'))) {
        text.prepend(QLatin1Char('@'));
    }
    QString out;
    out.reserve(text.size() + 2);
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=') {
            needsQuotes = true;
        }
        const bool hexDigit
            = (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
        if (escapeNextIfHexDigit && hexDigit) {
            out += QStringLiteral("\\x") + QString::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (ch) {
        case '\0':
            out += QStringLiteral("\\0");
            escapeNextIfHexDigit = true;
            break;
        case '\a':
            out += QStringLiteral("\\a");
            break;
        case '\b':
            out += QStringLiteral("\\b");
            break;
        case '\f':
            out += QStringLiteral("\\f");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\v':
            out += QStringLiteral("\\v");
            break;
        case '"':
        case '\\':
            out += QLatin1Char('\\');
            out += qc;
            break;
        default:
            if (ch <= 0x1F) {
                out += QStringLiteral("\\x") + QString::number(ch, 16);
                escapeNextIfHexDigit = true;
            } else {
                out += qc;
            }
        }
    }
    if (needsQuotes || out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' '))) {
        out = QLatin1Char('"') + out + QLatin1Char('"');
    }
    return out;
}

bool isPlainKey(const QString &key)
{
    return std::all_of(key.cbegin(), key.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')
            || c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-');
    });
}

QHash<QString, QString> rawValues(const QByteArray &file, bool *wellFormed)
{
    bool plain = true;
    QHash<QString, QString> values;
    const QString text = QString::fromUtf8(file);
    QString section;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))
            || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            plain = plain && line.endsWith(QLatin1Char(']'));
            section = line.mid(1, line.size() - 2).trimmed().toString();
            plain = plain && !section.contains(QLatin1Char('/')) && isPlainKey(section);
            if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
                section.clear();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            plain = false;
            continue;
        }
        const QString key = line.left(eq).trimmed().toString();
        plain = plain && isPlainKey(key);
        values.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key,
            line.mid(eq + 1).trimmed().toString());
    }
    if (wellFormed) {
        *wellFormed = plain;
    }
    return values;
}

namespace {

bool hasSpecialCharacter(QStringView text)
{
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch < 0x20 || ch == '"' || ch == '\\' || ch == ',' || ch == ';' || ch == '=') {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<QString> plainValue(const QString &raw)
{
    if (raw.startsWith(QLatin1Char('@'))) {
        return std::nullopt;
    }
    if (!hasSpecialCharacter(raw)) {
        return raw;
    }
    // Quoted because of a separator or an outer blank, with nothing escaped inside.
    if (raw.size() >= 2 && raw.startsWith(QLatin1Char('"')) && raw.endsWith(QLatin1Char('"'))) {
        const QString inner = raw.mid(1, raw.size() - 2);
        for (const QChar c : inner) {
            if (c.unicode() < 0x20 || c == QLatin1Char('"') || c == QLatin1Char('\\')) {
                return std::nullopt;
            }
        }
        if (escaped(inner) == raw) {
            return inner;
        }
    }
    return std::nullopt;
}

bool looksDamaged(const QByteArray &file)
{
    if (file.isEmpty()) {
        return false;
    }
    if (file.contains('\0') || !file.endsWith('\n')) {
        return true;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file); // decodes now; hasError() reports on it
    Q_UNUSED(text);
    return decoder.hasError();
}

} // namespace IniText
