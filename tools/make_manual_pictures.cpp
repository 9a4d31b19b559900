// Pictures of the game window and of the sheets window for the manual, the real ones on the offscreen
// platform, grabbed.
#include "make_manual_pictures.h"

#include "Form1.h"
#include "PictureBox.h"
#include "SheetWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>

namespace {

// The seed of the example puzzle: its across A is a sum and its down B a product, and both are
// small enough for a child to work out on paper.
constexpr std::uint32_t ExampleSeed = 28;

QString ClueOf(QWidget* label)
{
    return qobject_cast<QLabel*>(label)->text().trimmed();
}

void TypeAnswer(Form1& form, const QString& text)
{
    form.window().controlAs<QLineEdit>("Text3")->setText(text);
}

void ProcessEventsFor(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The sheets window with the choices the manual describes: four sheets of level 2 with their
// solutions, on a fixed seed; the preview is repainted a moment after the last choice.
QImage SheetWindowPicture()
{
    SheetWindow window;
    window.findChild<QObject*>("livello")->setProperty("currentIndex", 1);
    window.findChild<QObject*>("schede")->setProperty("value", 4);
    window.findChild<QObject*>("soluzioni")->setProperty("checked", true);
    window.findChild<QObject*>("seme")->setProperty("text", "2024");
    window.show();
    ProcessEventsFor(1000);
    return window.grab().toImage();
}

}  // namespace

ManualPictures RenderManualPictures(const QString& applicationFolder)
{
    ManualPictures result;
    Form1 form(applicationFolder);
    Form1Window& window = form.window();
    window.show();
    // The first activation loads the level-1 picture and makes a puzzle; then the example's own.
    QDeadlineTimer deadline(10000);
    while (!form.activatedOnce() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!form.activatedOnce()) {
        result.error = QStringLiteral("the window was never activated");
        return result;
    }
    form.random().Seed(ExampleSeed);
    form.Command2_Click();

    const PuzzleState& state = form.state();
    const int a = state.HorizontalSolutions[0];
    const int b = state.VerticalSolutions[0];
    result.values[QStringLiteral("A.definizione")] = ClueOf(window.control("Label4", 0));
    result.values[QStringLiteral("A.numero")] = QString::number(a);
    result.values[QStringLiteral("A.cifra1")] = QString::number(a / 10);
    result.values[QStringLiteral("A.cifra2")] = QString::number(a % 10);
    result.values[QStringLiteral("B.definizione")] = ClueOf(window.control("Label8", 0));
    result.values[QStringLiteral("B.numero")] = QString::number(b);
    result.values[QStringLiteral("B.cifra2")] = QString::number(b % 10);
    result.values[QStringLiteral("C.definizione")] = ClueOf(window.control("Label4", 1));

    // Clue A chosen and its answer typed, "Conferma" not yet pressed.
    form.Label4_Click(0);
    TypeAnswer(form, result.values[QStringLiteral("A.numero")]);
    QCoreApplication::processEvents();
    result.images[QStringLiteral("finestra.png")] = window.grab().toImage();

    form.Command1_Click();
    form.Label8_Click(0);
    TypeAnswer(form, result.values[QStringLiteral("B.numero")]);
    form.Command1_Click();
    QCoreApplication::processEvents();
    result.images[QStringLiteral("esempio.png")] = window.picture()->grab().toImage();
    window.hide();
    result.images[QStringLiteral("schede.png")] = SheetWindowPicture();
    return result;
}
