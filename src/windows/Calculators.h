// The fifteen calculator windows: the one list of them, the order in which
// they are created, and what they need before the first one is.
#pragma once

#include "CalculatorRow.h"
#include "FormKit.h"

#include <span>
#include <vector>

namespace velorix {

// One calculator: what its row states (its menu command, pictures, the
// fields each button reads, its name overrides, its characteristic), and its
// window, created once as its global FormN (declared beside its class in
// UnitN.h).
struct CalculatorEntry : CalculatorRow {
    TCalcForm *(*make)(); // creates the window and sets FormN
    TCalcForm *(*form)(); // FormN; null before it is created
    void (*destroy)();    // deletes the window and sets FormN back to null

    // Creates the window, sets FormN and applies the row to it.
    TCalcForm *create() const;
};

// The fifteen calculators, in the order they are created: Form2 to Form16.
std::span<const CalculatorEntry> CalculatorTable();

// Registers the resources of the windows' pictures (and the program's icon)
// once; later calls do nothing.
void RegisterPictures();

// What the windows need before they are made: their pictures' resources,
// their typefaces resolved to faces this system has (Tahoma from Wine's
// fonts when installed, DejaVu Sans otherwise), and the floating-point
// environment.  Needs the QApplication.
void PrepareCalculators();

// Creates Form2 to Form16 in the table's order, unless they exist.
void CreateCalculators();
// Deletes them again (the program itself never does before it ends).
void DestroyCalculators();

// The windows in the table's order; each null before CreateCalculators.
std::vector<TCalcForm *> Calculators();

// Minimises the visible calculator windows, or restores them (the main
// window's minimising takes the whole program down).
void SetCalculatorsMinimized(bool minimized);

} // namespace velorix
