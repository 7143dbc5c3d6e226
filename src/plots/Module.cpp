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
    void setHost(PlotHost host) override { host_ = std::move(host); }

    QWidget *createWindow(const QWidget *calculator) override { return new PlotWindow(calculator, host_); }

    void draw(QWidget *window, const velorix::Curve &curve) override
    {
        if (auto *plot = qobject_cast<PlotWindow *>(window))
            plot->draw(curve);
    }

private:
    PlotHost host_;
};

#include "Module.moc"
