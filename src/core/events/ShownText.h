#pragma once

#include <QString>

// How many characters of a stored text a window shows at most (a title, a list item, a label).
constexpr qsizetype ShownTextLimit = 200;

// The text as a window shows it: whole up to limit characters, otherwise cut there and marked
// with an ellipsis. A text of any length stays cheap to show, and a window system that refuses
// very long titles is never asked for one; the stored text stays as it is.
QString ShownText(const QString &text, qsizetype limit = ShownTextLimit);
