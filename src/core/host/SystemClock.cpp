#include "core/host/SystemClock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
