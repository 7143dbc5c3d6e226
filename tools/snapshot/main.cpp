// Renders the windows as the user sees them, client area only.
//   velorix_snapshot DIR          every window, into DIR/FormN.png, for a look by eye
//   velorix_snapshot --docs DIR   the pictures of the documentation: the main
//                                 window with its first menu open, the
//                                 single-supply bias window with a worked example,
//                                 the series RC window's characteristic and the
//                                 filter design graphs with their readings
#include "Forms.h"
#include "Plots.h"
#include "Unit11.h"
#include "Unit5.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
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

// Types the fields of a window in order (Edit1, Edit2, ...) and clicks buttons.
bool Run(QWidget *window, const QStringList &fields, const QStringList &buttons)
{
    for (int i = 0; i < fields.size(); ++i) {
        auto *edit = window->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i + 1));
        if (!edit)
            return false;
        if (!fields[i].isNull())
            edit->setText(fields[i]);
    }
    for (const QString &name : buttons) {
        auto *button = window->findChild<QPushButton *>(name);
        if (!button)
            return false;
        button->click();
    }
    return true;
}

// The characteristic of a 100 nF capacitor and a 1 kOhm resistor in series
// at 1 kHz, with the mouse over the curve near 3 kHz.
QImage SeriesRcCharacteristic()
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    if (!Run(Form5, {"100", "1000", "1", "10"}, {"Button1"}))
        return {};
    QWidget *plot = velorix::CharacteristicWindow(Form5);
    if (!plot)
        return {};
    plot->show();
    QApplication::processEvents();
    auto *view = plot->findChild<QGraphicsView *>();
    if (!view)
        return {};
    const QPointF at(view->viewport()->width() * 0.62, view->viewport()->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QApplication::processEvents();
    return plot->grab().toImage();
}

// The filter design graphs after steps 1 to 3 of a 465 kHz filter, 9 kHz
// wide, for 40 dB at 10 kHz from the band's centre.
QImage MarkedDesignGraphs()
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    QStringList fields(11);
    fields[0] = "465", fields[1] = "9", fields[2] = "40", fields[3] = "10", fields[4] = "0,006",
    fields[10] = "8";
    if (!Run(Form11, fields, {"Button1", "Button2", "Button3"}))
        return {};
    Form11->showAndRaise();
    QApplication::processEvents();
    auto *graphs = Form11->findChild<QLabel *>(QStringLiteral("Image2"));
    return graphs ? graphs->grab().toImage() : QImage();
}

bool SaveDocs(const QString &dir)
{
    return MainWindowWithMenu().save(dir + QStringLiteral("/main-window.png")) &&
           WorkedBiasExample().save(dir + QStringLiteral("/bias-one-supply.png")) &&
           SeriesRcCharacteristic().save(dir + QStringLiteral("/series-rc-characteristic.png")) &&
           MarkedDesignGraphs().save(dir + QStringLiteral("/filter-design-readings.png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velorix::InitApplication();
#ifdef VELORIX_PLOTS_MODULE
    velorix::SetPlotModule(QStringLiteral(VELORIX_PLOTS_MODULE));
#endif
    velorix::CreateForms();
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool docs = !args.isEmpty() && args.front() == QLatin1String("--docs");
    const QString dir = args.size() > (docs ? 1 : 0) ? args.last() : QStringLiteral(".");
    QDir().mkpath(dir);
    const bool saved = docs ? SaveDocs(dir) : SaveAll(dir);
    velorix::DestroyForms();
    return saved ? 0 : 1;
}
