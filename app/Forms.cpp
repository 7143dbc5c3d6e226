#include "Forms.h"

#include "JpegImage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

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
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form7 = new TForm7;
    Form8 = new TForm8;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form11 = new TForm11;
    Form12 = new TForm12;
    Form13 = new TForm13;
    Form14 = new TForm14;
    Form15 = new TForm15;
    Form16 = new TForm16;
}

void StartProgram()
{
    // The windows' pictures are decoded on a second thread while the fonts
    // load and the windows are built.
    InitResources();
    JpegPrefetch prefetch(PicturesForScreens(QStringLiteral(":/assets")));
    InitApplication();
    CreateForms();
    Form1->show();
}

std::vector<TCalcForm *> Calculators()
{
    return {Form2,  Form3,  Form4,  Form5,  Form6,  Form7,  Form8, Form9,
            Form10, Form11, Form12, Form13, Form14, Form15, Form16};
}

void DestroyForms()
{
    for (TCalcForm *form : Calculators())
        delete form;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    Form9 = nullptr;
    Form10 = nullptr;
    Form11 = nullptr;
    Form12 = nullptr;
    Form13 = nullptr;
    Form14 = nullptr;
    Form15 = nullptr;
    Form16 = nullptr;
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
    const QString fallback = QStringLiteral("DejaVu Sans");
    for (const char *family : {"Tahoma", "Verdana", "MS Reference Sans Serif"}) {
        if (!QFontDatabase::hasFamily(QLatin1String(family)))
            QFont::insertSubstitution(QLatin1String(family), fallback);
    }
}

} // namespace velorix
