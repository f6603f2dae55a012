#include "core/settingsfile/StagedSettingsStore.h"

QString StagedSettingsStore::get(
    const QString &section, const QString &key, const QString &defaultValue) const
{
    if (const auto staged = m_pending.constFind({section, key}); staged != m_pending.cend()) {
        return staged->value_or(defaultValue);
    }
    return stored(section, key).value_or(defaultValue);
}

bool StagedSettingsStore::contains(const QString &section, const QString &key) const
{
    if (const auto staged = m_pending.constFind({section, key}); staged != m_pending.cend()) {
        return staged->has_value();
    }
    return stored(section, key).has_value();
}

QStringList StagedSettingsStore::keys(const QString &section) const
{
    QStringList out;
    for (const QString &key : storedKeys(section)) {
        if (!m_pending.contains({section, key})) {
            out.append(key);
        }
    }
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        if (it.key().first == section && it->has_value()) {
            out.append(it.key().second);
        }
    }
    return out;
}

void StagedSettingsStore::save(const QString &section, const QString &key, const QString &value)
{
    m_pending.insert({section, key}, value);
}

void StagedSettingsStore::remove(const QString &section, const QString &key)
{
    m_pending.insert({section, key}, std::nullopt);
}

void StagedSettingsStore::removeStale(
    const QString &section, const std::function<bool(const QString &key)> &isStale)
{
    m_staleRules.append({section, isStale});
}

SaveResult StagedSettingsStore::commit()
{
    SaveResult result = write();
    discard();
    return result;
}

void StagedSettingsStore::discard()
{
    m_pending.clear();
    m_staleRules.clear();
}

void StagedSettingsStore::stageStaleRemovals()
{
    for (const StaleRule &rule : std::as_const(m_staleRules)) {
        for (const QString &key : storedKeys(rule.section)) {
            if (rule.isStale(key) && !m_pending.contains({rule.section, key})) {
                m_pending.insert({rule.section, key}, std::nullopt);
            }
        }
    }
}
