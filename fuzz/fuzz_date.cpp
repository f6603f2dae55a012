// The date reader: never crashes, and whatever it accepts prints back to the same text and
// lies in the valid ranges.
#include "core/countdown/Readout.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<WallClockTime> read = ParseDateText(text);
    if (!read) {
        return 0;
    }
    const QString printed = read->date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
        + read->time.toString(QStringLiteral("HH:mm"));
    if (printed != text || !read->date.isValid() || !read->time.isValid()
        || read->time.second() != 0 || read->date.year() < 1 || read->date.year() > 9999) {
        std::abort();
    }
    // Counting towards it from any reading of the clock must not overflow silently.
    for (const Unit unit : ReadoutUnits) {
        (void)UnitsBetween(unit, WallClockTime {QDate(1, 1, 1), QTime(0, 0)}, *read);
    }
    return 0;
}
