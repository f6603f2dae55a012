#pragma once

#include <QDateTime>

// The local clock. Callers that need whole seconds drop the milliseconds themselves;
// the countdown window keeps them to schedule its refreshes just after a second boundary.
class Clock
{
public:
    virtual ~Clock() = default;
    // Current local date and time (Qt::LocalTime).
    virtual QDateTime now() const = 0;
};
