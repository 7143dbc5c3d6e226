// The program's sixteen windows, created once at start-up in a fixed order
// and kept until the end, and the start-up steps that come before them.
#pragma once

#include "Unit1.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QLocale>

#include <span>
#include <vector>

extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm3 *Form3;
extern TForm4 *Form4;
extern TForm5 *Form5;
extern TForm6 *Form6;
extern TForm7 *Form7;
extern TForm8 *Form8;
extern TForm9 *Form9;
extern TForm10 *Form10;
extern TForm11 *Form11;
extern TForm12 *Form12;
extern TForm13 *Form13;
extern TForm14 *Form14;
extern TForm15 *Form15;
extern TForm16 *Form16;

namespace velorix {

// One calculator: the main window's menu command that shows it (the
// QAction's object name and its handler in TForm1) and its window, created
// once as its global FormN.
struct CalculatorEntry {
    const char *menuItem;
    void (TForm1::*command)();
    TCalcForm *(*create)(); // creates the window and sets FormN
    TCalcForm *(*form)();   // FormN; null before it is created
    void (*destroy)();      // deletes the window and sets FormN back to null
};

// The fifteen calculators, in the order they are created: Form2 to Form16.
std::span<const CalculatorEntry> CalculatorTable();

// Application title, version, desktop file name and icon, Qt's Russian texts,
// fonts, decimal separator, the floating-point environment and the sign that
// the program runs.  Needs the QApplication.
void InitApplication();

// Installs Qt's Russian translation (qtbase_ru.qm) when the system has it.
void LoadQtTranslation();

// Creates Form1 to Form16 in this order; Form1 is the main window.
void CreateForms();
// Creates Form2 to Form16 in this order, unless they exist.
void CreateCalculators();
// The program's start-up once the QApplication exists: InitApplication,
// Form1 created and shown, and Form2 to Form16 created, with their pictures,
// on the event loop's first turn after Form1's first paint, or at once when
// input comes before that.
void StartProgram();
// Deletes them again (the program itself never does before it ends).
void DestroyForms();

// Form2 to Form16 (null before CreateCalculators).
std::vector<TCalcForm *> Calculators();

// The decimal separator of the given regional settings: "." when they have none.
QChar SeparatorOf(const QLocale &locale);
// Reads the separator of the user's regional settings again.
void UpdateDecimalSeparator();

// Minimises the visible calculator windows, or restores them.
void SetCalculatorsMinimized(bool minimized);

// Makes Tahoma, Verdana and "MS Reference Sans Serif" resolve to a face this
// system has: Tahoma from Wine's fonts when installed, DejaVu Sans otherwise
// (Verdana where DejaVu Sans is missing too).
void RegisterFonts();

} // namespace velorix
