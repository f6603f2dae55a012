#pragma once

#include "host/MessageBox.h"

#include <QList>

// Records every message box instead of showing it.
class ScriptedMessageBox final : public MessageBox
{
public:
    struct Shown
    {
        QString text;
        Style style;
        QString title; // as the user would see it: the application title when none was given
    };

    void show(const QString &text, Style style, const QString &title = QString()) override
    {
        shown.append({text, style, title.isEmpty() ? applicationTitle() : title});
    }

    QList<Shown> shown;
};
