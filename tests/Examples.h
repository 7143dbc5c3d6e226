// Worked examples, one for each button handler of every calculator window,
// shared by the tests and the click bench.
#pragma once

#include <QStringList>

#include <span>

namespace velorix::test {

// One handler's example: the steps that set its window up (fields, radio
// buttons, earlier steps, as RunSteps takes them), the button, the last
// result label it writes and that label's text ("" where only a written
// number is checked).  Numbers are written with "." as the separator; none
// of the steps or the click raises a box.
struct WorkedExample {
    const char *window;
    const char *handler; // as the bench's table names it
    QStringList setup;
    const char *button;
    const char *last;
    const char *expected;
};

// Form2's Button1 to Form16's Button2, in that order.
std::span<const WorkedExample> WorkedExamples();

// The example's steps, the setup and then the button, with every "." in a
// typed number written as the given separator.
QStringList StepsWith(const WorkedExample &example, QChar separator);

} // namespace velorix::test
