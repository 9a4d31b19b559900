// Quadrivello's entry point: one window, no command line of its own, nothing written to disk.
#include "Form1.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallStartupProbe();
    Form1 form(QCoreApplication::applicationDirPath());
    form.Form_Load();
    form.window().show();
    return QApplication::exec();
}
