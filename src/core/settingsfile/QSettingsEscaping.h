#pragma once

#include <QString>

// String values as QSettings writes and reads them in an ini-format file, mirrored from Qt 6.4's
// qsettings.cpp so that the settings file stays one that QSettings reads as this program does:
// writing, a string holding NUL is wrapped in @String(...) and a leading '@' is doubled; then
// '"', '\' and control characters get backslash escapes (by letter, else \x and hex digits, \0
// for NUL, and a hex digit right after such a number is escaped too), and the whole is quoted
// when it holds ',', ';' or '=' or begins or ends with a blank. Reading undoes the quotes, the
// escapes (\x takes every hex digit that follows) and the '@' marks.
//
// Pinned against QSettings itself by tst_IniFileStore::valuesReadBackAsWrittenThroughQSettingsToo
// (every kind of value, byte for byte as QSettings writes it, and read back by QSettings) and
// tst_Faults::handWrittenTextsAreReadExactly (text written by hand or by QSettings, read as
// meant); fuzz_store checks that QSettings reads back whatever the store saved.
namespace QSettingsEscaping {

// The text QSettings writes for a string value.
QString escaped(const QString &value);
// The value stored as raw: v where raw is exactly what QSettings writes for v, otherwise raw
// itself, so that hand-written text such as a,b or C:\new.jpg is taken as typed.
QString valueOf(const QString &raw);

} // namespace QSettingsEscaping
