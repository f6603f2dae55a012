#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading, replacing and removing a user's file so that a crash, a full disk or a refusal never
// leaves half of it, and nothing but a regular file (or a link to one) is read or replaced: a
// named pipe would block, a device could be read without end or replaced by a file. The
// replacing and removing functions return an empty text when they succeeded, otherwise why not,
// naming the file or folder and ending with the system's reason.
//
// A file or folder marked read-only (no owner write permission) is refused, judged by its mode
// rather than by access(): a file the user marked read-only stays untouched even for root.

// What reading a file gave: its bytes, or nullopt and the reason it could not be read. A
// missing file reads as empty.
struct FileReading
{
    // False when nothing is there: a missing file, or one below a file where a folder should
    // be, which cannot be read either.
    bool exists = false;
    std::optional<QByteArray> bytes;
    QString error;
};

// Reads the regular file at path, through links, without blocking and without opening anything
// else; a file larger than maxBytes is refused too.
FileReading SafeRead(const QString &path, qint64 maxBytes);

// Makes the missing folders on the way to path and says why path may not be replaced: a loop
// of links, something else than a regular file, a folder or file marked read-only where the new
// file would be written (beside a link's target). A missing mustExist folder (the home folder,
// say) is not made up by writing below it.
QString PrepareSafeReplace(const QString &path, const QString &mustExist = QString());

// After PrepareSafeReplace's checks, replaces the file at path with bytes: the new file is
// staged beside the old one (beside a link's target) as .<name>.saving-XXXXXX, with the old
// file's permissions, flushed to disk and renamed over it, and the folder is flushed so that
// the rename lasts. On failure the file is as it was. Staging files of that name left by a save
// that was killed are removed once they are ten minutes old; nothing else is.
//
// When only the flush of the folder fails, the file is replaced but a power cut could still
// undo that: why goes to *unflushed when it is given (it is emptied otherwise), and is returned
// when it is not.
QString SafeReplace(const QString &path, const QByteArray &bytes,
    const QString &mustExist = QString(), QString *unflushed = nullptr);

// Removes the file at path, if it is there (a dangling link too); refused in a folder marked
// read-only, and for a file marked so.
QString SafeRemove(const QString &path);
