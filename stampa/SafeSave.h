// Writing a file so that it either appears whole or not at all, and never replaces one unasked.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// A file's name as the system takes it. On Unix a name is bytes that need not be valid UTF-8, which
// a QString could not keep, so it stays bytes down to the system calls; elsewhere it is text.
#ifdef Q_OS_UNIX
using FilePath = QByteArray;
#else
using FilePath = QString;
#endif

// The name of a file known as text, as a file dialog gives it.
FilePath FilePathOf(const QString& name);

// The name as a message prints it: on Unix its own bytes, for the terminal to show as best it can.
QByteArray Shown(const FilePath& path);

struct SaveResult {
    enum class Outcome {
        Saved,
        Exists,
        NoFolder,
        Unwritable,
        WriteFailed
    };
    Outcome outcome = Outcome::Saved;
    QByteArray message;  // when not Saved: one Italian line in UTF-8, the names in it as Shown
};

// Runs `write` on a temporary file in the target's folder and moves it to `path` once it has
// succeeded. Without `replace` an existing file is left alone, checked again at the final move; with
// it only a regular file is replaced (a symbolic link's target, when the link leads to one), keeping
// its permissions, while a new file gets those the umask allows. On any failure the temporary file
// is removed, `path` is as it was, and the message names the cause.
SaveResult SaveBeside(const FilePath& path, bool replace, const std::function<bool(QIODevice&)>& write);
