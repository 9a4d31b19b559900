// The temporary file lives in the target's own folder, so the final move is a rename on one disk.
#include "SafeSave.h"

#include <QFile>
#include <QIODevice>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#endif

namespace {

QByteArray Quoted(const QByteArray& shown)
{
    return "«" + shown + "»";
}

SaveResult Failed(const QByteArray& message)
{
    return SaveResult{message};
}

SaveResult ExistsAlready(const FilePath& path)
{
    return SaveResult{"il file " + Quoted(MessageName(path)) + " esiste già", true};
}

// What became of the file is said too: a replacement that failed has left the old one in place.
SaveResult WriteFailed(const FilePath& path, const QByteArray& cause, bool kept)
{
    return Failed("scrittura di " + Quoted(MessageName(path)) + " non riuscita (" + cause +
                  "): " + (kept ? "il file è rimasto com'era" : "il file non è stato creato"));
}

// The cause when the pages themselves failed, with no error from the system.
const QByteArray NotComposed = "il PDF non si è potuto comporre";

#ifdef Q_OS_UNIX

// The system's error, in Italian words for the usual ones and else in the system's own text.
QByteArray Cause(int code)
{
    switch (code) {
    case ENOSPC: return "il disco è pieno";
#ifdef EDQUOT
    case EDQUOT: return "lo spazio concesso sul disco è esaurito";
#endif
    case EFBIG: return "il file è troppo grande";
    case ENAMETOOLONG: return "il nome è troppo lungo";
    case EACCES:
    case EPERM: return "mancano i permessi";
    case EROFS: return "il disco è in sola lettura";
    case ENOENT: return "file o cartella inesistente";
    case ENOTDIR: return "una parte del percorso non è una cartella";
    case ELOOP: return "troppi collegamenti simbolici";
    case EIO: return "errore di lettura o scrittura sul disco";
    default: return std::strerror(code);
    }
}

// What a name that is not a regular file stands for; empty for a regular file.
QByteArray Kind(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "una cartella";
    if (S_ISFIFO(mode))
        return "una pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "un dispositivo";
    if (S_ISSOCK(mode))
        return "un socket";
    return "un oggetto speciale";
}

// Which of the program's standard streams is open on the file, if one is.
QByteArray OwnStream(const struct stat& file)
{
    const std::pair<int, const char*> streams[] = {
        {STDIN_FILENO, "l'ingresso"}, {STDOUT_FILENO, "l'uscita"}, {STDERR_FILENO, "l'uscita degli errori"}};
    for (const auto& [descriptor, name] : streams) {
        struct stat open {};
        if (::fstat(descriptor, &open) == 0 && open.st_dev == file.st_dev && open.st_ino == file.st_ino)
            return name;
    }
    return {};
}

SaveResult NotAFile(const FilePath& path, mode_t mode)
{
    return Failed(Quoted(MessageName(path)) + " è " + Kind(mode) + ", non un file");
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// A folder as messages name it: from the root, so that "." says where it is.
QByteArray FolderInMessage(QByteArray folder)
{
    if (folder.startsWith('/'))
        return folder;
    char* here = ::getcwd(nullptr, 0);
    QByteArray shown = here != nullptr ? QByteArray(here) : QByteArray(".");
    std::free(here);
    while (folder.startsWith("./"))
        folder.remove(0, 2);
    if (folder != ".")
        shown += (shown.endsWith('/') ? "" : "/") + folder;
    return shown;
}

// Gives the temporary file its name unless something has taken the name meanwhile (errno EEXIST).
bool MoveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // A disk without hard links (a memory stick's): the name is checked once more, just before.
    struct stat taken {};
    if (::lstat(to.constData(), &taken) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

// The temporary file being written, for a signal that ends the program to remove: Ctrl+C, a closed
// terminal or a plain kill. Only SIGKILL or a power cut, which no program sees, can still leave it.
// The handler may run at any moment, so it uses only what is safe there: a fixed buffer, a flag set
// once the buffer is whole, unlink and raise.
constexpr int Interruptions[] = {SIGINT, SIGTERM, SIGHUP};
char interruptedFile[PATH_MAX];
volatile std::sig_atomic_t interruptedFileSet = 0;

void RemoveInterruptedFile(int signal)
{
    if (interruptedFileSet != 0)
        ::unlink(interruptedFile);
    // Ended by the signal itself, as without the handler, so that the exit status names it.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Watches a temporary file's name for as long as it lives, then gives the signals back as they were.
class RemovedOnInterruption {
public:
    RemovedOnInterruption()
    {
        struct sigaction removing {};
        removing.sa_handler = RemoveInterruptedFile;
        sigemptyset(&removing.sa_mask);
        for (std::size_t i = 0; i < std::size(Interruptions); ++i) {
            ::sigaction(Interruptions[i], nullptr, &before_[i]);
            // A signal set to be ignored (nohup's SIGHUP) still is.
            if (before_[i].sa_handler == SIG_DFL)
                ::sigaction(Interruptions[i], &removing, nullptr);
        }
    }
    ~RemovedOnInterruption()
    {
        interruptedFileSet = 0;
        for (std::size_t i = 0; i < std::size(Interruptions); ++i)
            ::sigaction(Interruptions[i], &before_[i], nullptr);
    }
    RemovedOnInterruption(const RemovedOnInterruption&) = delete;
    RemovedOnInterruption& operator=(const RemovedOnInterruption&) = delete;

    // Called before the file is made, so that not a moment passes with the file there and unwatched.
    void watch(const QByteArray& name)
    {
        interruptedFileSet = 0;
        if (name.size() >= qsizetype(sizeof interruptedFile))
            return;  // longer than any name the system opens
        std::memcpy(interruptedFile, name.constData(), std::size_t(name.size()) + 1);
        interruptedFileSet = 1;
    }
    // The name turned out to be another file's.
    void forget() { interruptedFileSet = 0; }

private:
    struct sigaction before_[std::size(Interruptions)]{};
};

// The temporary file as the writer sees it: writes gathered into large ones, and the system's error
// of the first that failed kept, so that the message can name it.
class DescriptorWriter final : public QIODevice {
public:
    explicit DescriptorWriter(int descriptor) : descriptor_(descriptor)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    int failure() const { return failure_; }
    // Everything written reaches the disk, or false.
    bool finish()
    {
        if (drain() && ::fsync(descriptor_) != 0)
            failure_ = errno;
        return failure_ == 0;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        pending_.append(data, size);
        return pending_.size() < (1 << 16) || drain() ? size : -1;
    }

private:
    bool drain()
    {
        const char* next = pending_.constData();
        qint64 left = pending_.size();
        while (left > 0 && failure_ == 0) {
            const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(left));
            if (written >= 0) {
                next += written;
                left -= written;
            } else if (errno != EINTR) {
                failure_ = errno;
            }
        }
        pending_.clear();
        return failure_ == 0;
    }

    int descriptor_;
    int failure_ = 0;
    QByteArray pending_;
};

#endif

}  // namespace

#ifdef Q_OS_UNIX

SaveResult SaveBeside(const FilePath& path, bool replace, const std::function<bool(QIODevice&)>& write)
{
    // The file the bytes go to: the name itself, or the file its symbolic link leads to.
    QByteArray target = path;
    struct stat existing {};
    const bool exists = ::lstat(path.constData(), &existing) == 0;
    if (const int code = errno; !exists && code != ENOENT)
        return Failed("non si può scrivere " + Quoted(path) + ": " + Cause(code));
    if (exists && S_ISLNK(existing.st_mode)) {
        // What the link leads to is judged, even when it has no name of its own: /dev/stdout into a
        // pipe is a pipe. A regular file's real name is where the new file will go.
        char* resolved = nullptr;
        if (::stat(path.constData(), &existing) != 0 ||
            (S_ISREG(existing.st_mode) && (resolved = ::realpath(path.constData(), nullptr)) == nullptr)) {
            const int code = errno;
            return Failed("non si può seguire il collegamento " + Quoted(path) + ": " + Cause(code));
        }
        if (resolved != nullptr)
            target = resolved;
        std::free(resolved);
    }
    if (exists) {
        // A device or a pipe is never replaced by a file, whatever was asked.
        if (!S_ISREG(existing.st_mode))
            return NotAFile(path, existing.st_mode);
        // Nor is a file the program's own standard streams are open on (-o /dev/stdout >> registro.txt):
        // the log would lose what it held.
        if (const QByteArray stream = OwnStream(existing); !stream.isEmpty())
            return Failed(Quoted(path) + " è " + stream +
                          " del programma stesso: il PDF va scritto in un file a parte");
        if (!replace)
            return ExistsAlready(path);
        // The folder's permissions would let a rename replace it, but a read-only file asks to be kept.
        if (::access(target.constData(), W_OK) != 0) {
            const int code = errno;
            return Failed("non si può sostituire " + Quoted(path) + ": " + Cause(code));
        }
    }
    const QByteArray folder = FolderOf(target);
    struct stat place {};
    if (!exists && ::stat(folder.constData(), &place) != 0)
        return Failed("la cartella " + Quoted(FolderInMessage(folder)) + " non esiste");

    // Named after the file, cut short so that a long name still leaves room for the rest.
    const QByteArray stem = folder + "/." + target.mid(target.lastIndexOf('/') + 1).left(100) + '.';
    QByteArray temporary;
    int descriptor = -1;
    RemovedOnInterruption removedOnInterruption;
    for (int attempt = 0; descriptor < 0 && attempt < 100; ++attempt) {
        temporary = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        removedOnInterruption.watch(temporary);
        // Made as any program makes a file, so that the umask decides who else may read it.
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0)
            removedOnInterruption.forget();
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (const int code = errno; descriptor < 0)
        return Failed("non si può scrivere nella cartella " + Quoted(FolderInMessage(folder)) + ": " + Cause(code));
    // A replaced file keeps its owner and group (the superuser replacing a teacher's file) where the
    // system allows it, as an ordinary user cannot give a file away; then its permissions, which a
    // change of owner may clear.
    if (exists) {
        [[maybe_unused]] const bool ownerKept = ::fchown(descriptor, existing.st_uid, existing.st_gid) == 0;
        ::fchmod(descriptor, existing.st_mode & 07777);
    }

    DescriptorWriter device(descriptor);
    const bool written = write(device) && device.finish();
    int code = device.failure();
    if (::close(descriptor) != 0 && code == 0)
        code = errno;
    const auto giveUp = [&](const SaveResult& result) {
        ::unlink(temporary.constData());
        return result;
    };
    if (!written || code != 0)
        return giveUp(WriteFailed(path, code != 0 ? Cause(code) : NotComposed, exists));

    if (replace) {
        // Whatever has taken the name meanwhile is looked at again: only a file or a link is replaced.
        struct stat now {};
        if (::lstat(target.constData(), &now) == 0 && !S_ISREG(now.st_mode) && !S_ISLNK(now.st_mode))
            return giveUp(NotAFile(path, now.st_mode));
        if (::rename(temporary.constData(), target.constData()) != 0) {
            const int failure = errno;
            return giveUp(WriteFailed(path, Cause(failure), exists));
        }
    } else if (!MoveWithoutReplacing(temporary, target)) {
        const int failure = errno;
        return giveUp(failure == EEXIST ? ExistsAlready(path) : WriteFailed(path, Cause(failure), false));
    }
    return {};
}

#else

SaveResult SaveBeside(const FilePath& path, bool replace, const std::function<bool(QIODevice&)>& write)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return Failed("la cartella " + Quoted(MessageName(folder)) + " non esiste");
    if (target.isDir())
        return Failed(Quoted(MessageName(path)) + " è una cartella, non un file");
    if (target.exists() && !target.isFile())
        return Failed(Quoted(MessageName(path)) + " è un dispositivo, non un file");
    if (target.exists() && !replace)
        return ExistsAlready(path);
    const auto cause = [](const QFileDevice& file) {
        return file.error() != QFileDevice::NoError ? file.errorString().toUtf8() : NotComposed;
    };

    if (replace) {
        // QSaveFile writes beside the target and renames over it on commit, keeping its permissions.
        const bool existed = target.exists();
        QSaveFile file(target.absoluteFilePath());
        if (!file.open(QIODevice::WriteOnly))
            return Failed("non si può scrivere " + Quoted(MessageName(path)) + ": " + cause(file));
        if (!write(file) || file.error() != QFileDevice::NoError) {
            const QByteArray failure = cause(file);
            file.cancelWriting();
            return WriteFailed(path, failure, existed);
        }
        if (!file.commit())
            return WriteFailed(path, cause(file), existed);
        return {};
    }

    // The final move must not clobber a file that turned up while we wrote; QFile's rename refuses to.
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!file.open())
        return Failed("non si può scrivere nella cartella " + Quoted(MessageName(folder)) + ": " + cause(file));
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError)
        return WriteFailed(path, cause(file), false);
    file.close();
    if (!file.rename(target.absoluteFilePath())) {
        if (QFileInfo::exists(target.absoluteFilePath()))
            return ExistsAlready(path);
        return WriteFailed(path, cause(file), false);
    }
    file.setAutoRemove(false);
    return {};
}

#endif
