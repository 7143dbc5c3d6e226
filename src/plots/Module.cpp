// The plots module's entry: the characteristic windows behind the
// PlotModule interface.
#include "PlotModule.h"
#include "PlotWindow.h"

#include <QObject>

class Module : public QObject, public PlotModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELORIX_PLOT_MODULE_IID FILE "plots.json")
    Q_INTERFACES(PlotModule)

public:
    void setWarning(std::function<void(const QString &)> warning) override { warning_ = std::move(warning); }

    QWidget *createWindow(const QWidget *calculator) override { return new PlotWindow(calculator, warning_); }

    void draw(QWidget *window, const velorix::Curve &curve) override
    {
        if (auto *plot = qobject_cast<PlotWindow *>(window))
            plot->draw(curve);
    }

private:
    std::function<void(const QString &)> warning_;
};

#include "Module.moc"
