#pragma once

#include "core/settingsfile/SettingsStore.h"

#include <QStringList>

#include <optional>

// Everything the user can set, held in memory for the whole run and shared by both windows.
// The lists are read directly; they are changed only through the operations below, which keep
// both the same size.
struct EventList
{
    // Entry n is event n; entry 0 is the built-in event. Both lists always have the same size.
    // An entry whose description is empty counts as removed.
    QStringList EventDates;
    QStringList EventDescriptions;
    // Index, in both lists, of the event counted down to.
    qint32 ActiveEvent = 0;
    // DefaultWallpaperMarker for the built-in picture, otherwise the path of an image file.
    QString WallpaperPath;

    // One entry of the lists, as handed back by removeEvent to put it back later.
    struct Event
    {
        QString date;
        QString description;
    };

    // Upper bound of both lists (the number of entries after the built-in one).
    qsizetype upperBound() const { return EventDates.size() - 1; }
    bool isValidIndex(qint64 index) const { return index >= 0 && index < EventDates.size(); }
    // An index in the lists whose entry is not removed.
    bool isLiveEvent(qint64 index) const;
    // The entry counted down to: ActiveEvent, or the built-in event when ActiveEvent is outside
    // the lists. A removed entry is still counted down to.
    qsizetype countdownIndex() const;

    // Both lists hold only the built-in event.
    void resetToBuiltInEvent();
    // Adds an event after the last entry and returns its index.
    qsizetype appendEvent(const QString &date, const QString &description);
    // Marks the user's event at index removed and returns what it held. Nothing for the built-in
    // event or an index outside the lists.
    std::optional<Event> removeEvent(qint64 index);
    // Puts an entry back at index, as removeEvent returned it; false for an index outside the
    // lists. Entries keep their indexes, so several may be put back in any order.
    bool restoreEvent(qint64 index, const Event &event);
};

// The settings layout, in one place.
namespace SettingsLayout {
inline QString section()
{
    return QStringLiteral("countdown");
}
inline QString wallpaperKey()
{
    return QStringLiteral("Wallpaper");
}
inline QString activeKey()
{
    return QStringLiteral("Active");
}
inline QString dateKey(qint64 n)
{
    return QLatin1Char('d') + QString::number(n);
}
inline QString descriptionKey(qint64 n)
{
    return QLatin1Char('t') + QString::number(n);
}
} // namespace SettingsLayout

// As a wallpaper setting: the built-in picture. Compared by exact, case-sensitive equality.
inline QString DefaultWallpaperMarker()
{
    return QStringLiteral("veltor://default");
}
inline QString BuiltInEventDate()
{
    return QStringLiteral("2003-06-10 08:00");
}
inline QString BuiltInEventDescription()
{
    return QStringLiteral("Quorvane");
}
// Written into a removed entry's date.
inline QString RemovedEventDate()
{
    return QStringLiteral("* deleted *");
}

// Replaces the whole event store with what the settings store holds: every event whose date
// key holds text, in the order of their numbers, gaps passed over. ActiveEvent is the index of
// the event "Active" names; a number in a gap reads as the built-in event, one past the last
// event is kept as read.
void LoadSettings(EventList &events, const SettingsStore &settings);

// Writes the wallpaper text, the kept events renumbered from 1 and the selected event
// (selectedIndex -1: none) and commits them as one change. Changes neither list.
SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const QStringList &eventDates, const QStringList &eventDescriptions, int selectedIndex);
