#pragma once

#include <QStringList>

#include <cstdio>

// The command line as the program was started with it, and where its answers are printed,
// before QApplication exists.

// The arguments, the program's name first. On Windows they are read from the command line
// itself: main's argv is in the ANSI code page, which loses what it cannot spell.
QStringList StartArguments(int argc, char *argv[]);

// Prints text on stream (stdout or stderr). A Windows program without a console window of its
// own, started from a console without redirection, prints to that console.
void PrintText(std::FILE *stream, const QString &text);
