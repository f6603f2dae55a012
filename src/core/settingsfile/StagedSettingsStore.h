#pragma once

#include "core/settingsfile/SettingsChanges.h"
#include "core/settingsfile/SettingsStore.h"

#include <QList>

// What the backends share: saves and removals are staged here, seen by get(), contains() and
// keys() at once, and handed to the backend's write() together at commit().
class StagedSettingsStore : public SettingsStore
{
public:
    QString get(const QString &section, const QString &key,
        const QString &defaultValue = QString()) const final;
    bool contains(const QString &section, const QString &key) const final;
    QStringList keys(const QString &section) const final;
    void save(const QString &section, const QString &key, const QString &value) final;
    void remove(const QString &section, const QString &key) final;
    void removeStale(
        const QString &section, const std::function<bool(const QString &key)> &isStale) final;
    SaveResult commit() final;
    void discard() final;

protected:
    // The value the store holds without the staged changes.
    virtual std::optional<QString> stored(const QString &section, const QString &key) const = 0;
    virtual QStringList storedKeys(const QString &section) const = 0;
    // Writes the staged changes as one replacement of the store; commit() drops them after.
    virtual SaveResult write() = 0;

    // Stages the removals removeStale() asked for, among the keys the store holds now.
    void stageStaleRemovals();
    const SettingsChanges &changes() const { return m_pending; }

private:
    struct StaleRule
    {
        QString section;
        std::function<bool(const QString &)> isStale;
    };

    SettingsChanges m_pending;
    QList<StaleRule> m_staleRules;
};
