// Pictures of the game window and of the sheets window for the manual, the real ones on the offscreen
// platform, grabbed.
#include "make_manual_pictures.h"

#include "ClueLabel.h"
#include "Game.h"
#include "GridBox.h"
#include "SheetWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>

namespace {

// The seed of the example puzzle: its across A is a sum and its down B a product, and both are
// small enough for a child to work out on paper.
constexpr std::uint32_t ExampleSeed = 28;

QString ClueOf(Game& game, ClueRef clue)
{
    return game.window().clueText(clue)->text().trimmed();
}

// Clue chosen and its answer typed.
void TypeAnswer(Game& game, ClueRef clue, int number)
{
    game.chooseClue(clue);
    game.window().answerBox()->setText(QString::number(number));
}

// The pictures show a mouse player's window: no keyboard cursor framed on the grid.
void NoKeyboardCursor(GameWindow& window)
{
    QCoreApplication::processEvents();  // the window's activation, which focuses the grid
    window.grid()->clearFocus();
}

void ProcessEventsFor(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The sheets window with the choices the manual describes: four sheets of level 2 with their
// solutions, on a fixed seed; the preview is repainted a moment after the last choice. The window is
// made smaller than it opens, its choices as they are and its preview narrower, so that the
// picture, the width of the page, shows them at about the size they have on screen.
QImage SheetWindowPicture()
{
    SheetWindow window;
    window.resize(700, 470);
    window.findChild<QObject*>("livello")->setProperty("currentIndex", 1);
    window.findChild<QObject*>("schede")->setProperty("value", 4);
    window.findChild<QObject*>("soluzioni")->setProperty("checked", true);
    window.findChild<QObject*>("seme")->setProperty("text", "48213");
    window.show();
    ProcessEventsFor(1000);
    return window.grab().toImage();
}

}  // namespace

ManualPictures RenderManualPictures(const QString& applicationFolder)
{
    ManualPictures result;
    Game game(applicationFolder);
    GameWindow& window = game.window();
    game.start();
    game.random().seed(ExampleSeed);
    game.newPuzzle();

    const ClueRef acrossA{Direction::Across, 0}, downB{Direction::Down, 0};
    const int a = game.play().puzzle().across[0].number;
    const int b = game.play().puzzle().down[0].number;
    result.values[QStringLiteral("A.definizione")] = ClueOf(game, acrossA);
    result.values[QStringLiteral("A.numero")] = QString::number(a);
    result.values[QStringLiteral("A.cifra1")] = QString::number(a / 10);
    result.values[QStringLiteral("A.cifra2")] = QString::number(a % 10);
    result.values[QStringLiteral("B.definizione")] = ClueOf(game, downB);
    result.values[QStringLiteral("B.numero")] = QString::number(b);
    result.values[QStringLiteral("B.cifra2")] = QString::number(b % 10);
    result.values[QStringLiteral("C.definizione")] = ClueOf(game, {Direction::Across, 1});

    // Clue A chosen and its answer typed, "Conferma" not yet pressed.
    TypeAnswer(game, acrossA, a);
    NoKeyboardCursor(window);
    result.images[QStringLiteral("finestra.png")] = window.grab().toImage();

    game.confirmAnswer();
    TypeAnswer(game, downB, b);
    game.confirmAnswer();
    NoKeyboardCursor(window);
    result.images[QStringLiteral("esempio.png")] = window.grid()->grab().toImage();
    window.hide();
    result.images[QStringLiteral("schede.png")] = SheetWindowPicture();
    return result;
}
