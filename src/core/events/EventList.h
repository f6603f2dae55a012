#pragma once

#include "core/settingsfile/SettingsStore.h"

#include <QStringList>

#include <optional>

// Everything the user can set, held in memory for the whole run and shared by both windows.
// The lists are read directly; they are changed only through the operations below, which keep
// them the same size.
struct EventList
{
    // Entry n is event n; entry 0 is the built-in event. The lists always have the same size.
    QStringList EventDates;
    // Empty for an event written without one by hand: an event like any other.
    QStringList EventDescriptions;
    // How each event repeats, as stored: YearlyRepeat(), empty for a one-off event, or a value a
    // later version wrote, which counts as one-off and is kept as it is.
    QStringList EventRepeats;
    // Whether the entry was marked removed by removeEvent: the next save leaves it out.
    QList<bool> EventRemoved;
    // Index, in the lists, of the event counted down to.
    qint32 ActiveEvent = 0;
    // DefaultWallpaperMarker for the built-in picture, otherwise the path of an image file.
    QString WallpaperPath;
    // Upper bound of the lists as LoadSettings left them: the entries after it were added since
    // and are not in the settings store yet.
    qsizetype LoadedUpperBound = 0;

    // One entry of the lists, as handed back by removeEvent to put it back later.
    struct Event
    {
        QString date;
        QString description;
        QString repeat = QString();
        bool removed = false;

        friend bool operator==(const Event &, const Event &) = default;
    };

    // Upper bound of the lists (the number of entries after the built-in one).
    qsizetype upperBound() const { return EventDates.size() - 1; }
    bool isValidIndex(qint64 index) const { return index >= 0 && index < EventDates.size(); }
    // An index in the lists whose entry is not removed.
    bool isLiveEvent(qint64 index) const;
    // The entry counted down to: ActiveEvent, or the built-in event when ActiveEvent is outside
    // the lists. A removed entry is still counted down to.
    qsizetype countdownIndex() const;
    // The entry at index comes back every year.
    bool isYearly(qint64 index) const;
    // What the entry at index holds; an index outside the lists must not be passed.
    Event eventAt(qsizetype index) const;
    // The entries added since the last LoadSettings and not removed, in order.
    QList<Event> addedEvents() const;

    // The lists hold only the built-in event.
    void resetToBuiltInEvent();
    // Adds an event after the last entry and returns its index.
    qsizetype appendEvent(
        const QString &date, const QString &description, const QString &repeat = QString());
    // Replaces what the user's live event at index holds and returns what it held before.
    // Nothing for the built-in event, a removed entry or an index outside the lists.
    std::optional<Event> changeEvent(qint64 index, const Event &event);
    // Marks the user's event at index removed and returns what it held. Nothing for the built-in
    // event, an entry removed already or an index outside the lists.
    std::optional<Event> removeEvent(qint64 index);
    // Puts an entry back at index, as removeEvent or changeEvent returned it; false for an index
    // outside the lists. Entries keep their indexes, so several may be put back in any order.
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
inline QString repeatKey(qint64 n)
{
    return QLatin1Char('r') + QString::number(n);
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
// As a repeat value: the event comes back every year. Compared by exact equality.
inline QString YearlyRepeat()
{
    return QStringLiteral("yearly");
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

// Reads the settings store again and loads it as LoadSettings does; the events added since the
// last load, which are not stored yet, are appended again after the stored ones.
void ReloadSettings(EventList &events, SettingsStore &settings);

// Writes the wallpaper text, the events not marked removed renumbered from 1 and the selected
// event (selectedIndex -1: none) and commits them as one change. An event with a repeat value
// gets it under its new number; one without has none stored. Changes no list.
SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const QStringList &eventDates, const QStringList &eventDescriptions, int selectedIndex,
    const QStringList &eventRepeats = {}, const QList<bool> &eventRemoved = {});
// The same for the lists of an event list.
SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const EventList &events, int selectedIndex);
