#pragma once

#include "host/MessageBox.h"

class QtMessageBox final : public MessageBox
{
public:
    void show(const QString &text, Style style, const QString &title = QString()) override;
};
