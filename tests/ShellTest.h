// For the tests of the whole program: its start-up as main.cpp runs it,
// without showing Form1.
#pragma once

#include "Forms.h"
#include "TestKit.h"

#define VELORIX_SHELL_TEST_MAIN(TestClass)                                                                   \
    VELORIX_TEST_MAIN_WITH(TestClass, velorix::InitApplication();                                            \
                           velorix::CreateForms(), velorix::DestroyForms())
