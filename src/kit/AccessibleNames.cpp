#include "AccessibleNames.h"

#include "Controls.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTextLayout>

#include <algorithm>

namespace velorix {

namespace {

// Names that a window's captions give badly: a caption that continues the
// line above it, a quantity in brackets inside another one's caption, an
// instruction, a formula.
struct NameOverride {
    const char *window;
    const char *control;
    const char *name;
};
constexpr NameOverride kOverrides[] = {
    {"Form2", "Edit8", "Напряжение на коллекторе, В"},
    {"Form2", "Edit9", "Ёмкость коллекторного перехода, пФ"},
    {"Form10", "Label9", "Полное сопротивление первичной обмотки Z1, Ом"},
    {"Form11", "Edit4", "Расстройка по соседнему каналу, кГц"},
    {"Form11", "Edit11", "Ослабление одним звеном ФСС σ1, дБ"},
    {"Form12", "Edit1", "Характеристическое сопротивление фильтра Rф, Ом"},
    {"Form12", "Edit4", "Ёмкость конденсатора в контуре, к которому подключен фильтр, пФ"},
    {"Form14", "Label5", "Коэффициент трансформации n"},
    {"Form14", "Label9", "Сопротивление нагрузки со стороны генератора R'н, Ом"},
    {"Form15", "Edit5", "Сопротивление резистора Rк, Ом"},
};

// Marks the result labels of a window.
constexpr char kResultProperty[] = "velorixResult";

// A result label as assistive technology sees it: Qt's own reading of a
// label gives the accessible name or the text, never both, so the number
// is given as the value and the description.
class AccessibleResult : public QAccessibleWidget {
public:
    explicit AccessibleResult(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *ResultFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && IsResultLabel(object))
        return new AccessibleResult(static_cast<QLabel *>(object));
    return nullptr;
}

// Captions further apart on a row than this belong to different sentences, px.
constexpr qreal kPhraseGap = 24;

// A field or a result label: its extent in window coordinates.  A result
// label has no width until it holds a number.
struct Slot {
    QWidget *widget;
    int left, right, top, bottom;
};

// One character of a caption and the span of its advance, in window
// coordinates.
struct Letter {
    QChar c;
    const QLabel *caption;
    qreal left, right;
    qreal x() const { return (left + right) / 2; }
};
using Letters = QList<Letter>;

Slot SlotOf(QWidget *w, QWidget *window)
{
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    const int width = qobject_cast<QLabel *>(w) ? 0 : w->width();
    return {w, at.x(), at.x() + width, at.y(), at.y() + w->height()};
}

// Two controls are on one row when the vertical middle of either lies
// within the other (a field stands a few pixels higher than its caption).
bool SameRow(int top1, int bottom1, int top2, int bottom2)
{
    const int middle1 = (top1 + bottom1) / 2, middle2 = (top2 + bottom2) / 2;
    return (middle1 >= top2 && middle1 < bottom2) || (middle2 >= top1 && middle2 < bottom1);
}

Letters LettersOf(const QLabel *caption, QWidget *window)
{
    const QString text = caption->text();
    QTextLayout layout(text, caption->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal x0 = caption->mapTo(window, QPoint(0, 0)).x() + caption->contentsRect().left();
    Letters letters;
    for (int i = 0; i < text.size(); ++i)
        letters.append({text[i], caption, x0 + line.cursorToX(i), x0 + line.cursorToX(i + 1)});
    return letters;
}

bool IsBlank(QChar c) { return c.isSpace(); }

// The unit that follows a slot: the first word after it, when the words
// before the slot end with "=" or the word is in the same caption as they
// are ("Частота:   кГц"), and it is not a bracketed remark.  Returns how
// many letters of `after` it takes, blanks before it included.
qsizetype UnitAfter(const Letters &before, const Letters &after, QString *unit)
{
    qsizetype last = before.size() - 1;
    while (last >= 0 && IsBlank(before[last].c))
        --last;
    qsizetype start = 0;
    while (start < after.size() && IsBlank(after[start].c))
        ++start;
    if (last < 0 || start == after.size())
        return 0;
    if (before[last].c != QLatin1Char('=') && before[last].caption != after[start].caption)
        return 0;
    if (after[start].c == QLatin1Char('[') || after[start].c == QLatin1Char('('))
        return 0;
    qsizetype end = start;
    QString word;
    while (end < after.size() && !IsBlank(after[end].c) && after[end].caption == after[start].caption)
        word += after[end++].c;
    // "мА," before the next quantity, "В)" closing a remark.
    while (!word.isEmpty() && QStringLiteral(",;:)").contains(word.back()))
        word.chop(1);
    if (word.isEmpty())
        return 0;
    *unit = word;
    return end;
}

// The text of letters, a blank where one caption ends and the next begins.
QString TextOf(const Letters &letters)
{
    QString text;
    const QLabel *caption = nullptr;
    for (const Letter &l : letters) {
        if (caption && l.caption != caption)
            text += QLatin1Char(' ');
        text += l.c;
        caption = l.caption;
    }
    return text;
}

// A caption's words as a quantity is said: one blank between words, without
// a lead-in that ends in ": " ("Исходный режим работы: ток покоя ..."), and
// without "=", ">=" or ":" at either end.
QString SpokenQuantity(const QString &words)
{
    QString q = words.simplified();
    const qsizetype colon = q.lastIndexOf(QStringLiteral(": "));
    if (colon >= 0)
        q = q.mid(colon + 2);
    const QString strays = QStringLiteral(" =:<>");
    while (!q.isEmpty() && strays.contains(q.back()))
        q.chop(1);
    while (!q.isEmpty() && strays.contains(q.front()))
        q.remove(0, 1);
    if (!q.isEmpty() && q[0].script() == QChar::Script_Cyrillic && q[0].isLower())
        q[0] = q[0].toUpper();
    return q;
}

QString OverrideFor(const QWidget *window, const QWidget *control)
{
    for (const NameOverride &o : kOverrides) {
        if (window->objectName() == QLatin1String(o.window) &&
            control->objectName() == QLatin1String(o.control))
            return QString::fromUtf8(o.name);
    }
    return {};
}

// Keeps, of a row, the phrase that a slot stands in: the slots and letters
// that follow one another with less than kPhraseGap between them.  A row
// may run on into the captions of another part of the window.
void KeepPhraseOf(const Slot &slot, QList<Slot> &row, Letters &letters)
{
    struct Item {
        qreal left, right;
        const Slot *slot;
        const Letter *letter;
    };
    QList<Item> items;
    for (const Slot &s : std::as_const(row))
        items.append({qreal(s.left), qreal(s.right), &s, nullptr});
    for (const Letter &l : std::as_const(letters))
        items.append({l.left, l.right, nullptr, &l});
    std::stable_sort(items.begin(), items.end(),
                     [](const Item &a, const Item &b) { return a.left < b.left; });
    QList<Slot> keptSlots;
    Letters keptLetters;
    bool inPhrase = false;
    qreal reach = -1e9;
    for (const Item &item : std::as_const(items)) {
        if (item.left - reach > kPhraseGap) {
            if (inPhrase)
                break;
            keptSlots.clear();
            keptLetters.clear();
        }
        reach = std::max(reach, item.right);
        if (item.slot) {
            keptSlots << *item.slot;
            inPhrase = inPhrase || item.slot->widget == slot.widget;
        } else {
            keptLetters << *item.letter;
        }
    }
    row = keptSlots;
    letters = keptLetters;
}

// The name of one slot from the captions and slots on its row.
QString DerivedName(const Slot &slot, const QList<Slot> &places, const QList<const QLabel *> &captions,
                    QHash<const QLabel *, Letters> &letterCache, QWidget *window)
{
    QList<Slot> row;
    for (const Slot &s : places) {
        if (SameRow(slot.top, slot.bottom, s.top, s.bottom))
            row << s;
    }
    std::sort(row.begin(), row.end(), [](const Slot &a, const Slot &b) { return a.left < b.left; });
    Letters letters;
    for (const QLabel *c : captions) {
        const QPoint at = c->mapTo(window, QPoint(0, 0));
        if (!SameRow(slot.top, slot.bottom, at.y(), at.y() + c->height()))
            continue;
        auto cached = letterCache.find(c);
        if (cached == letterCache.end())
            cached = letterCache.insert(c, LettersOf(c, window));
        letters += *cached;
    }
    std::stable_sort(letters.begin(), letters.end(),
                     [](const Letter &a, const Letter &b) { return a.x() < b.x(); });
    KeepPhraseOf(slot, row, letters);

    // The words between the slots of the row; letters under a field (blanks)
    // belong to no gap.
    QList<Letters> gaps(row.size() + 1);
    for (const Letter &l : std::as_const(letters)) {
        qsizetype gap = 0;
        while (gap < row.size() && l.x() >= row[gap].left)
            ++gap;
        if (gap > 0 && l.x() < row[gap - 1].right)
            continue;
        gaps[gap] << l;
    }
    const qsizetype k =
        std::find_if(row.begin(), row.end(), [&](const Slot &s) { return s.widget == slot.widget; }) -
        row.begin();
    Letters before = gaps[k];
    QString unused;
    if (k > 0)
        before.remove(0, UnitAfter(gaps[k - 1], gaps[k], &unused));
    QString unit;
    UnitAfter(before, gaps[k + 1], &unit);
    const QString quantity = SpokenQuantity(TextOf(before));
    if (unit.isEmpty())
        return quantity;
    if (quantity.isEmpty())
        return unit;
    return quantity + QStringLiteral(", ") + unit;
}

} // namespace

bool IsResultLabel(const QObject *label) { return label->property(kResultProperty).toBool(); }

void MarkResultLabels(QWidget *window)
{
    bool any = false;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (IsEmptyInDefinition(label)) {
            label->setProperty(kResultProperty, true);
            any = true;
        }
    }
    // Consulted before Qt's own, which is installed with the application.
    static bool installed = false;
    if (any && !installed) {
        QAccessible::installFactory(ResultFactory);
        installed = true;
    }
}

void NameControls(QWidget *window)
{
    QList<QLabel *> results;
    QList<const QLabel *> captions;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (IsResultLabel(label))
            results << label;
        else if (!label->text().isEmpty() && !IsPictureBox(label))
            captions << label;
    }
    QList<Slot> places;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        places << SlotOf(field, window);
    for (QLabel *r : std::as_const(results))
        places << SlotOf(r, window);
    QHash<const QLabel *, Letters> letterCache;
    for (const Slot &slot : std::as_const(places)) {
        QString name = OverrideFor(window, slot.widget);
        if (name.isEmpty())
            name = DerivedName(slot, places, captions, letterCache, window);
        slot.widget->setAccessibleName(name);
    }
}

} // namespace velorix
