#pragma once

#include <QString>

// Modal message box with one OK button; returns when dismissed.
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

    static QString applicationTitle() { return QStringLiteral("Quorvane"); }
};
