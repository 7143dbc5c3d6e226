// The seam between a calculator window and its characteristic window: the
// window leaves, after each successful calculation, how to compute its curve;
// the command "Характеристика" asks the shell to show it.  Nothing is
// computed while no characteristic window looks.
#pragma once

#include "Characteristic.h"

#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace velorix {

using CharacteristicBuilder = std::function<std::optional<Characteristic>()>;

// A calculator's characteristic as its last successful calculation left it.
class CharacteristicSource : public QObject {
    Q_OBJECT
public:
    explicit CharacteristicSource(QWidget *window);

    // The characteristic, computed now; none before the first calculation,
    // when the circuit has no curve, or when computing it fails.
    std::optional<Characteristic> build() const;
    void setBuilder(CharacteristicBuilder builder);

signals:
    // A calculation has left a new characteristic.
    void changed();

private:
    CharacteristicBuilder builder_;
};

// Gives a calculator window the command "Характеристика", in its context
// menu and on Ctrl+G, also while a field has focus.
void AddCharacteristic(QWidget *window);

// The characteristic of a window that has the command; null otherwise.
CharacteristicSource *CharacteristicOf(const QWidget *window);

// The last step of a successful calculation: how its characteristic is
// computed, from the values the calculation used.
void UpdateCharacteristic(QWidget *window, CharacteristicBuilder builder);

// What the command does with its window (the shell shows the window's
// characteristic window); until it is set the command does nothing.
void SetCharacteristicOpener(std::function<void(QWidget *window)> opener);

} // namespace velorix
