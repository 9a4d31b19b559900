// Writing a file so that it either appears whole or not at all, and never replaces one unasked.
#pragma once

#include "FilePath.h"

#include <QByteArray>

#include <functional>

class QIODevice;

// Saved, or why not: one Italian line in UTF-8, the names in it as MessageName gives them.
struct SaveResult {
    QByteArray failure;  // empty when the file was saved
    bool taken = false;  // not saved because a file of that name is there and was not to be replaced
    bool saved() const { return failure.isEmpty(); }
};

// Runs `write` on a temporary file in the target's folder and moves it to `path` once it has
// succeeded. Without `replace` an existing file is left alone, checked again at the final move; with
// it only a regular file is replaced (a symbolic link's target, when the link leads to one), keeping
// its permissions, while a new file gets those the umask allows. On any failure the temporary file
// is removed, `path` is as it was, and the message names the cause.
SaveResult SaveBeside(const FilePath& path, bool replace, const std::function<bool(QIODevice&)>& write);
