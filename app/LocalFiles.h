// The game's own files named by the bytes the file system knows them by, read without ever waiting on one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// A file name as the file system's bytes (on Windows, whose names are Unicode, their UTF-8).
QByteArray FileNameBytes(const QString& name);
// The name as a player reads it in a message: decoded as best it can be, with the system's separators.
QString ShownFileName(const QByteArray& name);
// A file: URL naming exactly these bytes, even where they are not UTF-8, for the desktop to open.
QUrl FileUrl(const QByteArray& name);

// The folder the running program is in, from its real path byte for byte where the system tells it
// (Linux); a folder whose name is not UTF-8 is found all the same.
QByteArray ProgramFolder();

// Whether the name leads, through any links, to a regular file.
bool IsRegularFile(const QByteArray& name);
// A regular file's bytes when it has no more than `limit` of them. Nothing when it is missing,
// unreadable or longer, or is no regular file: a FIFO or a device is never waited on, nor read.
std::optional<QByteArray> ReadRegularFile(const QByteArray& name, qint64 limit);
