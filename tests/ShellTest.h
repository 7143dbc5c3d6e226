// For the tests of the whole program: its start-up as main.cpp runs it,
// without showing Form1.
#pragma once

#include "Forms.h"
#include "Plots.h"
#include "TestKit.h"

namespace velorix::test {

// The characteristic windows come from the plots module of this build tree.
inline void UsePlotModuleOfBuild()
{
#ifdef VELORIX_PLOTS_MODULE
    SetPlotModule(QStringLiteral(VELORIX_PLOTS_MODULE));
#endif
}

} // namespace velorix::test

#define VELORIX_SHELL_TEST_MAIN(TestClass)                                                                   \
    VELORIX_TEST_MAIN_WITH(TestClass, velorix::InitApplication(); velorix::test::UsePlotModuleOfBuild();     \
                           velorix::CreateForms(), velorix::DestroyForms())
