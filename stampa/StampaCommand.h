// quadrivello-stampa from its arguments to its exit status, with the streams it talks to.
#pragma once

#include <QStringList>

class QTextStream;

// Exit statuses: the sheets were written, something stopped them, or the command line was wrong.
inline constexpr int ExitWritten = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitBadArguments = 2;

// Needs a QGuiApplication for the fonts. `arguments` excludes the program name.
int RunStampa(const QStringList& arguments, QTextStream& out, QTextStream& err);
