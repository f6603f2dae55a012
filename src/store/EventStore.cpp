#include "store/EventStore.h"

using namespace SettingsLayout;

void LoadSettings(EventStore &store, const SettingsStore &settings)
{
    const QString sec = section();
    store.WallpaperPath = settings.get(sec, wallpaperKey(), DefaultWallpaperMarker());

    // Anything that is not a decimal integer in the signed 32-bit range reads as the built-in
    // event.
    bool ok = false;
    const int active = settings.get(sec, activeKey(), QStringLiteral("0")).toInt(&ok, 10);
    store.ActiveEvent = ok ? active : 0;

    store.EventDates = {BuiltInEventDate()};
    store.EventDescriptions = {BuiltInEventDescription()};
    for (qint64 n = 1;; ++n) {
        const QString date = settings.get(sec, dateKey(n), QString());
        if (date.isEmpty()) {
            break;
        }
        store.EventDates.append(date);
        store.EventDescriptions.append(settings.get(sec, descriptionKey(n)));
    }
}

SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const QStringList &eventDates, const QStringList &eventDescriptions, int selectedIndex)
{
    const QString sec = section();
    const qsizetype upper = eventDescriptions.size() - 1;

    settings.save(sec, wallpaperKey(), wallpaperText);

    qsizetype removed = 0;
    for (qsizetype j = 1; j <= upper; ++j) {
        if (eventDescriptions.at(j).isEmpty()) {
            ++removed;
        } else {
            const qsizetype number = j - removed;
            settings.save(sec, dateKey(number), eventDates.value(j));
            settings.save(sec, descriptionKey(number), eventDescriptions.at(j));
        }
        if (selectedIndex == j) {
            settings.save(sec, activeKey(), QString::number(j - removed));
        }
    }

    const qsizetype kept = upper - removed;
    for (qsizetype n = kept + 1; n <= upper; ++n) {
        if (settings.contains(sec, dateKey(n))) {
            settings.remove(sec, dateKey(n));
        }
        if (settings.contains(sec, descriptionKey(n))) {
            settings.remove(sec, descriptionKey(n));
        }
    }

    if (selectedIndex == 0) {
        settings.save(sec, activeKey(), QStringLiteral("0"));
    }
    return settings.commit();
}

void Main(EventStore &store, const SettingsStore &settings,
    const std::function<void()> &openCountdownWindow)
{
    LoadSettings(store, settings);
    openCountdownWindow();
}
