#include "core/settingsfile/NativeSettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString path(const SettingsKey &key)
{
    return key.first + QLatin1Char('/') + key.second;
}

SaveResult refused()
{
    return {false,
        QCoreApplication::translate(
            "NativeSettingsStore", "The settings store refused the change."),
        QString(), QString()};
}

} // namespace

NativeSettingsStore::NativeSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
    , m_seen(readAll())
{ }

NativeSettingsStore::~NativeSettingsStore() = default;

QString NativeSettingsStore::location() const
{
    return m_settings->fileName();
}

QHash<QString, QVariant> NativeSettingsStore::readAll() const
{
    // Reads again what another program may have written meanwhile.
    m_settings->sync();
    QHash<QString, QVariant> values;
    for (const QString &key : m_settings->allKeys()) {
        values.insert(key, m_settings->value(key));
    }
    return values;
}

bool NativeSettingsStore::changedElsewhere() const
{
    return readAll() != m_seen;
}

QString NativeSettingsStore::reload()
{
    m_seen = readAll();
    return QString();
}

std::optional<QString> NativeSettingsStore::stored(const QString &section, const QString &key) const
{
    const QVariant value = m_settings->value(path({section, key}));
    return value.isValid() ? std::optional(value.toString()) : std::nullopt;
}

QStringList NativeSettingsStore::storedKeys(const QString &section) const
{
    m_settings->beginGroup(section);
    QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
    return keys;
}

SaveResult NativeSettingsStore::write()
{
    if (!m_settings->isWritable()) {
        return refused();
    }
    stageStaleRemovals();
    const SettingsChanges &staged = changes();
    for (auto it = staged.cbegin(); it != staged.cend(); ++it) {
        if (it->has_value()) {
            m_settings->setValue(path(it.key()), **it);
        } else {
            m_settings->remove(path(it.key()));
        }
    }
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        return refused();
    }
    m_seen = readAll();
    return {};
}
