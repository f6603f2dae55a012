#pragma once

#include "app/Translations.h"

#include <QString>

// Stands while the toolkit connects to its display, which it does inside QApplication's
// constructor and aborts where it cannot, or where it fails for another cause. Then the reason
// is told in one line, as MissingDisplay words it or else as the toolkit did, and the program
// ends with status 1 rather than the toolkit's abort. What the toolkit says meanwhile is held
// back and told as it was once the guard is released.
//
// The display is looked at only when the toolkit has failed, so a start that finds its
// display pays for one connection, the toolkit's own. One guard stands at a time.
class DisplayGuard final
{
public:
    // platform and display are Qt's -platform and -display options, empty when not given; the
    // line is said in the language of translations, which must outlive the guard.
    DisplayGuard(const QString &platform, const QString &display, const Translations &translations);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // Gives the toolkit its message handling back and tells what was held.
    void release();

private:
    bool m_standing = true;
};
