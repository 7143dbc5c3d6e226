// The program's own start-up, measured: the QApplication and StartProgram,
// exactly as main() runs them, until the main window is exposed and the
// event loop idle.
#include "Forms.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::bench::ReportWhenIdle([]() -> QWidget * { return Form1; });
    velorix::StartProgram();
    return QApplication::exec();
}
