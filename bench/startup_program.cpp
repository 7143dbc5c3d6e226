// The program's own start-up, measured: the QApplication and StartProgram,
// exactly as main() runs them, until the main window has shown its first
// frame, and until the calculators it builds after that are built.
#include "Forms.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::bench::ReportStartup([]() -> QWidget * { return Form1; });
    velorix::StartProgram();
    return QApplication::exec();
}
