#pragma once

#include "host/Clock.h"

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
