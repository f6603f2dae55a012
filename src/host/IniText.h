#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Plain-text views of an ini-format settings file, used where QSettings' own reading would
// change a value that was written by hand or by another program.
namespace IniText {

// The text QSettings writes for a string value (quoted and escaped as it does).
QString escaped(const QString &value);

// Every "key=value" line as "section/key" -> the value's text between '=' and the end of the
// line, blanks around it removed. Comment lines and lines without '=' are passed over.
QHash<QString, QString> rawValues(const QByteArray &file);

// True when the file cannot have been written completely by QSettings: it holds NUL bytes or
// text that is not UTF-8, or it does not end with a line break.
bool looksDamaged(const QByteArray &file);

} // namespace IniText
