#include "core/events/EventList.h"

#include <algorithm>
#include <optional>

using namespace SettingsLayout;

namespace {

// n for an event key "d<n>", "t<n>" or "r<n>" as the program writes it; nothing else.
std::optional<qint64> eventKeyNumber(const QString &key)
{
    if (key.size() < 2 || key.size() > 19 || !QStringView(u"dtr").contains(key.at(0))
        || key.at(1) == QLatin1Char('0')) {
        return std::nullopt;
    }
    qint64 n = 0;
    for (qsizetype i = 1; i < key.size(); ++i) {
        const char16_t c = key.at(i).unicode();
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

bool EventList::isLiveEvent(qint64 index) const
{
    return isValidIndex(index) && !EventRemoved.value(index);
}

qsizetype EventList::countdownIndex() const
{
    return isValidIndex(ActiveEvent) ? ActiveEvent : 0;
}

bool EventList::isYearly(qint64 index) const
{
    return isValidIndex(index) && EventRepeats.value(index) == YearlyRepeat();
}

EventList::Event EventList::eventAt(qsizetype index) const
{
    return {EventDates.at(index), EventDescriptions.at(index), EventRepeats.value(index),
        EventRemoved.value(index)};
}

QList<EventList::Event> EventList::addedEvents() const
{
    QList<Event> added;
    for (qsizetype i = LoadedUpperBound + 1; i < EventDates.size(); ++i) {
        if (isLiveEvent(i)) {
            added.append(eventAt(i));
        }
    }
    return added;
}

void EventList::resetToBuiltInEvent()
{
    EventDates = {BuiltInEventDate()};
    EventDescriptions = {BuiltInEventDescription()};
    EventRepeats = {QString()};
    EventRemoved = {false};
    LoadedUpperBound = 0;
}

qsizetype EventList::appendEvent(
    const QString &date, const QString &description, const QString &repeat)
{
    // Lists filled by hand may have left these short; they catch up first.
    EventRepeats.resize(EventDates.size());
    EventRemoved.resize(EventDates.size());
    EventDates.append(date);
    EventDescriptions.append(description);
    EventRepeats.append(repeat);
    EventRemoved.append(false);
    return upperBound();
}

std::optional<EventList::Event> EventList::changeEvent(qint64 index, const Event &event)
{
    if (index < 1 || !isLiveEvent(index)) {
        return std::nullopt;
    }
    const Event held = eventAt(index);
    restoreEvent(index, event);
    return held;
}

std::optional<EventList::Event> EventList::removeEvent(qint64 index)
{
    if (index < 1 || !isLiveEvent(index)) {
        return std::nullopt;
    }
    const Event held = eventAt(index);
    restoreEvent(index, {RemovedEventDate(), QString(), QString(), true});
    return held;
}

bool EventList::restoreEvent(qint64 index, const Event &event)
{
    if (!isValidIndex(index)) {
        return false;
    }
    EventRepeats.resize(EventDates.size());
    EventRemoved.resize(EventDates.size());
    EventDates[index] = event.date;
    EventDescriptions[index] = event.description;
    EventRepeats[index] = event.repeat;
    EventRemoved[index] = event.removed;
    return true;
}

void LoadSettings(EventList &events, const SettingsStore &settings)
{
    const QString sec = section();
    events.WallpaperPath = settings.get(sec, wallpaperKey(), DefaultWallpaperMarker());

    // Anything that is not a decimal integer in the signed 32-bit range reads as the built-in
    // event.
    bool ok = false;
    const int active = settings.get(sec, activeKey(), QStringLiteral("0")).toInt(&ok, 10);
    events.ActiveEvent = ok ? active : 0;

    // Every numbered event present, in number order: a number missing from the file (an event
    // deleted by hand) or a date left empty is passed over, and the next save numbers the rest
    // from 1 without gaps.
    QList<qint64> numbers;
    for (const QString &key : settings.keys(sec)) {
        if (key.startsWith(QLatin1Char('d'))) {
            if (const std::optional<qint64> n = eventKeyNumber(key)) {
                numbers.append(*n);
            }
        }
    }
    std::sort(numbers.begin(), numbers.end());

    events.resetToBuiltInEvent();
    std::optional<qsizetype> activeIndex;
    for (const qint64 n : std::as_const(numbers)) {
        const QString date = settings.get(sec, dateKey(n), QString());
        if (date.isEmpty()) {
            continue;
        }
        const QString description = settings.get(sec, descriptionKey(n));
        const qsizetype index
            = events.appendEvent(date, description, settings.get(sec, repeatKey(n)));
        if (n == active) {
            activeIndex = index;
        }
    }
    // "Active" names the event by its number in the file, which is its index once the numbers
    // have no gaps. A number in a gap must not land on the event after it: it names the
    // built-in event, which the countdown shows for it anyway, and the next save says so.
    if (activeIndex) {
        events.ActiveEvent = qint32(*activeIndex);
    } else if (events.isValidIndex(events.ActiveEvent)) {
        events.ActiveEvent = 0;
    }
    events.LoadedUpperBound = events.upperBound();
}

void ReloadSettings(EventList &events, SettingsStore &settings)
{
    const QList<EventList::Event> added = events.addedEvents();
    settings.reload();
    LoadSettings(events, settings);
    for (const EventList::Event &event : added) {
        events.appendEvent(event.date, event.description, event.repeat);
    }
}

SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const QStringList &eventDates, const QStringList &eventDescriptions, int selectedIndex,
    const QStringList &eventRepeats, const QList<bool> &eventRemoved)
{
    const QString sec = section();
    const qsizetype upper = eventDescriptions.size() - 1;

    settings.save(sec, wallpaperKey(), wallpaperText);

    qsizetype removed = 0;
    for (qsizetype j = 1; j <= upper; ++j) {
        if (eventRemoved.value(j)) {
            ++removed;
        } else {
            const qsizetype number = j - removed;
            settings.save(sec, dateKey(number), eventDates.value(j));
            settings.save(sec, descriptionKey(number), eventDescriptions.at(j));
            // A one-off event's number loses its repeat key through the clean-up below.
            const QString repeat = eventRepeats.value(j);
            if (!repeat.isEmpty()) {
                settings.save(sec, repeatKey(number), repeat);
            }
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

    // Event keys above the kept ones that this run never read, such as those another
    // instance saved meanwhile, would mix another list into this one or come back later. The
    // same goes for every repeat key not saved just now: one left beside a one-off event,
    // read or written meanwhile, would make it yearly.
    settings.removeStale(sec, [kept](const QString &key) {
        const std::optional<qint64> number = eventKeyNumber(key);
        return number && (*number > kept || key.at(0) == QLatin1Char('r'));
    });
    return settings.commit();
}

SaveResult SaveEventList(SettingsStore &settings, const QString &wallpaperText,
    const EventList &events, int selectedIndex)
{
    return SaveEventList(settings, wallpaperText, events.EventDates, events.EventDescriptions,
        selectedIndex, events.EventRepeats, events.EventRemoved);
}
