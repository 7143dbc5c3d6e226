#include "AccessibleNames.h"

#include "CalculatorRow.h"
#include "CaptionLayout.h"
#include "Controls.h"
#include "Edition.h"
#include "EnterKey.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>

#include <algorithm>
#include <climits>

namespace velorix {

namespace {

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

// Marks the labels that only decorate a window.
constexpr char kDecorationProperty[] = "velorixDecoration";

// A decoration (a row of "=" between two sections) as assistive technology
// sees it: nothing to read, off the screen reader's way.
class AccessibleDecoration : public QAccessibleWidget {
public:
    explicit AccessibleDecoration(QLabel *label) : QAccessibleWidget(label, QAccessible::Separator) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.offscreen = true;
        return s;
    }
};

QAccessibleInterface *LabelFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel"))
        return nullptr;
    if (IsResultLabel(object))
        return new AccessibleResult(static_cast<QLabel *>(object));
    if (object->property(kDecorationProperty).toBool())
        return new AccessibleDecoration(static_cast<QLabel *>(object));
    return nullptr;
}

// Consulted before Qt's own, which is installed with the application.
void InstallLabelFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(LabelFactory);
        installed = true;
    }
}

// Qt reads a label as soon as its text is set, and keeps that reading: one
// made before the label was marked gives way to the factory's.
template <class Reading> void ReadAnew(QLabel *label)
{
    InstallLabelFactory();
    QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(label);
    if (reading && !dynamic_cast<Reading *>(reading))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(reading));
}

