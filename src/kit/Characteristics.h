// The seam between a calculator window and its characteristic window: the
// window leaves, after each successful calculation, how to compute its curve,
// or says that the curve it left no longer shows its values; the command
// "Характеристика" asks the shell to show it.  Nothing is computed while no
// characteristic window looks.
#pragma once

#include "Characteristic.h"

#include <QObject>

#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

namespace velorix {

using CharacteristicBuilder = std::function<Curve()>;

// A calculator's characteristic as its last successful calculation left it.
class CharacteristicSource : public QObject {
    Q_OBJECT
public:
    CharacteristicSource(QWidget *window, const QAbstractButton *drawnBy);

    // The characteristic, computed now; none, with the reason in words,
    // before the first calculation (naming the button that draws it), when
    // the circuit has no curve, when computing it fails, or while the window
    // says the last one is out of date.
    Curve build() const;
    void setBuilder(CharacteristicBuilder builder);
    // The last characteristic no longer shows the window's values, and why
    // ("изменились значения f0, ρ"); an empty reason: it does again.
    // Nothing before the first one.
    void setOutOfDate(const QString &reason);

signals:
    // A calculation has left a new characteristic, or made it out of date.
    void changed();

private:
    // The button's name for screen readers, which tells apart the buttons of
    // one caption ("Рассчитать Rp и П").
    QString drawnByName() const;

    const QAbstractButton *drawnBy_;
    CharacteristicBuilder builder_;
    QString outOfDate_;
};

// Gives a calculator window the command "Характеристика", in its context
// menu and on Ctrl+G, also while a field has focus; its curve is drawn by
// the calculation of the button given.
void AddCharacteristic(QWidget *window, const QAbstractButton *drawnBy);

// The characteristic of a window that has the command; null otherwise.
CharacteristicSource *CharacteristicOf(const QWidget *window);

// The last step of a successful calculation: how its characteristic is
// computed, from the values the calculation used.
void UpdateCharacteristic(QWidget *window, CharacteristicBuilder builder);

// A calculation that leaves the window's chain of steps apart from the one
// its characteristic shows: what changed, in words ("изменились значения f0,
// ρ"); an empty text when the chain is the characteristic's again.
void CharacteristicOutOfDate(QWidget *window, const QString &reason);

// What the command does with its window (the shell shows the window's
// characteristic window); until it is set the command does nothing.
void SetCharacteristicOpener(std::function<void(QWidget *window)> opener);

} // namespace velorix
