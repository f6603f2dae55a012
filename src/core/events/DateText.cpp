#include "store/DateShape.h"

#include <iterator>

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