// A caption that holds no letter and no digit only decorates ("=====").
bool IsDecoration(const QLabel *label)
{
    const QString text = label->text();
    return !text.isEmpty() && !IsPictureBox(label) &&
           std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
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

Letters LettersOf(const QLabel *caption, QWidget *window)
{
    const QString text = caption->text();
    QTextLayout layout(text, caption->font());
    const QTextLine line = OneLine(layout);
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

// The name the window's row gives a control instead of its caption's
// (CalculatorRow): a caption that continues the line above it, a quantity
// in brackets inside another one's caption, an instruction, a formula, a
// letter that stands in for a Greek one or for a Cyrillic symbol, a slip of
// the caption; and a button whose results have no symbol to name it by.
QString OverrideFor(const QWidget *window, const QWidget *control)
{
    return NameOverride(window, control->objectName());
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

// A control's name as it is built: the quantity and its unit.
struct Name {
    QString quantity, unit;
    QString text() const
    {
        if (unit.isEmpty())
            return quantity;
        return quantity.isEmpty() ? unit : quantity + QStringLiteral(", ") + unit;
    }
};

// A name's quantity and unit: the unit is a last word after ", ".
Name SplitName(const QString &text)
{
    const qsizetype comma = text.lastIndexOf(QStringLiteral(", "));
    if (comma < 0 || text.indexOf(QLatin1Char(' '), comma + 2) >= 0)
        return {text, {}};
    return {text.left(comma), text.mid(comma + 2)};
}

// The name of one slot from the captions and slots on its row.
Name DerivedName(const Slot &slot, const QList<Slot> &places, const QList<const QLabel *> &captions,
                 QHash<const QLabel *, Letters> &letterCache, QWidget *window)
{
    QList<Slot> row;
    for (const Slot &s : places) {
        if (OnOneRow(slot.top, slot.bottom, s.top, s.bottom))
            row << s;
    }
    std::sort(row.begin(), row.end(), [](const Slot &a, const Slot &b) { return a.left < b.left; });
    Letters letters;
    for (const QLabel *c : captions) {
        const QPoint at = c->mapTo(window, QPoint(0, 0));
        if (!OnOneRow(slot.top, slot.bottom, at.y(), at.y() + c->height()))
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
    return {SpokenQuantity(TextOf(before)), unit};
}

// Latin letters that look like Cyrillic ones, with their Cyrillic twins.
constexpr char16_t kLookAlikes[][2] = {
    {u'A', u'А'}, {u'a', u'а'}, {u'B', u'В'}, {u'C', u'С'}, {u'c', u'с'}, {u'E', u'Е'},
    {u'e', u'е'}, {u'H', u'Н'}, {u'K', u'К'}, {u'M', u'М'}, {u'O', u'О'}, {u'o', u'о'},
    {u'P', u'Р'}, {u'p', u'р'}, {u'T', u'Т'}, {u'X', u'Х'}, {u'x', u'х'}, {u'y', u'у'},
};

// A caption's text as it is meant to be spoken: a Latin letter that looks
// like a Cyrillic one inside a Cyrillic word is that Cyrillic letter ("Oм"
// is "Ом"), and a lone C after a number, Latin or Cyrillic, is "°C".
QString SpokenAsMeant(QString text)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        bool cyrillic = false;
        for (; end < text.size() && text[end].isLetter(); ++end)
            cyrillic = cyrillic || text[end].script() == QChar::Script_Cyrillic;
        for (qsizetype i = start; cyrillic && i < end; ++i) {
            for (const auto &pair : kLookAlikes) {
                if (text[i] == QChar(pair[0]))
                    text[i] = QChar(pair[1]);
            }
        }
        start = std::max(end, start + 1);
    }
    static const QRegularExpression celsius(QStringLiteral("(\\d) [CС](?![\\w])"));
    return text.replace(celsius, QStringLiteral("\\1 °C"));
}

Name SpokenAsMeant(const Name &name)
{
    const bool celsius = name.unit == QLatin1String("C") || name.unit == QStringLiteral("С");
    return {SpokenAsMeant(name.quantity), celsius ? QStringLiteral("°C") : SpokenAsMeant(name.unit)};
}

// Whether a word is a quantity's symbol: one with a Latin or Greek letter
// (rэ, Z1, β), or a capital Cyrillic letter with a subscript of small
// letters or digits (П, Сэ, Ссв), but not a capitalised abbreviation (ФСС).
//
// In a translation whose words are in Latin letters: a word with a Greek
// letter, a digit or a prime (β, Z1, R'L), a capital after its first letter
// (fT, hFE, XL), or a capital with at most two small letters (Ic, Vce, Q).
bool IsSymbol(const QString &word)
{
    const auto capitalised = [&word] {
        return !word.isEmpty() && word.size() <= 3 && word[0].isUpper() &&
               std::all_of(word.begin() + 1, word.end(), [](QChar c) { return c.isLower() || c.isDigit(); });
    };
    if (EditionLanguage() != QLatin1String("ru")) {
        const bool marked = std::any_of(word.begin(), word.end(), [](QChar c) {
            return c.script() == QChar::Script_Greek || c.isDigit() || c == QLatin1Char('\'');
        });
        return marked ||
               std::any_of(word.begin() + std::min<qsizetype>(1, word.size()), word.end(),
                           [](QChar c) { return c.isUpper(); }) ||
               capitalised();
    }
    const bool foreign = std::any_of(word.begin(), word.end(), [](QChar c) {
        return c.script() == QChar::Script_Latin || c.script() == QChar::Script_Greek;
    });
    if (foreign)
        return true;
    return capitalised();
}

// The symbol that a quantity ends with, before a formula ("Y = 1/Z") or a
// remark in brackets; empty when it ends with a word.
QString SymbolOf(QString quantity)
{
    const qsizetype formula = quantity.indexOf(QStringLiteral(" = "));
    if (formula >= 0)
        quantity.truncate(formula);
    quantity = quantity.trimmed();
    while (quantity.endsWith(QLatin1Char(']')) || quantity.endsWith(QLatin1Char(')'))) {
        const qsizetype open = quantity.lastIndexOf(quantity.back() == QLatin1Char(']') ? u'[' : u'(');
        if (open < 0)
            break;
        quantity = quantity.left(open).trimmed();
    }
    const QString word = quantity.section(QLatin1Char(' '), -1);
    return IsSymbol(word) ? word : QString();
}

// Of some buttons, the one that comes first in the window's focus order.
QAbstractButton *FirstInFocusOrder(QWidget *window, const QList<QAbstractButton *> &buttons)
{
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (buttons.contains(w))
            return static_cast<QAbstractButton *>(w);
    }
    return buttons.isEmpty() ? nullptr : buttons.front();
}

// What each push button computes, as the symbols of its results
// ("rэ"; "Rp, П"); empty where a result has no symbol.  A result belongs to
// the buttons whose last field read lies lowest above it, or, with none
// above it, to the first button in focus order.
QHash<QAbstractButton *, QString> ButtonSymbols(QWidget *window, const QHash<QWidget *, Name> &names)
{
    QHash<QAbstractButton *, int> lastRead; // top of the lowest field each button reads
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        const int top = field->mapTo(window, QPoint(0, 0)).y();
        for (QAbstractButton *b : ButtonsReading(field))
            lastRead[b] = std::max(lastRead.value(b, INT_MIN), top);
    }
    QList<QAbstractButton *> buttons;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        buttons << b;
    QHash<QAbstractButton *, QStringList> symbols;
    QSet<QAbstractButton *> unnamed; // buttons with a result without a symbol
    for (QLabel *result : window->findChildren<QLabel *>()) {
        if (!IsResultLabel(result) || !names.contains(result))
            continue;
        const int top = result->mapTo(window, QPoint(0, 0)).y();
        int nearest = INT_MIN;
        for (QAbstractButton *b : std::as_const(buttons)) {
            if (lastRead.contains(b) && lastRead[b] <= top)
                nearest = std::max(nearest, lastRead[b]);
        }
        QList<QAbstractButton *> owners;
        for (QAbstractButton *b : std::as_const(buttons)) {
            if (nearest != INT_MIN && lastRead.value(b, INT_MIN) == nearest)
                owners << b;
        }
        if (owners.isEmpty() && !buttons.isEmpty())
            owners << FirstInFocusOrder(window, buttons);
        const QString symbol = SymbolOf(names[result].quantity);
        for (QAbstractButton *b : std::as_const(owners)) {
            if (symbol.isEmpty())
                unnamed << b;
            else
                symbols[b] << symbol;
        }
    }
    QHash<QAbstractButton *, QString> what;
    for (auto it = symbols.cbegin(); it != symbols.cend(); ++it) {
        if (!unnamed.contains(it.key()))
            what[it.key()] = it.value().join(QStringLiteral(", "));
    }
    return what;
}

