#pragma once

#include <QString>

// Modal message box with one OK button, or a question with two answers; returns when
// dismissed.
class MessageBox
{
public:
    enum Style {
        Stop = 16, // stop icon
        Exclamation = 48, // exclamation icon
    };

    virtual ~MessageBox() = default;
    // An empty title shows the application title, applicationTitle().
    virtual void show(const QString &text, Style style, const QString &title = QString()) = 0;
    // A question with two answers, the second the one that changes nothing (also Escape and
    // the title-bar close button). True for the first answer.
    virtual bool ask(const QString &text, const QString &firstAnswer, const QString &secondAnswer,
        Style style, const QString &title = QString())
        = 0;

    static QString applicationTitle() { return QStringLiteral("Quorvane"); }
};
