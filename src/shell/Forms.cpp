#include "Forms.h"

#include "Edition.h"
#include "JpegImage.h"
#include "Plots.h"
#include "RegionalSettings.h"
#include "RunningSignal.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <functional>
#include <memory>

TForm1 *Form1 = nullptr;

namespace velorix {

namespace {

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

// Where lrelease's files are embedded, velorix_LANGUAGE.qm.
const QString kTranslations = QStringLiteral(":/i18n");

// Installs a translation when it can be loaded.
void Install(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Sets the edition's language and installs its translation.  The Russian
// edition, the program's own language, has Qt's Russian translation
// (qtbase_ru.qm) when the system has it, so Qt's own texts (the fields'
// context menu, standard dialog texts) are Russian too whatever the regional
// settings are; without it they stay English.  Another language has the
// program's translation and Qt's own English texts.
void LoadTranslation(const QString &language)
{
    SetEditionLanguage(language);
    if (language == QLatin1String("ru"))
        Install(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        Install(QStringLiteral("velorix_") + language, kTranslations);
}

} // namespace

QString ChooseLanguage(const QStringList &uiLanguages, const QString &systemLocale,
                       const std::function<bool(const QString &language)> &hasTranslation)
{
    const QString russian = QStringLiteral("ru");
    if (systemLocale == QLatin1String("C") || systemLocale == QLatin1String("POSIX"))
        return russian;
    for (const QString &tag : uiLanguages) {
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == russian || hasTranslation(language))
            return language;
    }
    return QStringLiteral("en");
}

bool HasTranslation(const QString &language)
{
    return !language.isEmpty() &&
           QFile::exists(kTranslations + QStringLiteral("/velorix_") + language + QStringLiteral(".qm"));
}

QString SystemLanguage()
{
    const QLocale system = QLocale::system();
    const QString name = system.name();
    // The C locale's interface languages are not asked for: it is Russian.
    return ChooseLanguage(name == QLatin1String("C") ? QStringList() : system.uiLanguages(), name,
                          HasTranslation);
}

void InitApplication(const QString &language)
{
    LoadTranslation(language);
    PrepareCalculators();
    QCoreApplication::setApplicationName(QStringLiteral("Velorix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELORIX_VERSION));
    // The name of the desktop entry, so that the desktop finds its icon and
    // groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELORIX_APP_ID));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    UpdateDecimalSeparator();
    WatchRegionalSettings();
    InstallCharacteristicWindows();
    SignalRunning();
}

void CreateForms()
{
    Form1 = new TForm1;
    CreateCalculators();
}

void StartProgram()
{
    // The windows' pictures are decoded on a second thread while the fonts
    // load and the windows are built.
    // The language comes first: the prefetch decodes the edition's pictures.
    RegisterPictures();
    const QString language = SystemLanguage();
    SetEditionLanguage(language);
    auto prefetch = std::make_unique<JpegPrefetch>(PicturesForScreens(QStringLiteral(":/assets")));
    InitApplication(language);
    Form1 = new TForm1;
    Form1->show();
    new CreateCalculatorsAfterFirstPaint(Form1, std::move(prefetch)); // owned by Form1 until it has run
}

void DestroyForms()
{
    DestroyCalculators();
    delete Form1;
    Form1 = nullptr;
}

} // namespace velorix
