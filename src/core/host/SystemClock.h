#pragma once

#include "core/host/Clock.h"

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
