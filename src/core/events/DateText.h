#pragma once

#include <QString>

// True when text has the shape "####-##-## ##:##" as a whole: each # one ASCII digit, every
// other character itself. Only the shape is tested, not whether the date exists.
bool MatchesDateShape(const QString &text);
