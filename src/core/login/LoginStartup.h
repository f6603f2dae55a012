#pragma once

#include <QString>

// Whether the program starts when the user logs in: one entry in the place the desktop reads
// at login, written for the program the user is running now.
class LoginStartup
{
public:
    struct Result
    {
        bool ok = true;
        QString error; // human-readable reason when !ok

        // The outcome that a reason of failure tells: none is success.
        static Result fromReason(const QString &reason) { return {reason.isEmpty(), reason}; }
    };

    virtual ~LoginStartup() = default;

    // Whether the entry is there and switched on.
    virtual bool isEnabled() const = 0;
    // Writes the entry switched on, or removes it. Nothing else is touched.
    virtual Result setEnabled(bool enabled) = 0;
};
