// Quadrivello's entry point: one window, no command line of its own, nothing written to disk.
#include "Game.h"
#include "LocalFiles.h"
#include "PlatformFailure.h"
#include "StartupProbe.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Without a display that answers there is no game to show: say so in the player's language.
    OnPlatformFailure([](const QString& reason) {
        std::fprintf(stderr, "quadrivello: non si può aprire la finestra del gioco: %s\n", reason.toUtf8().constData());
        std::_Exit(1);
    });
    QApplication app(argc, argv);
    InstallStartupProbe();
    Game game(ProgramFolder());
    game.window().fitToScreen();
    game.start();
    return QApplication::exec();
}
