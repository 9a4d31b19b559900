// Quadrivello's entry point: one window, the class its clues are for as its only option, nothing written to disk.
#include "ClassOption.h"
#include "Game.h"
#include "LocalFiles.h"
#include "PlatformFailure.h"
#include "StartupProbe.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // A wrong option is said before any window is tried, in the words quadrivello-stampa uses.
    const ClassOption option = ReadClassOption(argc, argv);
    if (!option.error.empty()) {
        std::fprintf(stderr, "quadrivello: %s\n", option.error.c_str());
        return 2;
    }
    // Without a display that answers there is no game to show: say so in the player's language.
    OnPlatformFailure([](const QString& reason) {
        std::fprintf(stderr, "quadrivello: non si può aprire la finestra del gioco: %s\n", reason.toUtf8().constData());
        std::_Exit(1);
    });
    QApplication app(argc, argv);
    InstallStartupProbe();
    Game game(ProgramFolder());
    game.window().fitToScreen();
    game.start(option.year);
    return QApplication::exec();
}
