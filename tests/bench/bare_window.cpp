// The yardstick of the start-up benchmark: a Qt Widgets program that opens one empty window of the
// game window's size, with the same start-up probe.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallStartupProbe();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(792, 570);
    window.show();
    return QApplication::exec();
}
