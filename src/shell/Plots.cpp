#include "Plots.h"

#include "Characteristics.h"
#include "Links.h"
#include "Messages.h"
#include "PlotModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QPluginLoader>
#include <QPointer>
#include <QWidget>

namespace velorix {

namespace {

QString &ModulePath()
{
    static QString path;
    return path;
}

QString &LoadError()
{
    static QString error;
    return error;
}

// The module, loaded on the first call; null when it cannot be.
PlotModule *Module()
{
    static PlotModule *const module = []() -> PlotModule * {
#ifdef Q_OS_WIN
        const QString file = QStringLiteral("velorix_plots.dll");
#else
        const QString file = QStringLiteral("velorix_plots.so");
#endif
        // Beside the program, then where the install rules put it relative
        // to the program (nothing more on Windows, where that is beside it).
        const QDir program(QCoreApplication::applicationDirPath());
        QStringList candidates{program.filePath(file)};
        const QString installed = QStringLiteral(VELORIX_PLOTS_FROM_PROGRAM);
        if (!installed.isEmpty())
            candidates << program.filePath(installed + QLatin1Char('/') + file);
        if (!ModulePath().isEmpty())
            candidates = {ModulePath()};
        for (const QString &path : std::as_const(candidates)) {
            if (!QFileInfo::exists(path))
                continue;
            QPluginLoader loader(path);
            if (auto *m = qobject_cast<PlotModule *>(loader.instance())) {
                m->setHost({[](const QString &text) { ShowWarning(text); }, IsDark});
                return m;
            }
            LoadError() = loader.errorString();
            return nullptr;
        }
        LoadError() = QCoreApplication::translate("Plots", "нет файла %1").arg(file);
        return nullptr;
    }();
    return module;
}

// A characteristic window and whether it still has to draw the
// calculator's last characteristic (a hidden window draws when shown).
struct PlotOf {
    QPointer<QWidget> window;
    bool stale = true;
};

QHash<const QWidget *, PlotOf> &Plots()
{
    static QHash<const QWidget *, PlotOf> plots;
    return plots;
}

void Draw(QWidget *calculator)
{
    PlotOf &plot = Plots()[calculator];
    if (!plot.window || !plot.stale)
        return;
    plot.stale = false;
    Module()->draw(plot.window, CharacteristicOf(calculator)->build());
}

void Open(QWidget *calculator)
{
    QWidget *window = CharacteristicWindow(calculator);
    if (!window) {
        ShowWarning(QCoreApplication::translate("Plots", "Характеристика не может быть показана: %1.")
                        .arg(LoadError()));
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void InstallCharacteristicWindows() { SetCharacteristicOpener(Open); }

void SetPlotModule(const QString &path) { ModulePath() = path; }

QWidget *CharacteristicWindow(QWidget *calculator)
{
    CharacteristicSource *source = CharacteristicOf(calculator);
    if (!source || !Module())
        return nullptr;
    PlotOf &plot = Plots()[calculator];
    if (!plot.window) {
        QWidget *window = Module()->createWindow(calculator);
        plot = {window, true};
        // Each calculation that leaves a characteristic redraws the window,
        // at once when it is open and when it is next shown otherwise.
        QObject::connect(source, &CharacteristicSource::changed, window, [calculator, window] {
            Plots()[calculator].stale = true;
            if (window->isVisible())
                Draw(calculator);
        });
        QObject::connect(calculator, &QObject::destroyed, window, [calculator, window] {
            Plots().remove(calculator);
            delete window;
        });
    }
    Draw(calculator);
    return plot.window;
}

} // namespace velorix
