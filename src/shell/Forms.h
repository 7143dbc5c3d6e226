// The program's start-up: the main window, created first, and the fifteen
// calculator windows (Calculators.h), kept until the end.
#pragma once

#include "Calculators.h"
#include "Unit1.h"

#include <functional>

extern TForm1 *Form1;

namespace velorix {

// The language of the edition for a user whose interface languages are
// `uiLanguages` (BCP 47 tags, most wanted first) and whose system locale is
// named `systemLocale`: the first of those languages that is Russian or has a
// translation; Russian under the C/POSIX locale; English for every other
// user.
QString ChooseLanguage(const QStringList &uiLanguages, const QString &systemLocale,
                       const std::function<bool(const QString &language)> &hasTranslation);
// Whether the program has a translation into a language ("en") embedded.
bool HasTranslation(const QString &language);
// ChooseLanguage for the user running the program.
QString SystemLanguage();

// Application title, version, desktop file name and icon, the edition's
// language with its translation (Russian: Qt's own Russian texts), what the
// calculators need (PrepareCalculators), the decimal separator and the sign
// that the program runs.
// Needs the QApplication.
void InitApplication(const QString &language = SystemLanguage());

// Creates Form1, then Form2 to Form16 in their order; Form1 is the main window.
void CreateForms();
// The program's start-up once the QApplication exists: InitApplication,
// Form1 created and shown, and Form2 to Form16 created, with their pictures,
// on the event loop's first turn after Form1's first paint, or at once when
// input comes before that.
void StartProgram();
// Deletes them again (the program itself never does before it ends).
void DestroyForms();

} // namespace velorix
