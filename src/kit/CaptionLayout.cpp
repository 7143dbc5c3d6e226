#include "CaptionLayout.h"

#include "AccessibleNames.h"
#include "Controls.h"
#include "FitScreen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>

namespace velorix {

namespace {

// Two blanks in a row are a slip between words; a field's room is longer.
constexpr int kLeastRun = 3;

// [left, right) along a row, in the coordinates of the widget that holds the
// window's controls.
struct Span {
    int left, right;
    int width() const { return right - left; }
    Span shifted(int dx) const { return {left + dx, right + dx}; }
};

// One control of a window as the rule sees it.
struct Place {
    enum Kind { Caption, Field, Result, Picture };
    QWidget *widget;
    Kind kind;
    QRect rect;       // where the definition puts it, labels sized to their text
    Span ink;         // a caption's characters without the blanks at either end; else its extent
    QList<Span> runs; // a caption's runs of blanks between characters
    int host = -1;    // a field or result standing in a caption's run: that caption
    int run = -1;     // and the run
    int hostCost = 0; // how far the run is from it
    int shift = 0;    // the rule's move, px
};

// A caption's characters and its runs of blanks, at the positions where the
// label draws them.  False for a label whose text is blanks only.
bool MeasureCaption(const QLabel *label, Place &place)
{
    const QString text = label->text();
    if (Qt::mightBeRichText(text) || label->wordWrap()) {
        place.ink = {place.rect.left(), place.rect.right() + 1};
        return true;
    }
    QTextLayout layout(text, label->font());
    const QTextLine line = OneLine(layout);
    const int x0 = place.rect.left() + label->contentsRect().left();
    const auto x = [&](qsizetype i) { return x0 + qRound(line.cursorToX(int(i))); };
    const auto blank = [&](qsizetype i) { return text[i] == QLatin1Char(' '); };
    qsizetype first = 0, last = text.size();
    while (first < last && blank(first))
        ++first;
    while (last > first && blank(last - 1))
        --last;
    if (first == last)
        return false;
    place.ink = {x(first), x(last)};
    for (qsizetype i = first; i < last;) {
        qsizetype end = i;
        while (blank(end)) // stops before `last`, which is no blank
            ++end;
        if (end - i >= kLeastRun)
            place.runs.append({x(i), x(end)});
        i = std::max(end, i + 1);
    }
    return true;
}

// The widget whose children are the window's controls.
QWidget *HolderOf(QWidget *window)
{
    const auto *main = qobject_cast<QMainWindow *>(window);
    return main && main->centralWidget() ? main->centralWidget() : ControlsOf(window);
}

bool OnRow(const Place &a, const Place &b)
{
    return OnOneRow(a.rect.top(), a.rect.top() + a.rect.height(), b.rect.top(),
                    b.rect.top() + b.rect.height());
}

// Whether two controls share any line of pixels: a caption's text runs on
// under a control beside it only then, even from another row.
bool Overlap(const Place &a, const Place &b)
{
    return a.rect.top() <= b.rect.bottom() && b.rect.top() <= a.rect.bottom();
}

// The window's controls, left to right.  Only the captions that share a row
// with another control are measured: a heading or a line of prose alone on
// its row moves nothing.
QList<Place> PlacesOf(QWidget *holder)
{
    QList<Place> places;
    for (QWidget *w : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow() || w->isHidden())
            continue;
        Place place{w, Place::Field, w->geometry(), {}, {}};
        place.ink = {place.rect.left(), place.rect.right() + 1};
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (IsPictureBox(label)) {
                place.kind = Place::Picture;
            } else if (IsResultLabel(label)) {
                place.kind = Place::Result;
                place.ink.right = place.ink.left; // no text yet
            } else if (!label->text().isEmpty()) {
                place.kind = Place::Caption;
            } else {
                continue;
            }
        } else if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractButton *>(w)) {
            continue;
        }
        places.append(place);
    }
    QList<Place> kept;
    for (Place &p : places) {
        const bool alone = std::none_of(places.begin(), places.end(),
                                        [&](const Place &q) { return &q != &p && Overlap(p, q); });
        if (p.kind != Place::Caption || alone || MeasureCaption(static_cast<QLabel *>(p.widget), p))
            kept.append(p);
    }
    places = kept;
    std::stable_sort(places.begin(), places.end(),
                     [](const Place &a, const Place &b) { return a.rect.left() < b.rect.left(); });
    return places;
}

// Where a control after a caption's text may start, less its left edge: a
// result kTextGap px after the text, any other control right after it.
int AfterText(const Place &control, const Place &caption)
{
    const int gap = control.kind == Place::Result ? kTextGap : 0;
    return caption.ink.right + caption.shift + gap - control.rect.left();
}

// Where a field lies inside a span: as near as it is as it can be, or centred
// on a span narrower than itself.
int FitInto(const Span &span, int left, int width)
{
    if (span.width() < width)
        return span.left + (span.width() - width) / 2;
    return std::clamp(left, span.left, span.right - width);
}

