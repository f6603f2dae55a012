#include "countdown/Readout.h"

#include "store/DateShape.h"

#include <limits>

namespace {

// Every readout unit counted from a fixed origin: days, hours, minutes or seconds since the
// start of the Julian day numbering, on the clock face.
qint64 unitIndex(Unit unit, const WallClockTime &t)
{
    const qint64 day = t.date.toJulianDay();
    const qint64 hour = t.time.hour();
    const qint64 minute = t.time.minute();
    const qint64 second = t.time.second();
    switch (unit) {
    case Unit::Days:
        return day;
    case Unit::Hours:
        return 24 * day + hour;
    case Unit::Minutes:
        return 1440 * day + 60 * hour + minute;
    case Unit::Seconds:
        return 86400 * day + 3600 * hour + 60 * minute + second;
    }
    Q_UNREACHABLE();
    return 0;
}

int digits(const QString &text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
    }
    return value;
}

} // namespace

WallClockTime WallClockTime::fromDateTime(const QDateTime &dateTime)
{
    const QTime t = dateTime.time();
    return {dateTime.date(), QTime(t.hour(), t.minute(), t.second())};
}

char UnitCode(Unit unit)
{
    switch (unit) {
    case Unit::Days:
        return 'd';
    case Unit::Hours:
        return 'h';
    case Unit::Minutes:
        return 'n';
    case Unit::Seconds:
        return 's';
    }
    Q_UNREACHABLE();
    return '?';
}

QString UnitSuffix(Unit unit)
{
    switch (unit) {
    case Unit::Days:
        return QStringLiteral(" Days");
    case Unit::Hours:
        return QStringLiteral(" Hrs.");
    case Unit::Minutes:
        return QStringLiteral(" Min.");
    case Unit::Seconds:
        return QStringLiteral(" Sec.");
    }
    Q_UNREACHABLE();
    return QString();
}

std::optional<qint32> UnitsBetween(Unit unit, const WallClockTime &from, const WallClockTime &to)
{
    if (!from.date.isValid() || !from.time.isValid() || !to.date.isValid() || !to.time.isValid()) {
        return std::nullopt;
    }
    const qint64 count = unitIndex(unit, to) - unitIndex(unit, from);
    if (count < std::numeric_limits<qint32>::min() || count > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(count);
}

DateTextFault FindDateTextFault(const QString &text)
{
    if (!MatchesDateShape(text)) {
        return DateTextFault::Shape;
    }
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    // QDate has no year 0 and follows the Gregorian calendar's leap years.
    if (year == 0) {
        return DateTextFault::Year;
    }
    if (month < 1 || month > 12) {
        return DateTextFault::Month;
    }
    if (!QDate::isValid(year, month, digits(text, 8, 2))) {
        return DateTextFault::Day;
    }
    if (digits(text, 11, 2) > 23) {
        return DateTextFault::Hour;
    }
    if (digits(text, 14, 2) > 59) {
        return DateTextFault::Minute;
    }
    return DateTextFault::None;
}

std::optional<WallClockTime> ParseDateText(const QString &text)
{
    if (FindDateTextFault(text) != DateTextFault::None) {
        return std::nullopt;
    }
    return WallClockTime {QDate(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2)),
        QTime(digits(text, 11, 2), digits(text, 14, 2))};
}

QString ReadoutLineText(Unit unit, qint32 count)
{
    return QString::number(count) + UnitSuffix(unit);
}

Readout ComputeReadout(const Clock &clock, const QString &targetDate)
{
    Readout readout;
    const std::optional<WallClockTime> target = ParseDateText(targetDate);
    if (!target) {
        return readout;
    }
    for (const Unit unit : ReadoutUnits) {
        const WallClockTime now = WallClockTime::fromDateTime(clock.now());
        const std::optional<qint32> count = UnitsBetween(unit, now, *target);
        if (!count) {
            break;
        }
        readout.lines.append(ReadoutLineText(unit, *count));
    }
    return readout;
}
