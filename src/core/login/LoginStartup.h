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
    };

    virtual ~LoginStartup() = default;

    // Whether the entry is there and switched on.
    virtual bool isEnabled() const = 0;
    // Writes the entry switched on, or removes it. Nothing else is touched.
    virtual Result setEnabled(bool enabled) = 0;

protected:
    // Replaces the file at path with content as a whole, creating its folder if needed. A file
    // or folder marked read-only (no owner write permission) is refused, also for root.
    static Result writeFile(const QString &path, const QByteArray &content);
    // Removes the file at path, if it is there; refused in a folder marked read-only.
    static Result removeFile(const QString &path);
};
