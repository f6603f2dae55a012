#include "core/events/OneLineText.h"

namespace {

bool breaksLine(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u0085': // next line
    case u'\u2028': // line separator
    case u'\u2029': // paragraph separator
        return true;
    default:
        return false;
    }
}

} // namespace

QString OneLineText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool inRun = false;
    for (const QChar c : text) {
        if (breaksLine(c.unicode())) {
            if (!inRun) {
                out.append(QLatin1Char(' '));
            }
            inRun = true;
        } else {
            out.append(c);
            inRun = false;
        }
    }
    return out;
}
