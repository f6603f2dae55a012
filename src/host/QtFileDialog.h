#pragma once

#include "host/FileDialog.h"

class QtFileDialog final : public FileDialog
{
public:
    Result open(const Request &request) override;
};
