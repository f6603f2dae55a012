#include "core/countdown/Readout.h"

#include <QCoreApplication>

#include <limits>
#include <utility>

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

} // namespace

QString UnitSuffix(Unit unit)
{
    // The figure comes first, in plain digits; the leading space separates it from the word.
    switch (unit) {
    case Unit::Days:
        //: After the days left, as in "12 Days". Keep the leading space; the whole line, figure
        //: included, fits 345 pixels at 21.75 pt.
        return QCoreApplication::translate("Readout", " Days");
    case Unit::Hours:
        //: After the hours left, as in "290 Hrs.". Keep the leading space; short, as it follows
        //: up to ten digits on a line of 345 pixels at 21.75 pt.
        return QCoreApplication::translate("Readout", " Hrs.");
    case Unit::Minutes:
        //: After the minutes left. Keep the leading space; short, as it follows up to ten digits
        //: on a line of 345 pixels at 21.75 pt.
        return QCoreApplication::translate("Readout", " Min.");
    case Unit::Seconds:
        //: After the seconds left. Keep the leading space; short, as it follows up to ten digits
        //: on a line of 345 pixels at 21.75 pt.
        return QCoreApplication::translate("Readout", " Sec.");
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

QString ReadoutLineText(Unit unit, qint32 count)
{
    return QString::number(count) + UnitSuffix(unit);
}

WallClockTime NextAnniversary(const WallClockTime &stored, const WallClockTime &now)
{
    const int month = stored.date.month();
    const int day = stored.date.day();
    const auto inYear = [&](int year) {
        // Only 29 February can be missing from a year.
        return WallClockTime {
            QDate(year, month, QDate::isValid(year, month, day) ? day : 28), stored.time};
    };
    const WallClockTime thisYear = inYear(now.date.year());
    const bool passed = std::pair(thisYear.date, thisYear.time) < std::pair(now.date, now.time);
    return passed ? inYear(now.date.year() + 1) : thisYear;
}

Readout ComputeReadout(const Clock &clock, const QString &targetDate, bool yearly)
{
    Readout readout;
    const std::optional<WallClockTime> stored = ParseDateText(targetDate);
    if (!stored) {
        return readout;
    }
    for (const Unit unit : ReadoutUnits) {
        const WallClockTime now = WallClockTime::fromDateTime(clock.now());
        // From each line's own reading, so that a line read just after the moment counts to
        // the next year rather than below zero.
        const WallClockTime target = yearly ? NextAnniversary(*stored, now) : *stored;
        const std::optional<qint32> count = UnitsBetween(unit, now, target);
        if (!count) {
            break;
        }
        readout.lines.append(ReadoutLineText(unit, *count));
    }
    return readout;
}
