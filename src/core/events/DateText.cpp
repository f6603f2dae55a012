#include "core/events/DateText.h"

#include <iterator>

namespace {

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

bool MatchesDateShape(const QString &text)
{
    static constexpr char16_t shape[] = u"####-##-## ##:##";
    constexpr qsizetype length = std::size(shape) - 1;
    if (text.size() != length) {
        return false;
    }
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = text.at(i).unicode();
        // Only 0 to 9: other scripts' digits would not read as a date later.
        const bool matches = shape[i] == u'#' ? (c >= u'0' && c <= u'9') : c == shape[i];
        if (!matches) {
            return false;
        }
    }
    return true;
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
