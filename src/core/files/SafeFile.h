#pragma once

#include <QByteArray>
#include <QString>

// Replacing and removing a user's file so that a crash, a full disk or a refusal never leaves
// half of it. Each function returns an empty text when it succeeded, otherwise why not, naming
// the file or folder and ending with the system's reason.
//
// A file or folder marked read-only (no owner write permission) is refused, judged by its mode
// rather than by access(): a file the user marked read-only stays untouched even for root.

// Makes the missing folders on the way to path and says why path may not be replaced: in a
// folder or over a file marked read-only. A missing mustExist folder (the home folder, say) is
// not made up by writing below it.
QString PrepareSafeReplace(const QString &path, const QString &mustExist = QString());

// After PrepareSafeReplace's checks, replaces the file at path with bytes: the new file is
// written beside the old one (beside a link's target, with the old file's permissions),
// flushed to disk and renamed over it, and the folder is flushed so that the rename lasts. On
// failure the file is as it was.
QString SafeReplace(
    const QString &path, const QByteArray &bytes, const QString &mustExist = QString());

// Removes the file at path, if it is there (a dangling link too); refused in a folder marked
// read-only.
QString SafeRemove(const QString &path);
