#include "Unit1.h"

#include "FormKit.h"
#include "Forms.h"

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

    for (const velorix::CalculatorEntry &c : velorix::CalculatorTable())
        connect(findChild<QAction *>(QLatin1String(c.menuItem)), &QAction::triggered, this, c.command);
    velorix::ConnectClick(Label4, this, &TForm1::Label4Click);
}

void TForm1::N2Click() { Form3->showAndRaise(); }
void TForm1::N3Click() { Form4->showAndRaise(); }
void TForm1::R1Click() { Form5->showAndRaise(); }
void TForm1::R2Click() { Form6->showAndRaise(); }
void TForm1::N4Click() { Form2->showAndRaise(); }
void TForm1::N6Click() { Form7->showAndRaise(); }
void TForm1::N7Click() { Form9->showAndRaise(); }
void TForm1::N8Click() { Form8->showAndRaise(); }
void TForm1::N9Click() { Form10->showAndRaise(); }
void TForm1::N10Click() { Form11->showAndRaise(); }
void TForm1::N11Click() { Form12->showAndRaise(); }
void TForm1::N12Click() { Form13->showAndRaise(); }
void TForm1::N13Click() { Form14->showAndRaise(); }
void TForm1::N14Click() { Form15->showAndRaise(); }
void TForm1::N15Click() { Form16->showAndRaise(); }

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
