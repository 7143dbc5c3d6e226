#include "Unit1.h"

#include "Calculators.h"
#include "FormKit.h"

#include <QDesktopServices>
#include <QUrl>

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setupUi(this);
    const QUrl support(QStringLiteral(VELORIX_SUPPORT_URL));
    Label4->setText(support.host() + support.path());
    velorix::FinishDesign(this);
    // The menu bar uses the menu font of the desktop the program was designed
    // on, Tahoma 8 pt (11 px), not the window's: all five entries fit in one row.
    QFont menuFont(QStringLiteral("Tahoma"));
    menuFont.setPixelSize(11);
    MainMenu1->setFont(menuFont);

    // Each calculator's menu command shows its window, the table's row of
    // the same index.
    const auto table = velorix::CalculatorTable();
    for (size_t i = 0; i < table.size(); ++i) {
        connect(findChild<QAction *>(QLatin1String(table[i].menuItem)), &QAction::triggered, this,
                [i] { velorix::Calculators()[i]->showAndRaise(); });
    }
    velorix::ConnectClick(Label4, this, &TForm1::Label4Click);
}

void TForm1::Label4Click()
{
    // Whether a browser opened is not examined.
    QDesktopServices::openUrl(QUrl(QStringLiteral(VELORIX_SUPPORT_URL)));
}

void TForm1::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        // Minimising the main window minimises the whole program.
        velorix::SetCalculatorsMinimized(isMinimized());
        break;
    default:
        break;
    }
    QMainWindow::changeEvent(event);
}
