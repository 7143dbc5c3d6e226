// The drawing vocabulary of the schematic pictures: one look for every symbol
// in the style of Russian circuit drawings (rectangular resistors, plate
// capacitors, half-turn coils, a circled transistor), black on white and
// anti-aliased.  A picture places symbols between points and joins them with
// wires; a two-terminal symbol is centred between its two points and the
// rest of the gap is drawn as its leads, so a picture names only the points
// that matter.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include <initializer_list>

namespace pictures {

// Where a symbol's name goes.  Auto: right of a vertical symbol, above a
// horizontal one.
enum class Side { Auto, Left, Right, Above, Below };

// A symbol's name in a small markup: "_" starts a subscript that runs over
// the following digits and lower-case letters ("R_вх", "β_1I_г"), "_{...}"
// subscripts anything, "^{...}" raises it.
struct Tag {
    QString text;
    Side side = Side::Auto;
    Tag() = default;
    Tag(const char *utf8, Side where = Side::Auto) : text(QString::fromUtf8(utf8)), side(where) {}
};

// The three leads of a transistor where wires meet them.
struct Transistor {
    QPointF base, collector, emitter;
};

// The three electrodes of a piezoelectric filter element.
struct Crystal {
    QPointF input, output, common;
};

// The language a picture's words and symbols are written in.
enum class Language { Russian, English };

class Sheet {
public:
    // A sheet of width × height in drawing units, `scale` pixels to the unit:
    // the same drawing, finer for a screen of that device pixel ratio.
    Sheet(int width, int height, int scale = 1, Language language = Language::Russian);

    // The words of this sheet's language: the Russian drawing's or their
    // English rendering.
    const char *say(const char *russian, const char *english) const
    {
        return language_ == Language::English ? english : russian;
    }
    bool english() const { return language_ == Language::English; }
    // Whether an English sheet was given a Cyrillic letter to draw: a word
    // or symbol left untranslated.
    bool untranslated() const { return untranslated_; }

    // Text height in pixels of names; subscripts are three quarters of it.
    void setTextSize(double px) { textSize_ = px; }

    void wire(std::initializer_list<QPointF> points);
    void node(QPointF p);     // a junction dot
    void terminal(QPointF p); // an open terminal circle
    void ground(QPointF p);   // earth, hanging below p

    // Two-terminal symbols between a and b.
    void resistor(QPointF a, QPointF b, const Tag &tag = {});
    void capacitor(QPointF a, QPointF b, const Tag &tag = {});
    // A coil of `turns` half-turns bulging to the left of the direction a→b
    // (mirror: to the right).  With a tap at `tap` (0..1 from a) it draws the
    // tap's stub on the bulging side and returns the stub's end.
    QPointF inductor(QPointF a, QPointF b, const Tag &tag = {}, bool mirror = false, int turns = 4,
                     double tap = -1);
    // Battery with its "+" (long) plate towards a.
    void battery(QPointF a, QPointF b, const Tag &tag = {});
    // AC source or generator, a circle with a sine.
    void source(QPointF a, QPointF b, const Tag &tag = {});
    // Current source, a circle with an arrow from a towards b.
    void currentSource(QPointF a, QPointF b, const Tag &tag = {});

    // A circled bipolar transistor, base to the left (mirror: to the right),
    // collector up and emitter down (flip: emitter up).  The name goes by the
    // circle's upper outer side.
    Transistor transistor(QPointF centre, bool pnp, const Tag &tag = {}, bool mirror = false,
                          bool flip = false);
    Transistor npn(QPointF centre, const Tag &tag = {}, bool mirror = false)
    {
        return transistor(centre, false, tag, mirror);
    }
    // Piezoelectric filter element: a crystal plate with input and output
    // electrodes above, left and right, and the common electrode below.
    Crystal crystal(QPointF centre, const Tag &tag = {});

    // A straight arrow from a to b; both: heads at both ends.
    void arrow(QPointF a, QPointF b, bool both = false);
    // Two parallel lines between facing coils: a magnetic core.
    void core(QPointF a, QPointF b);

    // Text at p: align says which side of p the text lies on (Qt::AlignLeft:
    // text starts at p; AlignBottom: text sits on p), vertically by its
    // capital height.
    void text(QPointF p, const QString &markup, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
              double size = 0);
    void text(QPointF p, const char *markup, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
              double size = 0)
    {
        text(p, QString::fromUtf8(markup), align, size);
    }
    // Plain text wrapped into a box, centred line by line.
    void paragraph(const QRectF &box, const QString &text, double size = 0);
    // Width of a text in pixels.
    double textWidth(const QString &markup, double size = 0) const;

    QPainter &painter() { return painter_; }
    // The finished picture, 8-bit grey, width × scale by height × scale pixels.
    QImage finish();

private:
    // Runs body() in a frame centred between a and b whose x axis points
    // from a to b, after drawing leads up to half of `length` from the centre.
    template <class Body> void between(QPointF a, QPointF b, double length, Body body);
    void name(QPointF a, QPointF b, double halfLength, double halfWidth, const Tag &tag);
    void circleBody(QPointF a, QPointF b, const Tag &tag);

    // Notes a Cyrillic letter in text drawn on an English sheet.
    void check(const QString &text);

    QImage image_;
    QPainter painter_;
    double textSize_ = 12;
    Language language_;
    bool untranslated_ = false;
};

} // namespace pictures
