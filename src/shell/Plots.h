// The characteristic windows of the calculators: the command
// "Характеристика" of a calculator window shows its characteristic window,
// made on first use, when the plots module is first loaded.
#pragma once

#include <QString>

class QWidget;

namespace velorix {

// Makes the command "Характеристика" show the calculator's characteristic
// window (see SetCharacteristicOpener).
void InstallCharacteristicWindows();

// Where the plots module is, for a program that is not installed (the tests
// and tools of the build tree).  By default the program looks beside itself,
// then in its own library folder.
void SetPlotModule(const QString &path);

// A calculator's characteristic window, made (and the module loaded) on the
// first call, drawn with the calculator's last characteristic; null when the
// module cannot be loaded.
QWidget *CharacteristicWindow(QWidget *calculator);

} // namespace velorix
