#pragma once

#include <QStringList>

// The families of wanted that this desktop has, in their order; all of them when it has none.
// A font asked for by a missing family first searches for that family's substitutes before it
// moves on to the next, and does so again for every size: left out, it costs nothing.
QStringList InstalledFamilies(const QStringList &wanted);
