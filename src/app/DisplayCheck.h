#pragma once

#include "app/Translations.h"

#include <QString>

// Why no window can be shown, as one line, or empty text when a display can be reached.
// Asked once the toolkit has failed to start (DisplayGuard), so it looks at the display
// itself.
//
// platform and display are Qt's -platform and -display options, empty when not given; the
// platform may also come from QT_QPA_PLATFORM. Where no platform is chosen, an X11 display
// that accepts a connection or a Wayland socket that does will do, the latter only where Qt's
// Wayland platform is installed. A platform other than X11 or Wayland (offscreen, say) is left
// to Qt. The line is in the language of translations.
QString MissingDisplay(
    const QString &platform, const QString &display, const Translations &translations);
