// Writing a file so that it either appears whole or not at all, and never replaces one unasked.
#pragma once

#include <QString>

#include <functional>

class QIODevice;

struct SaveResult {
    enum class Outcome {
        Saved,
        Exists,
        NoFolder,
        Unwritable,
        WriteFailed
    };
    Outcome outcome = Outcome::Saved;
    QString message;  // Italian, one line, when not Saved
};

// Runs `write` on a temporary file in the target's folder and moves it to `path` once it has
// succeeded. Without `replace` an existing file is left alone, checked again at the final move.
// On any failure the temporary file is removed and `path` is as it was.
SaveResult SaveBeside(const QString& path, bool replace, const std::function<bool(QIODevice&)>& write);
