#include "core/events/ShownText.h"

QString ShownText(const QString &text, qsizetype limit)
{
    if (text.size() <= limit) {
        return text;
    }
    qsizetype cut = limit;
    // Never between the two halves of a character outside the basic plane.
    if (text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return text.left(cut) + QChar(0x2026);
}
