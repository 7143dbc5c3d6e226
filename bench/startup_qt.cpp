// The yardstick for start-up: a bare Qt Widgets program that shows a main
// window with a menu, measured the same way.
#include "StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("File"));
    menu->addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    // The main window's inner size.
    window.resize(867, 150);
    velorix::bench::ReportStartup([&window]() -> QWidget * { return &window; });
    window.show();
    return QApplication::exec();
}
