#pragma once

#include <QString>

// The text on one line: each run of line breaks and tabs becomes a single blank. Blanks typed
// as such are content and stay as they are.
QString OneLineText(const QString &text);
