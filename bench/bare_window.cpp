// The yardsticks of the start-up benchmark: Qt Widgets programs that open one window of the game
// window's size, with the same start-up probe. bare_window leaves it empty; bare_window_text shows
// one line of text, so that it also pays for the fonts that any window with text needs.
#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallStartupProbe();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(792, 570);
#ifdef QUADRIVELLO_BARE_TEXT
    auto* label = new QLabel(QStringLiteral("Quadrivello"), &window);
    label->move(20, 20);
#endif
    window.show();
    return QApplication::exec();
}
