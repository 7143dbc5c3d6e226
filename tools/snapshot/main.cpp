// Renders the windows as the user sees them, client area only.
//   velorix_snapshot DIR          every window, into DIR/FormN.png, for a look by eye
//   velorix_snapshot --docs DIR   the pictures of the documentation: the main
//                                 window with its first menu open, and the
//                                 single-supply bias window with a worked example
#include "Forms.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool SaveAll(const QString &dir)
{
    std::vector<QWidget *> windows{Form1};
    for (QWidget *w : velorix::Calculators())
        windows.push_back(w);
    for (QWidget *w : windows) {
        w->show();
        QApplication::processEvents();
        if (!w->grab().save(QStringLiteral("%1/%2.png").arg(dir, w->objectName())))
            return false;
    }
    return true;
}

// The main window with "Радиотехнические расчёты" dropped down, the list
// drawn where it opens below its menu bar entry.
QImage MainWindowWithMenu()
{
    Form1->show();
    QApplication::processEvents();
    auto *bar = Form1->findChild<QMenuBar *>(QStringLiteral("MainMenu1"));
    auto *menu = Form1->findChild<QMenu *>(QStringLiteral("N1"));
    if (!bar || !menu)
        return {};
    const QPoint at = bar->mapTo(Form1, bar->actionGeometry(menu->menuAction()).bottomLeft());
    menu->popup(Form1->mapToGlobal(at));
    QApplication::processEvents();
    const QPixmap window = Form1->grab();
    const QPixmap list = menu->grab();
    menu->hide();

    QImage image(qMax(window.width(), at.x() + list.width()), qMax(window.height(), at.y() + list.height()),
                 QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawPixmap(0, 0, window);
    p.drawPixmap(at, list);
    return image;
}

// A 12 V silicon stage for -40 to +60 °C at 2 mA and 5 V, typed with the
// Russian decimal separator, and computed.
QImage WorkedBiasExample()
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    const QStringList fields = {"12", "-40", "60", "0,1", "2", "5", "0,3", "2"};
    for (int i = 0; i < fields.size(); ++i) {
        auto *edit = Form7->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i + 1));
        if (!edit)
            return {};
        edit->setText(fields[i]);
    }
    auto *silicon = Form7->findChild<QRadioButton *>(QStringLiteral("RadioButton1"));
    auto *button = Form7->findChild<QPushButton *>(QStringLiteral("Button1"));
    if (!silicon || !button)
        return {};
    silicon->setChecked(true);
    Form7->showAndRaise();
    button->click();
    button->setFocus(); // no text cursor in a field
    QApplication::processEvents();
    return Form7->grab().toImage();
}

bool SaveDocs(const QString &dir)
{
    return MainWindowWithMenu().save(dir + QStringLiteral("/main-window.png")) &&
           WorkedBiasExample().save(dir + QStringLiteral("/bias-one-supply.png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::InitApplication();
    velorix::CreateForms();
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool docs = !args.isEmpty() && args.front() == QLatin1String("--docs");
    const QString dir = args.size() > (docs ? 1 : 0) ? args.last() : QStringLiteral(".");
    QDir().mkpath(dir);
    const bool saved = docs ? SaveDocs(dir) : SaveAll(dir);
    velorix::DestroyForms();
    return saved ? 0 : 1;
}
