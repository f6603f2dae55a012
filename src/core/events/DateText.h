#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// The date text of an event: "YYYY-MM-DD HH:MM" on the 24-hour clock, read as local wall-clock
// time. Its shape, what is wrong with it and its reading are decided here and nowhere else.

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

// True when text has the shape "####-##-## ##:##" as a whole: each # one ASCII digit, every
// other character itself. Only the shape is tested, not whether the date exists.
bool MatchesDateShape(const QString &text);

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
