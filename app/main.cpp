// Quadrivello's entry point: one window, no command line of its own, nothing written to disk.
#include "Game.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallStartupProbe();
    Game game(QCoreApplication::applicationDirPath());
    game.window().fitToScreen();
    game.start();
    return QApplication::exec();
}
