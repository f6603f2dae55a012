#pragma once

#include "core/settingsfile/SettingsStore.h"

#include <QStringList>

// Passes every operation on to a real store and records it, as "get d1", "save d1=text",
// "remove d1", "contains d1" and "commit".
class RecordingSettingsStore final : public SettingsStore
{
public:
    explicit RecordingSettingsStore(SettingsStore &inner)
        : m_inner(inner)
    { }

    QString get(const QString &section, const QString &key,
        const QString &defaultValue = QString()) const override
    {
        log.append(QStringLiteral("get ") + key);
        return m_inner.get(section, key, defaultValue);
    }
    bool contains(const QString &section, const QString &key) const override
    {
        log.append(QStringLiteral("contains ") + key);
        return m_inner.contains(section, key);
    }
    QStringList keys(const QString &section) const override
    {
        log.append(QStringLiteral("keys ") + section);
        return m_inner.keys(section);
    }
    void save(const QString &section, const QString &key, const QString &value) override
    {
        log.append(QStringLiteral("save ") + key + QLatin1Char('=') + value);
        m_inner.save(section, key, value);
    }
    void remove(const QString &section, const QString &key) override
    {
        log.append(QStringLiteral("remove ") + key);
        m_inner.remove(section, key);
    }
    void removeStale(
        const QString &section, const std::function<bool(const QString &key)> &isStale) override
    {
        log.append(QStringLiteral("removeStale"));
        m_inner.removeStale(section, isStale);
    }
    SaveResult commit() override
    {
        log.append(QStringLiteral("commit"));
        return m_inner.commit();
    }
    void discard() override { m_inner.discard(); }
    QString location() const override { return m_inner.location(); }
    QString readError() const override { return m_inner.readError(); }
    bool changedElsewhere() const override { return m_inner.changedElsewhere(); }
    QString reload() override { return m_inner.reload(); }

    // Only the writes: saves and removes, in order.
    QStringList writes() const
    {
        QStringList out;
        for (const QString &entry : log) {
            if (entry.startsWith(QLatin1String("save "))
                || entry.startsWith(QLatin1String("remove "))) {
                out.append(entry);
            }
        }
        return out;
    }

    mutable QStringList log;

private:
    SettingsStore &m_inner;
};
