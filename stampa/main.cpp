// quadrivello-stampa: printable Quadrivello puzzle sheets, from a window or from the command line.
#include "PlatformFailure.h"
#include "SheetCommand.h"
#include "SheetOptions.h"
#include "SheetWindow.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;

// Without a desktop session Qt warns that it has no runtime folder, which a PDF does not need;
// the teacher should see only our own lines. Every other message from Qt goes through.
void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, message);
}

// Whether a window could be seen, known before any application object exists: started from a
// desktop's menu there is a display; on a server or in a script over ssh there is none.
bool HasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    if (platform == QLatin1String("offscreen") || platform.startsWith(QLatin1String("minimal")))
        return false;
    return !platform.isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    // Our own options are read before Qt sees them; Qt gets only the program name, so it cannot
    // take "-platform" or "-reverse" for itself.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    qtHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
    int qtArgc = 1;

    // Started from the menu, with nothing to read: the teacher's window.
    if (arguments.isEmpty() && HasDisplay()) {
        // A display that does not answer: say so, then be the command line, as when there is none.
        OnPlatformFailure([](const QString& reason) {
            const QByteArray lines = "quadrivello-stampa: non si può aprire la finestra: " + reason.toUtf8() + '\n' +
                                     ArgumentErrorLines(ParseArguments({}).error);
            std::fputs(lines.constData(), stderr);
            std::_Exit(ExitBadArguments);
        });
        QApplication app(qtArgc, argv);
        QGuiApplication::setDesktopFileName(QStringLiteral("quadrivello-stampa"));
        // Qt's own dialogs and buttons (the print and file dialogs, "OK") speak Italian like the
        // window, wherever Qt's translations are installed; elsewhere they stay in English.
        QTranslator qtItalian;
        if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtItalian);
        SheetWindow window;
        window.show();
        return QApplication::exec();
    }

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The command line shows no window, and a classroom server may have no display at all: whatever
    // platform the environment names (xcb or wayland from a desktop session, with no display that
    // answers over ssh), it runs without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(qtArgc, argv);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return RunSheetCommand(arguments, out, err);
}
