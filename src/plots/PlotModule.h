// The interface of the plots module: the characteristic windows, drawn with
// Qt Charts, in a module of their own that the shell loads the first time a
// characteristic is asked for, so that start-up neither loads nor links Qt
// Charts.  The module sees only this header and the data of
// Characteristic.h; it formats no numbers itself.
#pragma once

#include "Characteristic.h"

#include <QtPlugin>

#include <functional>

class QPalette;
class QWidget;

// What the program lends the module's windows.
struct PlotHost {
    // How the module reports a failure (a file that cannot be written): the
    // program's warning box.
    std::function<void(const QString &text)> warning;
    // Whether a palette's background is dark, as the program's windows judge
    // it: the plot then takes the dark theme.
    std::function<bool(const QPalette &palette)> isDark;
};

class PlotModule {
public:
    virtual ~PlotModule() = default;

    virtual void setHost(PlotHost host) = 0;

    // A characteristic window for a calculator window: the caption
    // "<calculator's caption> — характеристика", the object name of the
    // calculator with "Plot" appended, hidden and empty.
    virtual QWidget *createWindow(const QWidget *calculator) = 0;

    // Draws a characteristic in a window that createWindow made, in place of
    // the one it showed; or, for a curve that has none, keeps the last one
    // greyed (or none) and states why.
    virtual void draw(QWidget *window, const velorix::Curve &curve) = 0;
};

#define VELORIX_PLOT_MODULE_IID "org.velorix.Velorix.PlotModule/3"
Q_DECLARE_INTERFACE(PlotModule, VELORIX_PLOT_MODULE_IID)