// How far a control must move to stand in a run as FitInto or a result's
// kTextGap asks.
int HostCost(const Place &control, const Span &run)
{
    const int left = control.rect.left();
    if (control.kind == Place::Result)
        return std::max({0, run.left + kTextGap - left, left - run.right});
    return std::abs(FitInto(run, left, control.rect.width()) - left);
}

// Which of the controls starting within a caption's text stand in which of its
// runs, in order, one to a run: the choice that moves them least in all.  A
// control in no run stands after the text, and so do the controls after it.
struct Hosting {
    int cost = 0;
    QList<int> runs; // per control from the first one asked about: its run, or -1
};

Hosting Host(const QList<Place> &places, const Place &caption, const QList<int> &controls, qsizetype from,
             qsizetype firstRun)
{
    Hosting best;
    for (qsizetype i = from; i < controls.size(); ++i) {
        best.cost += std::max(0, AfterText(places[controls[i]], caption));
        best.runs.append(-1);
    }
    for (qsizetype r = firstRun; r < caption.runs.size() && from < controls.size(); ++r) {
        Hosting rest = Host(places, caption, controls, from + 1, r + 1);
        rest.cost += HostCost(places[controls[from]], caption.runs[r]);
        if (rest.cost < best.cost) {
            rest.runs.prepend(int(r));
            best = rest;
        }
    }
    return best;
}

// Settles which caption run, if any, each field and result stands in.
void FindHosts(QList<Place> &places)
{
    for (qsizetype c = 0; c < places.size(); ++c) {
        const Place &caption = places[c];
        if (caption.kind != Place::Caption || caption.runs.isEmpty())
            continue;
        QList<int> controls;
        for (qsizetype i = 0; i < places.size(); ++i) {
            const Place &p = places[i];
            if ((p.kind == Place::Field || p.kind == Place::Result) && OnRow(p, caption) &&
                p.rect.left() < caption.ink.right && p.rect.right() >= caption.ink.left)
                controls.append(int(i));
        }
        const Hosting hosting = Host(places, caption, controls, 0, 0);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            Place &p = places[controls[i]];
            const int r = hosting.runs[i];
            if (r < 0)
                continue;
            const int cost = HostCost(p, caption.runs[r]);
            if (p.host < 0 || cost < p.hostCost) {
                p.host = int(c);
                p.run = r;
                p.hostCost = cost;
            }
        }
    }
}

// How far a control moves: along with the controls to its left that came
// within kTextGap px of it, then as its own kind asks.
int ShiftOf(const QList<Place> &places, qsizetype k)
{
    const Place &p = places[k];
    int shift = 0;
    for (qsizetype i = 0; i < k; ++i) {
        const Place &left = places[i];
        if (left.shift > 0 && OnRow(left, p) &&
            left.ink.left + left.shift < std::max(p.ink.right, p.ink.left + 1) &&
            left.ink.right + left.shift + kTextGap > p.ink.left)
            shift = std::max(shift, left.shift);
    }
    if (p.host >= 0) {
        const Place &caption = places[p.host];
        const Span run = caption.runs[p.run].shifted(caption.shift);
        if (p.kind == Place::Result)
            return std::max(shift, run.left + kTextGap - p.rect.left());
        return FitInto(run, p.rect.left() + shift, p.rect.width()) - p.rect.left();
    }
    for (qsizetype i = 0; i < k; ++i) {
        const Place &left = places[i];
        if (left.kind != Place::Caption || !Overlap(left, p))
            continue;
        if (p.kind == Place::Caption)
            shift = std::max(shift, left.ink.right + left.shift + kTextGap - p.ink.left);
        else
            shift = std::max(shift, AfterText(p, left));
    }
    return shift;
}

// Widens the window until the holder of its controls reaches `right`.
void Widen(QWidget *window, QWidget *holder, int right)
{
    if (holder != ControlsOf(window)) {
        window->resize(window->width() + right - holder->width(), window->height());
        return;
    }
    WidenControls(window, right, kDesignFrame);
    FitToScreen(window, kDesignFrame, false);
}

} // namespace

bool OnOneRow(int top1, int bottom1, int top2, int bottom2)
{
    const int middle1 = top1 + (bottom1 - top1) / 2, middle2 = top2 + (bottom2 - top2) / 2;
    return (middle1 >= top2 && middle1 < bottom2) || (middle2 >= top1 && middle2 < bottom1);
}

void PlaceByCaptions(QWidget *window)
{
    QWidget *holder = HolderOf(window);
    QList<Place> places = PlacesOf(holder);
    FindHosts(places);
    for (qsizetype k = 0; k < places.size(); ++k) {
        places[k].shift = ShiftOf(places, k);
        if (places[k].shift != 0)
            places[k].widget->move(places[k].widget->pos() + QPoint(places[k].shift, 0));
    }
    int right = 0;
    for (const QWidget *w : holder->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow() && !w->isHidden())
            right = std::max(right, w->geometry().right() + 1);
    }
    if (right > holder->width())
        Widen(window, holder, right + kRightMargin);
}

} // namespace velorix