// Names each push button for what it computes: its caption and the symbols
// of its results ("Рассчитать rэ"), or its caption alone.
void NameButtons(QWidget *window, const QHash<QAbstractButton *, QString> &computes,
                 QHash<QWidget *, Name> &names)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QString name = OverrideFor(window, button);
        if (name.isEmpty()) {
            name = button->text().remove(QLatin1Char('&'));
            if (computes.contains(button))
                name += QLatin1Char(' ') + computes[button];
        }
        names[button] = {name, {}};
    }
}

// Tells apart a field whose name another control of the window has too, by
// what the button that reads it computes: "Рабочая частота (Сэ), кГц".
void TellFieldsApart(QWidget *window, const QHash<QAbstractButton *, QString> &computes,
                     QHash<QWidget *, Name> &names)
{
    QHash<QString, int> uses;
    for (const Name &n : std::as_const(names))
        ++uses[n.text()];
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        Name &n = names[field];
        const QString what = computes.value(FirstInFocusOrder(window, ButtonsReading(field)));
        if (uses.value(n.text()) > 1 && !what.isEmpty())
            n.quantity += QStringLiteral(" (") + what + QLatin1Char(')');
    }
}

// Gives the buttons of each radio group the group's name as their
// description: the caption that ends nearest before the group's first
// button on its row ("Материал транзистора:").
void NameRadioGroups(QWidget *window, const QList<const QLabel *> &captions)
{
    QHash<QWidget *, QList<QRadioButton *>> groups;
    for (QRadioButton *radio : window->findChildren<QRadioButton *>()) {
        if (radio->autoExclusive())
            groups[radio->parentWidget()] << radio;
    }
    for (const QList<QRadioButton *> &group : std::as_const(groups)) {
        const QRadioButton *first = *std::min_element(group.begin(), group.end(), [](auto *a, auto *b) {
            return a->x() != b->x() ? a->x() < b->x() : a->y() < b->y();
        });
        const QRect at(first->mapTo(window, QPoint(0, 0)), first->size());
        const QLabel *nearest = nullptr;
        int reach = INT_MIN;
        for (const QLabel *c : captions) {
            const QRect r(c->mapTo(window, QPoint(0, 0)), c->size());
            if (OnOneRow(at.top(), at.bottom() + 1, r.top(), r.bottom() + 1) && r.right() < at.left() &&
                r.right() > reach) {
                nearest = c;
                reach = r.right();
            }
        }
        const QString name = nearest ? SpokenAsMeant(SpokenQuantity(nearest->text())) : QString();
        for (QRadioButton *radio : group)
            radio->setAccessibleDescription(name);
    }
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
        } else if (IsDecoration(label)) {
            label->setProperty(kDecorationProperty, true);
            ReadAnew<AccessibleDecoration>(label);
        }
    }
    if (any)
        InstallLabelFactory();
}

void MarkWrittenLabel(QLabel *label)
{
    if (IsResultLabel(label))
        return;
    label->setAccessibleName(SpokenAsMeant(SpokenQuantity(label->text())));
    label->setProperty(kResultProperty, true);
    ReadAnew<AccessibleResult>(label);
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
    QHash<QWidget *, Name> names;
    for (const Slot &slot : std::as_const(places)) {
        // A caption may hold the unit before its result ("Хс, Ом:").
        QString name = OverrideFor(window, slot.widget);
        if (name.isEmpty())
            name = SpokenAsMeant(DerivedName(slot, places, captions, letterCache, window)).text();
        names[slot.widget] = SplitName(name);
    }

    const QHash<QAbstractButton *, QString> computes = ButtonSymbols(window, names);
    NameButtons(window, computes, names);
    TellFieldsApart(window, computes, names);
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        it.key()->setAccessibleName(it.value().text());
    NameRadioGroups(window, captions);
}

} // namespace velorix
