// A file's name as the system takes it, and as a message names it.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// On Unix a name is bytes that need not be valid UTF-8, which a QString could not keep, so it stays
// bytes down to the system calls; elsewhere it is text.
#ifdef Q_OS_UNIX
using FilePath = QByteArray;
#else
using FilePath = QString;
#endif

// The name of a file known as text, as a file dialog gives it.
inline FilePath FilePathOf(const QString& name)
{
#ifdef Q_OS_UNIX
    return QFile::encodeName(name);
#else
    return name;
#endif
}

// The name as a message prints it: on Unix its own bytes, for the terminal to show as best it can.
inline QByteArray MessageName(const FilePath& path)
{
#ifdef Q_OS_UNIX
    return path;
#else
    return QDir::toNativeSeparators(path).toUtf8();
#endif
}
