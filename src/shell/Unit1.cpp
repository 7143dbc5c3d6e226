#include "Unit1.h"

#include "Calculators.h"
#include "FormKit.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>

namespace {

// Enters the menu bar of a window as a lone Alt does: the menu bar, which
// watches its window, sees Alt pressed and released with nothing between,
// highlights its first entry and takes the arrows, Return and Escape; a
// second time leaves it again.
void EnterMenuBar(QWidget *window)
{
    // The modifiers before each event, as the platforms report them.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(window, &release);
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setupUi(this);
    const QUrl support(QStringLiteral(VELORIX_SUPPORT_URL));
    Label4->setText(support.host() + support.path());
    // The menu bar uses the menu font of the desktop the program was designed
    // on, Tahoma 8 pt (11 px), not the window's: all five entries fit in one row.
    // Set first, the window's own font (FinishDesign) passes it by, and the
    // menu bar lays its entries out once, not once per font.
    QFont menuFont(QStringLiteral("Tahoma"));
    menuFont.setPixelSize(11);
    MainMenu1->setFont(menuFont);
    velorix::FinishDesign(this);

    // Each calculator's menu command shows its window, the table's row of
    // the same index.
    const auto table = velorix::CalculatorTable();
    for (size_t i = 0; i < table.size(); ++i) {
        connect(findChild<QAction *>(QLatin1String(table[i].menuItem)), &QAction::triggered, this,
                [i] { velorix::Calculators()[i]->showAndRaise(); });
    }
    velorix::ConnectClick(Label4, this, &TForm1::Label4Click);

    // The menu has no accelerator letters; F10 reaches it from the keyboard,
    // as a lone Alt does, on every platform.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { EnterMenuBar(this); });
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
