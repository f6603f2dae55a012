#pragma once

#include <QString>

// The desktop's file-open dialog.
class FileDialog
{
public:
    enum Flag {
        HideReadOnly = 0x4,
        FileMustExist = 0x1000,
    };

    // The number a cancelled dialog reports as its failure.
    static constexpr int CancelErrorNumber = 32755;

    struct Request
    {
        QString title;
        // One entry: display text, "|", patterns separated by semicolons.
        QString filter;
        int flags = 0;
        // Offered as the initial file name; empty for none.
        QString initialFile;
        // Where the dialog starts when there is no initial file; empty for the toolkit's choice.
        QString initialFolder;
    };

    struct Result
    {
        enum Outcome { Chosen, Cancelled, Failed };
        Outcome outcome = Cancelled;
        QString path; // full path when Chosen
        int errorNumber = 0; // CancelErrorNumber when Cancelled, otherwise set when Failed
        QString description; // when Failed
    };

    virtual ~FileDialog() = default;
    // Shows the dialog modally and waits for it to close.
    virtual Result open(const Request &request) = 0;
};
