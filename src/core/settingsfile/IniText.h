#pragma once

#include "core/settingsfile/SettingsChanges.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// An ini-format settings file as text: read without changing what a person or another program
// wrote, and rewritten so that QSettings reads every changed key as given and every other line
// as before. A written line ends as the line it replaces or follows does (CR LF, say).
class IniText
{
public:
    explicit IniText(QByteArray bytes = QByteArray());

    const QByteArray &bytes() const { return m_bytes; }
    // True when the file cannot have been written completely by QSettings: it holds NUL bytes,
    // text that is not UTF-8 or a line that is neither a ';' comment, a [section] nor
    // key=value with names QSettings reads as spelt, or it does not end with a line break.
    bool isDamaged() const { return m_damaged; }
    // The value on the last line that sets the key, which is the one QSettings reads.
    std::optional<QString> value(const QString &section, const QString &key) const;
    QStringList keys(const QString &section) const;

    // The file with the changes: rewritten in place, or rebuilt where it is damaged.
    QByteArray rewritten(const SettingsChanges &changes) const;

private:
    // Where a key is set: the start of the last line that sets it, and its value's bytes.
    struct Span
    {
        qsizetype line = -1;
        qsizetype start = 0;
        qsizetype size = 0;
    };

    // A changed key on the last line that sets it (its other lines go), a new key after the
    // last key of its section, and every other line as it is; but a line that QSettings would
    // read on into the next one is written closed.
    QByteArray rewrittenInPlace(const SettingsChanges &changes) const;
    // What could be read of a damaged file, with the changes: the sections as they come, each
    // key once, written as QSettings would, and nothing else.
    QByteArray rebuilt(const SettingsChanges &changes) const;
    // The lines of the keys the file does not set, by section, each section's by name.
    QMap<QString, QByteArray> newKeyLines(const SettingsChanges &changes) const;
    // Whether the line at start is the last one that sets the key.
    bool isLastSetting(const SettingsKey &key, qsizetype start) const;
    // Whether a line ending at end is the section's last header or key line.
    bool isSectionEnd(const QString &section, qsizetype end) const;

    struct Section
    {
        QHash<QString, Span> keys;
        qsizetype end = -1; // of its last header or key line
        QByteArrayView lineBreak = "\n"; // of that line, for the keys written after it
    };
    // The section of that name, empty where the file has none.
    const Section &sectionNamed(const QString &name) const;

    QByteArray m_bytes;
    QHash<QString, Section> m_sections;
    QByteArrayView m_lastBreak = "\n"; // of the last line, for the sections added at the end
    bool m_damaged = false;
};
