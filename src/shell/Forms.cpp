#include "Forms.h"

#include "JpegImage.h"
#include "RegionalSettings.h"
#include "RunningSignal.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <functional>
#include <memory>

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm4 *Form4 = nullptr;
TForm5 *Form5 = nullptr;
TForm6 *Form6 = nullptr;
TForm7 *Form7 = nullptr;
TForm8 *Form8 = nullptr;
TForm9 *Form9 = nullptr;
TForm10 *Form10 = nullptr;
TForm11 *Form11 = nullptr;
TForm12 *Form12 = nullptr;
TForm13 *Form13 = nullptr;
TForm14 *Form14 = nullptr;
TForm15 *Form15 = nullptr;
TForm16 *Form16 = nullptr;

// The resources of a static library are registered by hand, once.
static void InitResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(assets);
        Q_INIT_RESOURCE(assets2x);
        return true;
    }();
    (void)registered;
}

namespace velorix {

namespace {

// A row of the table: the window class TForm and its global.
template <class TForm, TForm *&Global>
constexpr CalculatorEntry Row(const char *menuItem, void (TForm1::*command)())
{
    return {menuItem, command, []() -> TCalcForm * { return Global = new TForm; },
            []() -> TCalcForm * { return Global; },
            [] {
                delete Global;
                Global = nullptr;
            }};
}

const CalculatorEntry kCalculators[] = {
    Row<TForm2, Form2>("N4", &TForm1::N4Click),     Row<TForm3, Form3>("N2", &TForm1::N2Click),
    Row<TForm4, Form4>("N3", &TForm1::N3Click),     Row<TForm5, Form5>("R1", &TForm1::R1Click),
    Row<TForm6, Form6>("R2", &TForm1::R2Click),     Row<TForm7, Form7>("N6", &TForm1::N6Click),
    Row<TForm8, Form8>("N8", &TForm1::N8Click),     Row<TForm9, Form9>("N7", &TForm1::N7Click),
    Row<TForm10, Form10>("N9", &TForm1::N9Click),   Row<TForm11, Form11>("N10", &TForm1::N10Click),
    Row<TForm12, Form12>("N11", &TForm1::N11Click), Row<TForm13, Form13>("N12", &TForm1::N12Click),
    Row<TForm14, Form14>("N13", &TForm1::N13Click), Row<TForm15, Form15>("N14", &TForm1::N14Click),
    Row<TForm16, Form16>("N15", &TForm1::N15Click),
};

// Runs an action before the application handles its next input event (a
// key, a mouse button, a shortcut), while installed.
class BeforeInput : public QObject {
public:
    BeforeInput(QObject *parent, std::function<void()> action) : QObject(parent), action_(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->isInputEvent() || event->type() == QEvent::Shortcut)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

// Creates the calculators once the main window has painted its first frame:
// its first paint event posts the creation, which so runs after that paint
// and its flush.  Any input that comes first (none can reach a calculator
// without them) creates them at once, before it is handled.
class CreateCalculatorsAfterFirstPaint : public QObject {
public:
    CreateCalculatorsAfterFirstPaint(QWidget *mainWindow, std::unique_ptr<JpegPrefetch> prefetch)
        : QObject(mainWindow), mainWindow_(mainWindow), prefetch_(std::move(prefetch)),
          input_(new BeforeInput(this, [this] { create(); }))
    {
        mainWindow->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == mainWindow_ && event->type() == QEvent::Paint && !posted_) {
            posted_ = true;
            QMetaObject::invokeMethod(this, &CreateCalculatorsAfterFirstPaint::create, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void create()
    {
        if (!prefetch_)
            return;
        qApp->removeEventFilter(input_);
        mainWindow_->removeEventFilter(this);
        CreateCalculators();
        prefetch_.reset(); // the pictures are taken; the decoding thread has ended
        deleteLater();
    }

    QWidget *mainWindow_;
    std::unique_ptr<JpegPrefetch> prefetch_;
    QObject *input_; // a child
    bool posted_ = false;
};

} // namespace

std::span<const CalculatorEntry> CalculatorTable() { return kCalculators; }

void InitApplication()
{
    InitResources();
    ResetFloatEnvironment();
    QCoreApplication::setApplicationName(QStringLiteral("Velorix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELORIX_VERSION));
    // The name of the desktop entry, so that the desktop finds its icon and
    // groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELORIX_APP_ID));
    LoadQtTranslation();
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    RegisterFonts();
    UpdateDecimalSeparator();
    WatchRegionalSettings();
    SignalRunning();
}

void LoadQtTranslation()
{
    // The interface is Russian whatever the regional settings are, so Qt's own
    // texts (the fields' context menu, standard dialog texts) are Russian too.
    // Without the translation installed they stay English.
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void CreateForms()
{
    Form1 = new TForm1;
    CreateCalculators();
}

void CreateCalculators()
{
    for (const CalculatorEntry &c : kCalculators) {
        if (!c.form())
            c.create();
    }
}

void StartProgram()
{
    // The windows' pictures are decoded on a second thread while the fonts
    // load and the windows are built.
    InitResources();
    auto prefetch = std::make_unique<JpegPrefetch>(PicturesForScreens(QStringLiteral(":/assets")));
    InitApplication();
    Form1 = new TForm1;
    Form1->show();
    new CreateCalculatorsAfterFirstPaint(Form1, std::move(prefetch)); // owned by Form1 until it has run
}

std::vector<TCalcForm *> Calculators()
{
    std::vector<TCalcForm *> forms;
    for (const CalculatorEntry &c : kCalculators)
        forms.push_back(c.form());
    return forms;
}

void DestroyForms()
{
    for (const CalculatorEntry &c : kCalculators)
        c.destroy();
    delete Form1;
    Form1 = nullptr;
}

QChar SeparatorOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

void UpdateDecimalSeparator() { SetDecimalSeparator(SeparatorOf(QLocale::system())); }

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

void RegisterFonts()
{
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            if (QFile::exists(QLatin1String(file)))
                QFontDatabase::addApplicationFont(QLatin1String(file));
        }
    }
    // Verdana, the face "MS Reference Sans Serif" was drawn from, where
    // DejaVu Sans is missing (a Windows without the latter).
    const QStringList fallback{QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")};
    for (const char *family : {"Tahoma", "Verdana", "MS Reference Sans Serif"}) {
        if (!QFontDatabase::hasFamily(QLatin1String(family))) {
            QStringList others = fallback;
            others.removeAll(QLatin1String(family));
            QFont::insertSubstitutions(QLatin1String(family), others);
        }
    }
}

} // namespace velorix
