#pragma once

#include "core/events/DateText.h"
#include "core/host/Clock.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The readout's units, in the order of its lines.
enum class Unit { Days, Hours, Minutes, Seconds };

inline constexpr std::array<Unit, 4> ReadoutUnits
    = {Unit::Days, Unit::Hours, Unit::Minutes, Unit::Seconds};

// The text after the count on the unit's line, e.g. " Days".
QString UnitSuffix(Unit unit);

// Unit boundaries crossed from `from` to `to`: positive when `to` is later. Empty when the
// count does not fit a signed 32-bit integer.
std::optional<qint32> UnitsBetween(Unit unit, const WallClockTime &from, const WallClockTime &to);

// The text of one readout line: the count in decimal followed by the unit's suffix.
QString ReadoutLineText(Unit unit, qint32 count);

// When a yearly event stored for `stored` comes back next: the first wall-clock time at or
// after `now` with its month, day, hour and minute. 29 February falls on 28 February in years
// without it. A time the clock skips at a change to daylight saving time still counts, on the
// clock face, like every other.
WallClockTime NextAnniversary(const WallClockTime &stored, const WallClockTime &now);

// The readout for targetDate, line by line, each line reading the clock just before it is
// computed. A yearly event counts to its next anniversary as of each line's reading, so that
// no line ever counts below zero. Stops at the first line that fails: an unreadable date
// fails at the first line, a count that overflows at its own line. `lines` holds the texts of
// the lines before it.
struct Readout
{
    QStringList lines; // at most four, in the order days, hours, minutes, seconds
    bool complete() const { return lines.size() == 4; }
};
Readout ComputeReadout(const Clock &clock, const QString &targetDate, bool yearly = false);
