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

// The edition a test of the whole program starts: Russian, the one the tests
// compare texts with, whatever the system's languages are (the Windows
// edition's tests run under Wine's English), unless VELORIX_TEST_LANGUAGE
// names another.
inline QString TestLanguage() { return qEnvironmentVariable("VELORIX_TEST_LANGUAGE", QStringLiteral("ru")); }

} // namespace velorix::test

#define VELORIX_SHELL_TEST_MAIN(TestClass)                                                                   \
    VELORIX_TEST_MAIN_WITH(TestClass, velorix::InitApplication(velorix::test::TestLanguage());               \
                           velorix::test::UsePlotModuleOfBuild();                                            \
                           velorix::CreateForms(), velorix::DestroyForms())
