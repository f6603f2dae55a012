#pragma once

#include "core/events/EventList.h"

#include <optional>

// What one visit of the settings dialog changed, kept apart from the list it was made on, so
// that it can be saved on top of settings another program saved meanwhile.
struct VisitChanges
{
    // A stored event the visit changed or removed: as the visit found it, and as it left it.
    struct Touched
    {
        EventList::Event before;
        EventList::Event now; // removed set for a removal
    };

    // The settings another program saved, with the changes on top, ready for SaveEventList.
    struct Applied
    {
        EventList events; // WallpaperPath: the wallpaper text to save
        int selectedIndex = -1;
        // The events changed or removed in the visit that the other program changed or removed
        // too, as the visit found them; their changes are not applied.
        QList<EventList::Event> conflicts;
    };

    QList<Touched> touched;
    // Events not stored yet, in order.
    QList<EventList::Event> added;
    // The event the visit chose, when it chose another than the one it opened on.
    std::optional<EventList::Event> chosen;
    // The wallpaper text, when the visit changed it.
    std::optional<QString> wallpaper;

    // theirs is the settings as LoadSettings read them now. Each touched event is looked for
    // there by what it held when the visit began, the first one not taken by another, and
    // changed or removed; the additions follow; the chosen event is found by what it holds,
    // otherwise theirs stays chosen.
    Applied appliedTo(const EventList &theirs) const;
};
