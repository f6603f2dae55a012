#pragma once

#include "core/commandline/StartOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line, read before any window system is touched, so that --help, --version and
// a mistake are answered without a display.
struct CommandLine
{
    // Set when the program ends here with this status, after printing out and err.
    std::optional<int> exitCode;
    QString out; // for standard output
    QString err; // for standard error

    StartOptions options;
    // Qt's own -platform and -display, which the toolkit reads again itself; empty when absent.
    QString platform;
    QString display;
};

// Reads arguments (the program's name first). Qt's own options, such as -platform <name>, are
// accepted and left for the toolkit.
CommandLine ParseCommandLine(const QStringList &arguments, const QString &version);
