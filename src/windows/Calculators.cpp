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

// A row of the table: the window class TForm and its global.
template <class TForm, TForm *&Global> constexpr CalculatorEntry Row(const char *menuItem)
{
    return {menuItem, []() -> TCalcForm * { return Global = new TForm; },
            []() -> TCalcForm * { return Global; },
            [] {
                delete Global;
                Global = nullptr;
            }};
}

// The menu command of each window is the object name of its QAction in
// the main window's definition.
constexpr CalculatorEntry kCalculators[] = {
    Row<TForm2, Form2>("N4"),    Row<TForm3, Form3>("N2"),    Row<TForm4, Form4>("N3"),
    Row<TForm5, Form5>("R1"),    Row<TForm6, Form6>("R2"),    Row<TForm7, Form7>("N6"),
    Row<TForm8, Form8>("N8"),    Row<TForm9, Form9>("N7"),    Row<TForm10, Form10>("N9"),
    Row<TForm11, Form11>("N10"), Row<TForm12, Form12>("N11"), Row<TForm13, Form13>("N12"),
    Row<TForm14, Form14>("N13"), Row<TForm15, Form15>("N14"), Row<TForm16, Form16>("N15"),
};

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
