// Pictures of the game window and of the sheets window for the manual, the real ones on the offscreen
// platform, grabbed, and a printed sheet as the sheets' own painter paints it.
#include "make_manual_pictures.h"

#include "ClueLabel.h"
#include "Game.h"
#include "GridBox.h"
#include "make_manual_page_image.h"
#include "SheetDocument.h"
#include "SheetPuzzles.h"
#include "SheetWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

namespace {

// The seed of the example puzzle: its across A is a sum and its down B a product, and both are
// small enough for a child to work out on paper.
constexpr std::uint32_t ExampleSeed = 28;
// The page on choosing a class shows a puzzle of level 1 for the second class in the game, and a
// printed sheet of the same; each seed gives clues with a product among the sums and differences.
constexpr std::uint32_t SecondClassSeed = 737;
constexpr std::uint32_t SecondClassSheetSeed = 7;
// The printed sheet's resolution: sharp at the half page's width the manual gives it.
constexpr int SheetDotsPerInch = 150;

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

// The clues of the puzzle that are products, as the manual quotes them: "«7 × 5» e «8 × 4»".
QString ProductsIn(const Puzzle& puzzle)
{
    QStringList products;
    for (const auto* entries : {&puzzle.across, &puzzle.down}) {
        for (const PuzzleEntry& entry : *entries) {
            QString clue = QString::fromStdString(entry.clue).trimmed();
            if (clue.contains(QChar(0x00D7)))
                products << QStringLiteral("«%1»").arg(clue.replace(u' ', QChar(QChar::Nbsp)));
        }
    }
    const QString last = products.isEmpty() ? QString() : products.takeLast();
    return products.isEmpty() ? last : products.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
}

// A picture's products, which the text quotes; none leaves the value out, and the manual's
// build stops at the placeholder instead of saying what the picture does not show.
void QuoteProducts(ManualPictures& result, const QString& name, const Puzzle& puzzle)
{
    if (const QString products = ProductsIn(puzzle); !products.isEmpty())
        result.values[name] = products;
}

// The game with the second class chosen, on a puzzle that is always the same, its clues too.
void AddSecondClassWindow(ManualPictures& result, const QString& applicationFolder)
{
    Game game(applicationFolder);
    GameWindow& window = game.window();
    game.seed(SecondClassSeed);
    window.show();
    game.chooseClass(SchoolYear::Second);
    NoKeyboardCursor(window);
    result.images[QStringLiteral("seconda.png")] = window.grab().toImage();
    QuoteProducts(result, QStringLiteral("seconda.tabelline"), game.play().puzzle());
}

// The pupil's page of a sheet of the second class, level 1, painted by the painter that prints it,
// with a thin grey edge so that the white paper stands out on the manual's white page.
void AddSecondClassSheet(ManualPictures& result)
{
    const SheetSet set = GenerateSheets(1, 1, SecondClassSheetSeed, DefaultRules(SchoolYear::Second));
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    QImage page =
        PagePicture(a4, SheetDotsPerInch, [&](QPagedPaintDevice& device) { return PaintSheets(device, set, false); });
    if (!page.isNull()) {
        QPainter painter(&page);
        painter.setPen(QPen(QColor(128, 128, 128), 3));
        painter.drawRect(QRectF(page.rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    result.images[QStringLiteral("scheda-seconda.png")] = page;
    result.values[QStringLiteral("scheda-seconda.seme")] = QString::number(SecondClassSheetSeed);
    QuoteProducts(result, QStringLiteral("scheda-seconda.tabelline"), set.sheets.front());
}

}  // namespace

ManualPictures RenderManualPictures(const QString& applicationFolder)
{
    ManualPictures result;
    Game game(applicationFolder);
    GameWindow& window = game.window();
    game.start();
    game.seed(ExampleSeed);
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

    window.confirmButton()->click();
    TypeAnswer(game, downB, b);
    window.confirmButton()->click();
    NoKeyboardCursor(window);
    result.images[QStringLiteral("esempio.png")] = window.grid()->grab().toImage();
    window.hide();
    result.images[QStringLiteral("schede.png")] = SheetWindowPicture();
    AddSecondClassWindow(result, applicationFolder);
    AddSecondClassSheet(result);
    return result;
}
