// Renders the windows as the user sees them, client area only.
//   velorix_snapshot DIR          every window, into DIR/FormN.png, for a look by eye
//   velorix_snapshot --docs DIR   the pictures of the documentation: the main
//                                 window with its first menu open, the
//                                 single-supply bias window with a worked example,
//                                 the series RC window's characteristic with its
//                                 cursors, the oscillating circuit's with a held
//                                 curve and the filter design graphs with their
//                                 readings
//   velorix_snapshot --plots DIR  characteristic windows in further states, and
//                                 an exported picture, for a look by eye
#include "Edition.h"
#include "Forms.h"
#include "Plots.h"
#include "Unit11.h"
#include "Unit13.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsView>
#include <QKeyEvent>
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
// decimal separator of the edition's usual regional settings (a comma in
// the Russian one, a point in the English one), and computed.
QImage WorkedBiasExample()
{
    const QChar separator =
        velorix::EditionLanguage() == QLatin1String("ru") ? QLatin1Char(',') : QLatin1Char('.');
    velorix::SetDecimalSeparator(separator);
    const QStringList fields = {"12", "-40", "60", "0,1", "2", "5", "0,3", "2"};
    for (int i = 0; i < fields.size(); ++i) {
        auto *edit = Form7->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i + 1));
        if (!edit)
            return {};
        edit->setText(QString(fields[i]).replace(QLatin1Char(','), separator));
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

// The events a user's event loop would have handled by now, the deferred
// deletions of Qt Charts included.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Presses a key in a characteristic window's chart, count times.
void Press(QWidget *plot, int key, Qt::KeyboardModifiers modifiers, int count = 1)
{
    auto *view = plot->findChild<QGraphicsView *>();
    for (int i = 0; i < count && view; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(view, &press);
    }
    Settle();
}

// A calculator's characteristic window, shown.
QWidget *ShownPlot(QWidget *calculator)
{
    QWidget *plot = velorix::CharacteristicWindow(calculator);
    if (plot) {
        plot->show();
        Settle();
    }
    return plot;
}

// The characteristic of a 100 nF capacitor and a 1 kOhm resistor in series
// at 1 kHz, the cursor moved by the keyboard near 3 kHz and the second one
// at the end.
QImage SeriesRcCharacteristic()
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    if (!Run(Form5, {"100", "1000", "1", "10"}, {"Button1"}))
        return {};
    QWidget *plot = ShownPlot(Form5);
    if (!plot)
        return {};
    Press(plot, Qt::Key_Home, Qt::NoModifier);
    Press(plot, Qt::Key_Right, Qt::ShiftModifier, 13);
    Press(plot, Qt::Key_End, Qt::ControlModifier);
    return plot->grab().toImage();
}

// The oscillating circuit at 465 kHz, 100 uH: Q = 50 held, Q = 100 drawn,
// the signal at 475 kHz.
QImage HeldResonanceCurve()
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    if (!Run(Form13, {"465", "100", "50", "475"}, {"Button1", "Button2", "Button3"}))
        return {};
    QWidget *plot = ShownPlot(Form13);
    if (!plot)
        return {};
    Press(plot, Qt::Key_H, Qt::ControlModifier);
    if (!Run(Form13, {QString(), QString(), "100", QString()}, {"Button2", "Button3"}))
        return {};
    Settle();
    Press(plot, Qt::Key_Home, Qt::NoModifier);
    Press(plot, Qt::Key_Right, Qt::ShiftModifier, 16);
    return plot->grab().toImage();
}

// Further states, for a look by eye.
bool SavePlots(const QString &dir)
{
    velorix::SetDecimalSeparator(QLatin1Char(','));
    const auto save = [&](QWidget *calculator, const QString &name) {
        QWidget *plot = ShownPlot(calculator);
        return plot && plot->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    bool ok = Run(Form3, {"0,001", "0,05"}, {"Button1"}) && save(Form3, QStringLiteral("capacitor-1pF-50Hz"));
    ok = ok && Run(Form3, {"-0,1", QString()}, {"Button1"}) &&
         save(Form3, QStringLiteral("capacitor-negative"));
    ok = ok && Run(Form6, {"0,000001", "1000", "1", "1"}, {"Button1"}) &&
         save(Form6, QStringLiteral("parallel-rc-constant"));
    ok = ok && Run(Form13, {"465", "100", "100", "1000"}, {"Button1", "Button2", "Button3"}) &&
         save(Form13, QStringLiteral("resonance-fc-far"));
    ok = ok && Run(Form13, {"1000", QString(), QString(), QString()}, {"Button1"}) &&
         save(Form13, QStringLiteral("resonance-new-step-1"));
    ok = ok && Run(Form13, {"1e13", "1e-10", "1e9", "1e13"}, {"Button1", "Button2", "Button3"}) &&
         save(Form13, QStringLiteral("resonance-q-1e9"));
    QStringList fields(11);
    fields[0] = "465", fields[1] = "9", fields[2] = "40", fields[3] = "10", fields[4] = "0,006",
    fields[10] = "8";
    ok = ok && Run(Form11, fields, {"Button1", "Button2", "Button3"}) &&
         save(Form11, QStringLiteral("filter"));
    QWidget *plot = velorix::CharacteristicWindow(Form11);
    bool saved = false;
    ok = ok && plot &&
         QMetaObject::invokeMethod(plot, "saveTo", Q_RETURN_ARG(bool, saved),
                                   Q_ARG(QString, dir + QStringLiteral("/filter-export.png"))) &&
         saved;
    return ok;
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
           HeldResonanceCurve().save(dir + QStringLiteral("/resonance-held-curve.png")) &&
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
    const bool plots = !args.isEmpty() && args.front() == QLatin1String("--plots");
    const QString dir = args.size() > (docs || plots ? 1 : 0) ? args.last() : QStringLiteral(".");
    QDir().mkpath(dir);
    const bool saved = docs ? SaveDocs(dir) : plots ? SavePlots(dir) : SaveAll(dir);
    velorix::DestroyForms();
    return saved ? 0 : 1;
}
