#pragma once

#include "host/Clock.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>
#include <optional>

// A local wall-clock date and time to the second, with no time zone: arithmetic on it
// follows the calendar and the clock face, so a day always has 24 hours.
struct WallClockTime
{
    QDate date;
    QTime time;

    // The clock reading with the milliseconds dropped.
    static WallClockTime fromDateTime(const QDateTime &dateTime);
    friend bool operator==(const WallClockTime &, const WallClockTime &) = default;
};

// The readout's units, in the order of its lines. The codes are "d", "h", "n" and "s".
enum class Unit { Days, Hours, Minutes, Seconds };

inline constexpr std::array<Unit, 4> ReadoutUnits
    = {Unit::Days, Unit::Hours, Unit::Minutes, Unit::Seconds};

// The unit's code letter: 'd', 'h', 'n' or 's'.
char UnitCode(Unit unit);
// The text after the count on the unit's line, e.g. " Days".
QString UnitSuffix(Unit unit);

// Unit boundaries crossed from `from` to `to`: positive when `to` is later. Empty when the
// count does not fit a signed 32-bit integer.
std::optional<qint32> UnitsBetween(Unit unit, const WallClockTime &from, const WallClockTime &to);

// Why a date text cannot be read, the first fault found in this order.
enum class DateTextFault {
    None, // it reads
    Shape, // not of the form "YYYY-MM-DD HH:MM"
    Year, // year 0000: the calendar starts at year 1
    Month, // month outside 01 to 12
    Day, // no such day in that month of that year
    Hour, // hour outside 00 to 23
    Minute, // minute outside 00 to 59
};
DateTextFault FindDateTextFault(const QString &text);

// Reads a date text of exactly the form "YYYY-MM-DD HH:MM" naming a real date and time,
// seconds 0. Anything else, an impossible date or time included, gives nothing.
std::optional<WallClockTime> ParseDateText(const QString &text);

// The text of one readout line: the count in decimal followed by the unit's suffix.
QString ReadoutLineText(Unit unit, qint32 count);

// The readout for targetDate, line by line, each line reading the clock just before it is
// computed. Stops at the first line that fails: an unreadable date fails at the first line,
// a count that overflows at its own line. `lines` holds the texts of the lines before it.
struct Readout
{
    QStringList lines; // at most four, in the order days, hours, minutes, seconds
    bool complete() const { return lines.size() == 4; }
};
Readout ComputeReadout(const Clock &clock, const QString &targetDate);
