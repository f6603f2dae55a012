#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

// An ini-format settings file as text: read without changing what a person or another program
// wrote, and rewritten so that QSettings reads every changed key as given and every other line
// as before.
class IniText
{
public:
    using Key = std::pair<QString, QString>; // section, key
    // A value to write, or nullopt to remove the key.
    using Changes = QHash<Key, std::optional<QString>>;

    explicit IniText(QByteArray bytes = QByteArray());

    const QByteArray &bytes() const { return m_bytes; }
    // True when the file cannot have been written completely by QSettings: it holds NUL bytes,
    // text that is not UTF-8 or a line that is neither a ';' comment, a [section] nor
    // key=value with names QSettings reads as spelt, or it does not end with a line break.
    bool isDamaged() const { return m_damaged; }
    // The value on the last line that sets the key, which is the one QSettings reads.
    std::optional<QString> value(const QString &section, const QString &key) const;
    void forEachKey(
        const QString &section, const std::function<void(const QString &key)> &visit) const;

    // The file with the changes: a changed key is written on the last line that sets it, a new
    // key after the last key of its section, and every other line is kept as it is. A damaged
    // file is rebuilt from what could be read: each key once, written as QSettings would.
    QByteArray rewritten(const Changes &changes) const;

private:
    // Where a key is set: its line and its value's bytes.
    struct Span
    {
        qsizetype line = -1;
        qsizetype start = 0;
        qsizetype size = 0;
    };

    // A key as the file spells it: its section's number and its name's bytes in m_bytes, so
    // that a file of many keys costs no string of its own per key.
    struct Name
    {
        qsizetype section = -1;
        QByteArrayView name;
        friend bool operator==(const Name &a, const Name &b)
        {
            return a.section == b.section && a.name == b.name;
        }
        friend size_t qHash(const Name &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.section, key.name);
        }
    };
    const Span *find(const QString &section, const QString &key) const;

    QByteArray m_bytes;
    QHash<QString, qsizetype> m_sectionNumbers;
    QHash<Name, Span> m_values; // the last line that sets each key
    QHash<QString, qsizetype> m_sectionEnds; // section -> end of its last header or key line
    bool m_damaged = false;
};
