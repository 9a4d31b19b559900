// quadrivello-stampa: printable Quadrivello puzzle sheets as a PDF, from the command line.
#include "StampaCommand.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

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

}  // namespace

int main(int argc, char** argv)
{
    // Our own options are read before Qt sees them; Qt gets only the program name, so it cannot
    // take "-platform" or "-reverse" for itself.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // No window is ever shown, and a classroom server may have no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qtHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunStampa(arguments, out, err);
}
