// The temporary file lives in the target's own folder, so the final move is a rename on one disk.
#include "SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {

QString Quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(text));
}

SaveResult Failed(SaveResult::Outcome outcome, const QString& message)
{
    return SaveResult{outcome, message};
}

SaveResult ExistsAlready(const QString& path)
{
    return Failed(
        SaveResult::Outcome::Exists,
        QStringLiteral("il file %1 esiste già: scegli un altro nome o aggiungi --sovrascrivi").arg(Quoted(path)));
}

SaveResult CannotCreate(const QString& folder)
{
    return Failed(
        SaveResult::Outcome::Unwritable,
        QStringLiteral("non si può scrivere nella cartella %1: mancano i permessi o il disco è in sola lettura")
            .arg(Quoted(folder)));
}

SaveResult WriteFailed(const QString& path)
{
    return Failed(
        SaveResult::Outcome::WriteFailed,
        QStringLiteral("scrittura di %1 non riuscita (disco pieno?): il file non è stato creato").arg(Quoted(path)));
}

}  // namespace

SaveResult SaveBeside(const QString& path, bool replace, const std::function<bool(QIODevice&)>& write)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return Failed(SaveResult::Outcome::NoFolder, QStringLiteral("la cartella %1 non esiste").arg(Quoted(folder)));
    if (target.isDir())
        return Failed(SaveResult::Outcome::Exists, QStringLiteral("%1 è una cartella, non un file").arg(Quoted(path)));
    if (target.exists() && !replace)
        return ExistsAlready(path);

    if (replace) {
        // QSaveFile writes beside the target and renames over it on commit, keeping its permissions.
        QSaveFile file(target.absoluteFilePath());
        if (!file.open(QIODevice::WriteOnly))
            return CannotCreate(folder);
        if (!write(file) || file.error() != QFileDevice::NoError) {
            file.cancelWriting();
            return WriteFailed(path);
        }
        if (!file.commit())
            return WriteFailed(path);
        return {};
    }

    // Without replace the final move must not clobber a file that turned up while we wrote,
    // which a rename onto the name would do; QFile's rename refuses an existing target.
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!file.open())
        return CannotCreate(folder);
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError)
        return WriteFailed(path);
    file.close();
    // A temporary file is private to its owner; the sheets are an ordinary document.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (!file.rename(target.absoluteFilePath())) {
        if (QFileInfo::exists(target.absoluteFilePath()))
            return ExistsAlready(path);
        return WriteFailed(path);
    }
    file.setAutoRemove(false);
    return {};
}
