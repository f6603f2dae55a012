#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// Plain-text views of an ini-format settings file, used where QSettings' own reading would
// change a value that was written by hand or by another program.
namespace IniText {

// The text QSettings writes for a string value (quoted and escaped as it does).
QString escaped(const QString &value);

// Every "key=value" line as "section/key" -> the value's text between '=' and the end of the
// line, blanks around it removed. Comment lines and lines without '=' are passed over.
// wellFormed tells whether every line was a comment, a "[section]" or a "key=value" line with
// plain names, so that QSettings reads the same keys from the file.
QHash<QString, QString> rawValues(const QByteArray &file, bool *wellFormed = nullptr);

// The text QSettings reads for a raw value, where that needs no parsing: plain text without
// quotes, escapes or separators, or such text in the quotes QSettings puts around it.
std::optional<QString> plainValue(const QString &raw);

// Whether QSettings reads the "section/key" spelt in a file as it stands (no escapes).
bool isPlainKey(const QString &key);

// True when the file cannot have been written completely by QSettings: it holds NUL bytes or
// text that is not UTF-8, or it does not end with a line break.
bool looksDamaged(const QByteArray &file);

} // namespace IniText
