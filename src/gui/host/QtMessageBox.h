#pragma once

#include "core/host/MessageBox.h"

class QtMessageBox final : public MessageBox
{
public:
    void show(const QString &text, Style style, const QString &title = QString()) override;
    bool ask(const QString &text, const QString &firstAnswer, const QString &secondAnswer,
        Style style, const QString &title = QString()) override;
};
