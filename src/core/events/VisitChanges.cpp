#include "core/events/VisitChanges.h"

VisitChanges::Applied VisitChanges::appliedTo(const EventList &theirs) const
{
    Applied out {theirs, -1, {}};
    EventList &merged = out.events;
    // Two equal events are told apart by order: each is taken once.
    QList<bool> taken(merged.EventDates.size(), false);
    for (const Touched &event : touched) {
        qsizetype found = -1;
        for (qsizetype i = 1; i < taken.size() && found < 0; ++i) {
            if (!taken.at(i) && merged.eventAt(i) == event.before) {
                found = i;
            }
        }
        if (found < 0) {
            out.conflicts.append(event.before);
            continue;
        }
        taken[found] = true;
        if (event.now.removed) {
            merged.removeEvent(found);
        } else {
            merged.changeEvent(found, event.now);
        }
    }
    for (const EventList::Event &event : added) {
        merged.appendEvent(event.date, event.description, event.repeat);
    }
    merged.WallpaperPath = wallpaper.value_or(theirs.WallpaperPath);

    if (chosen) {
        for (qsizetype i = 0; i < merged.EventDates.size() && out.selectedIndex < 0; ++i) {
            if (merged.eventAt(i) == *chosen) {
                out.selectedIndex = int(i);
            }
        }
    }
    // -1 keeps "Active" as stored, also when it names no event in the list.
    if (out.selectedIndex < 0 && merged.isValidIndex(theirs.ActiveEvent)) {
        out.selectedIndex = theirs.ActiveEvent;
    }
    return out;
}
