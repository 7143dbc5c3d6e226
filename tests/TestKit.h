// Shared by the window tests: the windows made as the program makes them, a
// recorder of the modal boxes, a watchdog against boxes that bypass it, and
// control access by name.
#pragma once

#include "Calculators.h"
#include "Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace velorix::test {

// One recorded box: "warning: text" or "error: text".
QString Describe(MessageKind kind, const QString &text);

// The error boxes as the recorder gives them.
inline const QString kDivZero = QStringLiteral("error: Floating point division by zero.");
inline const QString kInvalid = QStringLiteral("error: Invalid floating point operation.");
inline const QString kOverflow = QStringLiteral("error: Floating point overflow.");
QString NotANumber(const QString &fieldText);

// Records every warning and error box instead of showing it, and watches for
// any other modal window: one that appears is closed, and the recorder fails
// the running test when it is destroyed.
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    // The boxes so far, in order, each as Describe() gives it; then forgets them.
    QStringList take();
    // Titles of modal windows that did not go through the presenter; then
    // forgets them.
    QStringList takeUnexpected();

private:
    QStringList boxes_;
    QStringList unexpected_;
    QTimer watchdog_;
};

// Starts one window test function: boxes recorded from here on, "." as the
// decimal separator, and the window shown.
std::unique_ptr<BoxRecorder> StartWindowTest(TCalcForm *form);

// The calculator window with this object name ("Form7"), or null.
TCalcForm *Calculator(const QString &name);

// The control of a window by its object name; fails the test when missing.
template <class T> T *Control(QWidget *form, const QString &name)
{
    T *control = form->findChild<T *>(name);
    if (!control)
        QTest::qFail(qPrintable(QStringLiteral("no %1 in %2").arg(name, form->objectName())), __FILE__,
                     __LINE__);
    return control;
}

// Replaces a field's text as a user would: select all, then type (or paste,
// for a long text or one with characters no key gives).
void Type(QWidget *form, const QString &field, const QString &text);
// Clicks a button, radio button or a label with a click handler with the mouse.
void Click(QWidget *form, const QString &control);
QString Text(QWidget *form, const QString &label);
// The texts of several labels, in order; one text put into all of them.
QStringList Texts(QWidget *form, const QStringList &labels);
void SetTexts(QWidget *form, const QStringList &labels, const QString &text);

// The object names of a window's controls of one kind, in creation order:
// its fields; its push buttons; its radio buttons and check boxes; its text
// labels (picture boxes, "ImageN", are not); and its text labels that are
// empty, which on a window no handler has written to yet are its result
// labels (a window definition leaves them empty).
QStringList Fields(QWidget *form);
QStringList PushButtons(QWidget *form);
QStringList ChoiceButtons(QWidget *form);
QStringList TextLabels(QWidget *form);
QStringList EmptyLabels(QWidget *form);

// Whether a text is a number as ShowNumber writes it, in the general format
// with 15 significant digits and this decimal separator: "0"; or an optional
// "-" and a magnitude 0.000d... to ddd.ddd without leading or trailing zeros
// (at most 15 digits, three zeros after "0" at most); or d.ddd "E" and an
// exponent from -4951 to -5 or 15 to 4932, without "+" or leading zeros.
bool IsGeneralFormat(const QString &text, QChar separator);

// Names of the controls that Tab visits, in order, from the first one.
QStringList TabOrder(QWidget *form);

// Sets the field texts in order: Edit1, Edit2, ...
void Fill(QWidget *form, const QStringList &texts);
// The same as steps for RunSteps: "Edit1=text", "Edit2=text", ...
QStringList FillSteps(const QStringList &texts);

// Drives a window through steps as a user would: "EditN=text" types into a
// field, "ButtonN" clicks a button.  Each click gives one line: the texts of
// the result labels joined by " | ", then each box the click raised.
QStringList RunSteps(QWidget *form, const QStringList &steps, const QStringList &results, BoxRecorder &boxes);

// A window test's table whose first column is the decimal separator each
// row runs under: AddSeparatorColumn first in the table, NewRow for each row
// ("." unless another is given), UseRowSeparator in the test.
void AddSeparatorColumn();
QTestData &NewRow(const char *tag, QChar separator = QLatin1Char('.'));
void UseRowSeparator();

// The bias windows' design test: with "old" in the result labels, fills the
// row's "fields", clicks its "material" and Button1, and compares the labels
// and the boxes with its "results" and "messages".
void CheckDesign(QWidget *form, const QStringList &resultLabels, BoxRecorder &boxes);

// Where a one-line label draws its text's baseline, in its parent's
// coordinates, as QLabel lays the line out (centred in the contents).
int Baseline(const QLabel *label);

// The characters of a label's text that its font, with Qt's font fallback,
// draws as the missing-glyph box.
QString MissingGlyphs(const QLabel *label);

// On Windows the offscreen platform's FreeType engine hints glyphs fully,
// where Linux's fontconfig asks for slight hinting: there the application
// font asks for slight (vertical-only) hinting, so that text measures as on
// Linux.  Elsewhere nothing changes.
void MeasureTextAsOnLinux();

} // namespace velorix::test

// A test main that runs the test object between two steps: start (after the
// QApplication exists) and stop.
#define VELORIX_TEST_MAIN_WITH(TestClass, start, stop)                                                       \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QApplication app(argc, argv);                                                                        \
        velorix::test::MeasureTextAsOnLinux();                                                               \
        start;                                                                                               \
        int result;                                                                                          \
        {                                                                                                    \
            TestClass test;                                                                                  \
            result = QTest::qExec(&test, argc, argv);                                                        \
        }                                                                                                    \
        stop;                                                                                                \
        return result;                                                                                       \
    }

// A window test's main: the calculator windows made as the program makes
// them, without the shell.
#define VELORIX_TEST_MAIN(TestClass)                                                                         \
    VELORIX_TEST_MAIN_WITH(TestClass, velorix::PrepareCalculators();                                         \
                           velorix::CreateCalculators(), velorix::DestroyCalculators())
