#pragma once

#include "core/host/MessageBox.h"

#include <QList>

#include <functional>

// Records every message box instead of showing it; answers questions as queued by the test,
// with the second answer when none is queued.
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
        if (onShow) {
            onShow();
        }
    }

    bool ask(const QString &text, const QString &firstAnswer, const QString &secondAnswer,
        Style style, const QString &title = QString()) override
    {
        show(text, style, title);
        asked.append({firstAnswer, secondAnswer});
        return !answers.isEmpty() && answers.takeFirst();
    }

    QList<Shown> shown; // questions too
    QList<QStringList> asked; // the two answers offered by each question
    QList<bool> answers; // true: the first answer
    std::function<void()> onShow; // runs as each box shows, to look at the windows then
};
