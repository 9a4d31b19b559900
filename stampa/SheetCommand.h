// quadrivello-stampa from its arguments to its exit status, with the streams it talks to.
#pragma once

#include <QByteArrayList>

class QIODevice;

// Exit statuses: the sheets were written, something stopped them, or the command line was wrong.
inline constexpr int ExitWritten = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitBadArguments = 2;

// Needs a QGuiApplication for the fonts, except for a command line it rejects. `arguments` are the
// program's own bytes, without its name; the lines written are UTF-8, a file's name in its own bytes.
int RunSheetCommand(const QByteArrayList& arguments, QIODevice& out, QIODevice& err);

// What a wrong command line prints: the error, then where the help is; UTF-8.
QByteArray ArgumentErrorLines(const QString& error);
