// File names as bytes and reads that never block: the system's own calls on Unix, Qt's files on Windows.
#include "LocalFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QByteArray FileNameBytes(const QString& name)
{
#ifdef Q_OS_WIN
    return name.toUtf8();
#else
    return QFile::encodeName(name);
#endif
}

QString ShownFileName(const QByteArray& name)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QString::fromUtf8(name));
#else
    return QFile::decodeName(name);
#endif
}

QUrl FileUrl(const QByteArray& name)
{
#ifdef Q_OS_WIN
    return QUrl::fromLocalFile(QString::fromUtf8(name));
#else
    // Every byte but the characters a URL's path may hold is percent-encoded, so that the viewer
    // decodes it back to the very same bytes.
    return QUrl::fromEncoded("file://" + name.toPercentEncoding("/!$&'()*+,;=:@"));
#endif
}

QByteArray ProgramFolder()
{
#ifdef Q_OS_LINUX
    // Qt's own path is decoded as UTF-8, and any other byte in it is lost.
    QByteArray path(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), static_cast<std::size_t>(path.size()));
    if (length > 0 && length < path.size()) {
        path.truncate(length);
        return path.left(path.lastIndexOf('/'));
    }
#endif
    return FileNameBytes(QCoreApplication::applicationDirPath());
}

bool IsRegularFile(const QByteArray& name)
{
#ifdef Q_OS_WIN
    return QFileInfo(QString::fromUtf8(name)).isFile();
#else
    struct stat status;
    return ::stat(name.constData(), &status) == 0 && S_ISREG(status.st_mode);
#endif
}

std::optional<QByteArray> ReadRegularFile(const QByteArray& name, qint64 limit)
{
#ifdef Q_OS_WIN
    QFile file(QString::fromUtf8(name));
    if (!QFileInfo(file).isFile() || file.size() > limit || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
#else
    // Opened without waiting for a writer, as a FIFO would have it wait, and then looked at: only a
    // regular file is read, so a link to a device never feeds it bytes without end.
    const int file = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat status;
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= limit) {
        // One byte more than the limit tells a file that grew past it since.
        QByteArray bytes(limit + 1, Qt::Uninitialized);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(file, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0)
                    got = -1;
                break;
            }
            got += n;
        }
        if (got >= 0 && got <= limit) {
            bytes.truncate(got);
            result = std::move(bytes);
        }
    }
    ::close(file);
    return result;
#endif
}
