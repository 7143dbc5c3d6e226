#include "Calculators.h"

#include "Unit10.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>

static void RegisterAssets()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(assets2x);
}

namespace velorix {

namespace {

// A row of the table: the window class TForm, its global and its row.
template <class TForm, TForm *&Global> constexpr CalculatorEntry Row(CalculatorRow row)
{
    return {row, []() -> TCalcForm * { return Global = new TForm; }, []() -> TCalcForm * { return Global; },
            [] {
                delete Global;
                Global = nullptr;
            }};
}

// The menu command of each window is the object name of its QAction in the
// main window's definition; its pictures are in assets/assets.qrc (and
// their double-size twins in assets/assets2x.qrc).
// clang-format off
constexpr CalculatorEntry kCalculators[] = {
    Row<TForm2, Form2>({"N4", "Image1=equivalent-circuit.jpg",
        "Button1: Edit1; Button2: Edit2 Edit3 Edit4 Edit5; Button3: Edit6 Edit7; Button4: Edit8 Edit9 Edit10; "
        "Button5: Edit11 Edit12",
        "Edit8=" QT_TRANSLATE_NOOP("Names", "Напряжение на коллекторе, В") "|"
        "Edit9=" QT_TRANSLATE_NOOP("Names", "Ёмкость коллекторного перехода, пФ") "|"
        "Edit11=" QT_TRANSLATE_NOOP("Names", "Постоянная времени цепи ОС τ, пс"), // "т"
        nullptr}),
    Row<TForm3, Form3>({"N2", "", "Button1: Edit1 Edit2", "", "Button1"}),
    Row<TForm4, Form4>({"N3", "", "Button1: Edit1 Edit2", "", "Button1"}),
    Row<TForm5, Form5>({"R1", "Image1=series-rc.jpg", "Button1: Edit1 Edit2 Edit3 Edit4", "", "Button1"}),
    Row<TForm6, Form6>({"R2", "Image1=parallel-rc.jpg", "Button1: Edit1 Edit2 Edit3 Edit4",
        "Label24=" QT_TRANSLATE_NOOP("Names", "Реактивная мощность на конденсаторе, ВАр"), // "на резисторе"
        "Button1"}),
    Row<TForm7, Form7>({"N6", "Image1=bias-one-supply.jpg", "Button1: Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8",
        "", nullptr}),
    Row<TForm8, Form8>({"N8", "Image1=bias-two-supplies.jpg", "Button1: Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7",
        "Label19=" QT_TRANSLATE_NOOP("Names", "Тепловое смещение напряжения базы, В") "|" // "базу базы"
        "Label21=" QT_TRANSLATE_NOOP("Names", "Напряжение источника смещения Ес, В"),  // Latin "Ec"
        nullptr}),
    Row<TForm9, Form9>({"N7", "Image1=untuned-stage.jpg Image2=tuned-stage.jpg",
        "Button1: Edit1 Edit2; Button2: Edit4 Edit3 Edit5", "", nullptr}),
    Row<TForm10, Form10>({"N9", "Image1=transformer.jpg", "Button1: Edit1 Edit2; Button2: Edit3 Edit4",
        "Label9=" QT_TRANSLATE_NOOP("Names", "Полное сопротивление первичной обмотки Z1, Ом"), nullptr}),
    Row<TForm11, Form11>({"N10", "Image1=lumped-filter.jpg Image2=filter-design-graphs.jpg",
        "Button1: Edit1 Edit2 Edit5; Button2: Edit4; Button3: Edit11 Edit3; Button4: Edit6 Edit7 Edit8; "
        "Button5: Edit9 Edit10",
        "Edit4=" QT_TRANSLATE_NOOP("Names", "Расстройка по соседнему каналу, кГц") "|"
        "Edit11=" QT_TRANSLATE_NOOP("Names", "Ослабление одним звеном ФСС σ1, дБ"),
        "Button3"}),
    Row<TForm12, Form12>({"N11", "Image1=piezo-filter-stage.jpg", "Button1: Edit1 Edit2 Edit3 Edit4",
        "Edit1=" QT_TRANSLATE_NOOP("Names", "Характеристическое сопротивление фильтра Rф, Ом") "|"
        "Edit4=" QT_TRANSLATE_NOOP("Names", "Ёмкость конденсатора в контуре, к которому подключен фильтр, пФ"),
        nullptr}),
    Row<TForm13, Form13>({"N12", "", "Button1: Edit1 Edit2; Button2: Edit3; Button3: Edit4",
        "Label6=" QT_TRANSLATE_NOOP("Names", "Характеристическое сопротивление контура ρ, Ом"), // Latin "p"
        "Button2"}),
    Row<TForm14, Form14>({"N13", "Image1=capacitive-divider.jpg", "Button1: Edit1 Edit2; Button2: Edit3",
        "Label5=" QT_TRANSLATE_NOOP("Names", "Коэффициент трансформации n") "|"
        "Label9=" QT_TRANSLATE_NOOP("Names", "Сопротивление нагрузки со стороны генератора R'н, Ом"),
        nullptr}),
    Row<TForm15, Form15>({"N14", "Image1=stage-analysis.jpg",
        "Button1: Edit1 Edit2 Edit3 Edit4; Button2: Edit5 Edit6 Edit7 Edit8 Edit4",
        "Edit5=" QT_TRANSLATE_NOOP("Names", "Сопротивление резистора Rк, Ом") "|"
        "Button1=" QT_TRANSLATE_NOOP("Names", "Рассчитать входное сопротивление"),
        nullptr}),
    Row<TForm16, Form16>({"N15", "Image1=compound-followers.jpg",
        "Button1: Edit1 Edit2 Edit6 Edit7 Edit3 Edit4 Edit5 Edit8; "
        "Button2: Edit1 Edit2 Edit6 Edit7 Edit3 Edit4 Edit5 Edit8",
        "", nullptr}),
};
// clang-format on

// Makes Tahoma, Verdana and "MS Reference Sans Serif" resolve to a face this
// system has: Tahoma from Wine's fonts when installed, DejaVu Sans otherwise
// (Verdana where DejaVu Sans is missing too).
void RegisterFonts()
{
    // A family in the system's list is there; only one missing from it is
    // looked up as an alias (hasFamily), which takes fontconfig a whole
    // substitution pass.
    const auto has = [](const QString &family) {
        return QFontDatabase::families().contains(family, Qt::CaseInsensitive) ||
               QFontDatabase::hasFamily(family);
    };
    if (!has(QStringLiteral("Tahoma"))) {
        for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            if (QFile::exists(QLatin1String(file)))
                QFontDatabase::addApplicationFont(QLatin1String(file));
        }
    }
    // Verdana, the face "MS Reference Sans Serif" was drawn from, where
    // DejaVu Sans is missing (a Windows without the latter).
    const QStringList fallback{QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")};
    for (const char *family : {"Tahoma", "Verdana", "MS Reference Sans Serif"}) {
        if (!has(QLatin1String(family))) {
            QStringList others = fallback;
            others.removeAll(QLatin1String(family));
            QFont::insertSubstitutions(QLatin1String(family), others);
        }
    }
}

} // namespace

std::span<const CalculatorEntry> CalculatorTable() { return kCalculators; }

TCalcForm *CalculatorEntry::create() const
{
    TCalcForm *window = make();
    ApplyRow(window, *this);
    return window;
}

void RegisterPictures()
{
    // The resources of a static library are registered by hand, outside
    // any namespace.
    static const bool registered = [] {
        ::RegisterAssets();
        return true;
    }();
    (void)registered;
}

void PrepareCalculators()
{
    RegisterPictures();
    ResetFloatEnvironment();
    RegisterFonts();
}

void CreateCalculators()
{
    for (const CalculatorEntry &c : kCalculators) {
        if (!c.form())
            c.create();
    }
}

void DestroyCalculators()
{
    for (const CalculatorEntry &c : kCalculators)
        c.destroy();
}

std::vector<TCalcForm *> Calculators()
{
    std::vector<TCalcForm *> forms;
    for (const CalculatorEntry &c : kCalculators)
        forms.push_back(c.form());
    return forms;
}

void SetCalculatorsMinimized(bool minimized)
{
    // Restoring brings back only the windows that minimising took down, not
    // those the user had minimised before.
    static std::vector<QPointer<TCalcForm>> minimizedWithMain;
    if (minimized) {
        minimizedWithMain.clear();
        for (TCalcForm *form : Calculators()) {
            if (form && form->isVisible() && !form->isMinimized()) {
                form->setWindowState(form->windowState() | Qt::WindowMinimized);
                minimizedWithMain.emplace_back(form);
            }
        }
    } else {
        for (TCalcForm *form : minimizedWithMain) {
            if (form)
                form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
        }
        minimizedWithMain.clear();
    }
}

} // namespace velorix
