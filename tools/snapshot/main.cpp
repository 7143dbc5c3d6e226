// Renders every window as the user sees it, client area only, into
// DIR/FormN.png, for a look by eye:  velorix_snapshot DIR
#include "Forms.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::InitApplication();
    velorix::CreateForms();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    std::vector<QWidget *> windows{Form1};
    for (QWidget *w : velorix::Calculators())
        windows.push_back(w);
    for (QWidget *w : windows) {
        w->show();
        QApplication::processEvents();
        if (!w->grab().save(QStringLiteral("%1/%2.png").arg(dir, w->objectName())))
            return 1;
    }
    velorix::DestroyForms();
    return 0;
}
