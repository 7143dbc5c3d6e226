// What every window built from a UnitN.ui definition shares: the finishing
// of the definition (frame, fonts, placement), reading fields and showing
// results, and connecting buttons to handlers.
#pragma once

#include "Chain.h"
#include "EnterKey.h"
#include "Messages.h"
#include "Numeric.h"

#include <QAbstractButton>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;

namespace velorix {

// A field's number (see ParseNumber).
Ext ReadNumber(const QLineEdit *field);

// Writes a number into a result label in the general format; the label
// sizes itself to its text (FitToText), and the window widens when the text would run
// past its right edge.
void ShowNumber(QLabel *label, Ext x);

// A result of a chain of formulas: shown when its step was reached, the
// label left as it was when an earlier step failed.  ShowRounded shows it
// rounded to a whole number.
void ShowNumber(QLabel *label, const Result &x);
void ShowRounded(QLabel *label, const Result &x);

// Writes a text into a label that shows a verdict, sized to its text; from
// then on it is read and copied as a result (MarkWrittenLabel).
void ShowText(QLabel *label, const QString &text);

// Sizes a label to its text: the size QWidget::adjustSize gives it.  A
// one-line plain-text label is measured with one text layout (adjustSize
// lays a selectable label's text out seven times); any other label is left
// to adjustSize.
void FitToText(QLabel *label);

// Puts a JPEG resource, decoded now (or by the JpegPrefetch that exists),
// into a picture box ("ImageN"), drawn at its natural size from the box's
// top-left corner.  On a screen of device pixel ratio above 1 the box shows
// the resource's double-size twin at ratio 2 (see PictureScale), the same
// logical size; moved to a screen of the other kind, it decodes the other.
// An edition other than the Russian shows the picture's English rendering
// where there is one (see EditionPicture).
void ShowPicture(QLabel *box, const QString &resource);

// Applies what a window definition states beyond what uic does:
//  - the definition's geometry is the window's outer size, frame included,
//    as on the desktop the program was designed for;
//  - a widget's "pixelSize" property is its font's character height in pixels;
//  - labels size themselves to their text (picture boxes, "ImageN", do not),
//    and result labels, empty in the definition, paint their background;
//  - a field without a maximum length takes text of any length, and a
//    number in a field shows with the decimal separator in use (KeepPreset);
//  - the title bar has the system menu, minimise and close, no maximise;
//  - when the window is first shown, before it first paints: its labels are
//    sized to their text, its controls placed by the captions as drawn
//    (PlaceByCaptions), then its fields and results named (NameControls).
// A window with a "screenPos" property is shown there; one without is
// centred on the desktop on its first showing.
void FinishDesign(QWidget *window);

// Runs an action once, when the window is first shown, before it first
// paints.  Each window has one, FinishDesign's; a second one would run
// before it.
void OnFirstShow(QWidget *window, std::function<void()> action);

// Connects a button's click to a handler that runs under RunHandler.
template <class Form> void ConnectClick(QAbstractButton *button, Form *form, void (Form::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, form,
                     [form, handler] { RunHandler([form, handler] { (form->*handler)(); }); });
}

// Connects a click on a label (the left button released inside it) to a
// handler that runs under RunHandler; the label is a link, readable on a
// dark background too (KeepLinkReadable).
void ConnectClick(QLabel *label, std::function<void()> handler);
template <class Form> void ConnectClick(QLabel *label, Form *form, void (Form::*handler)())
{
    ConnectClick(label, std::function<void()>([form, handler] { (form->*handler)(); }));
}

// Base of the fifteen calculator windows: closing one only hides it, it
// never keeps the program running once the main window is closed, and it
// copies its calculation to the clipboard (AddCopyResults).
class TCalcForm : public QWidget {
    Q_OBJECT
public:
    explicit TCalcForm(QWidget *parent = nullptr);

    // Shows the window non-modally and brings it to the front.
    void showAndRaise();

    // A window larger than its screen's available area scrolls (FitToScreen).
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool shownOnce_ = false;
};

} // namespace velorix
