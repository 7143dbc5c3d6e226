#include "TestKit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGlyphRun>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace velorix::test {

QString Describe(MessageKind kind, const QString &text)
{
    return (kind == MessageKind::Warning ? QStringLiteral("warning: ") : QStringLiteral("error: ")) + text;
}

QString NotANumber(const QString &fieldText)
{
    return QStringLiteral("error: '%1' is not a valid floating point value.").arg(fieldText);
}

BoxRecorder::BoxRecorder()
{
    SetMessagePresenter([this](MessageKind kind, const QString &text) { boxes_ << Describe(kind, text); });
    watchdog_.setInterval(20);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            unexpected_ << modal->windowTitle();
            modal->close();
        }
    });
    watchdog_.start();
}

BoxRecorder::~BoxRecorder()
{
    SetMessagePresenter({});
    if (!unexpected_.isEmpty())
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected modal window: ") + unexpected_.join(QLatin1Char('|'))),
            __FILE__, __LINE__);
}

QStringList BoxRecorder::takeUnexpected()
{
    QStringList stray;
    stray.swap(unexpected_);
    return stray;
}

QStringList BoxRecorder::take()
{
    QStringList boxes;
    boxes.swap(boxes_);
    return boxes;
}

std::unique_ptr<BoxRecorder> StartWindowTest(TCalcForm *form)
{
    auto recorder = std::make_unique<BoxRecorder>();
    SetDecimalSeparator(QLatin1Char('.'));
    form->showAndRaise();
    return recorder;
}

void Type(QWidget *form, const QString &field, const QString &text)
{
    QLineEdit *edit = Control<QLineEdit>(form, field);
    if (!edit)
        return;
    edit->selectAll();
    edit->del();
    if (text.isEmpty())
        return;
    // Typing is slow for very long texts, and key clicks exist only for
    // printable ASCII: other texts are pasted instead.
    const bool typeable = std::all_of(text.begin(), text.end(),
                                      [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
    if (text.size() > 200 || !typeable)
        edit->insert(text);
    else
        QTest::keyClicks(edit, text);
}

void Click(QWidget *form, const QString &control)
{
    if (QLabel *label = form->findChild<QLabel *>(control)) {
        QTest::mouseClick(label, Qt::LeftButton);
        return;
    }
    if (QAbstractButton *b = Control<QAbstractButton>(form, control))
        QTest::mouseClick(b, Qt::LeftButton);
}

QString Text(QWidget *form, const QString &label)
{
    const QLabel *l = Control<QLabel>(form, label);
    return l ? l->text() : QString();
}

QStringList Texts(QWidget *form, const QStringList &labels)
{
    QStringList texts;
    for (const QString &label : labels)
        texts << Text(form, label);
    return texts;
}

void SetTexts(QWidget *form, const QStringList &labels, const QString &text)
{
    for (const QString &label : labels)
        Control<QLabel>(form, label)->setText(text);
}

QStringList FillSteps(const QStringList &texts)
{
    QStringList steps;
    for (qsizetype i = 0; i < texts.size(); ++i)
        steps << QStringLiteral("Edit%1=%2").arg(i + 1).arg(texts[i]);
    return steps;
}

void Fill(QWidget *form, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        Type(form, QStringLiteral("Edit%1").arg(i + 1), texts[i]);
}

void AddSeparatorColumn() { QTest::addColumn<QChar>("separator"); }

QTestData &NewRow(const char *tag, QChar separator) { return QTest::newRow(tag) << separator; }

void UseRowSeparator()
{
    QFETCH(QChar, separator);
    SetDecimalSeparator(separator);
}

void CheckDesign(QWidget *form, const QStringList &resultLabels, BoxRecorder &boxes)
{
    QFETCH(QStringList, fields);
    QFETCH(QString, material);
    QFETCH(QStringList, results);
    QFETCH(QStringList, messages);
    UseRowSeparator();
    const QString old = QStringLiteral("old");
    SetTexts(form, resultLabels, old);
    // Choosing the material writes nothing and raises no box.
    const QStringList lines =
        RunSteps(form, FillSteps(fields) << material << QStringLiteral("Button1"), resultLabels, boxes);
    QCOMPARE(lines, QStringList({QStringList(resultLabels.size(), old).join(QStringLiteral(" | ")),
                                 (results + messages).join(QStringLiteral(" | "))}));
}

QStringList RunSteps(QWidget *form, const QStringList &steps, const QStringList &results, BoxRecorder &boxes)
{
    QStringList lines;
    for (const QString &step : steps) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            Type(form, step.left(eq), step.mid(eq + 1));
            continue;
        }
        Click(form, step);
        QStringList line;
        for (const QString &label : results)
            line << Text(form, label);
        lines << (line + boxes.take()).join(QStringLiteral(" | "));
    }
    return lines;
}

namespace {

template <class T> QStringList NamesOf(QWidget *form, bool (*wanted)(const T *) = nullptr)
{
    QStringList names;
    for (const T *control : form->findChildren<T *>()) {
        if (!wanted || wanted(control))
            names << control->objectName();
    }
    return names;
}

bool IsTextLabel(const QLabel *label) { return !IsPictureBox(label); }

} // namespace

QStringList Fields(QWidget *form) { return NamesOf<QLineEdit>(form); }

QStringList PushButtons(QWidget *form) { return NamesOf<QPushButton>(form); }

QStringList ChoiceButtons(QWidget *form) { return NamesOf<QRadioButton>(form) + NamesOf<QCheckBox>(form); }

QStringList TextLabels(QWidget *form) { return NamesOf<QLabel>(form, IsTextLabel); }

QStringList EmptyLabels(QWidget *form)
{
    return NamesOf<QLabel>(form, [](const QLabel *l) { return IsTextLabel(l) && l->text().isEmpty(); });
}

bool IsGeneralFormat(const QString &text, QChar separator)
{
    if (text == QLatin1String("0"))
        return true;
    const qsizetype n = text.size();
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
            ++i;
        return text.mid(from, i - from);
    };
    if (i < n && text[i] == QLatin1Char('-'))
        ++i;
    const QString whole = digits();
    QString fraction;
    if (i < n && text[i] == separator) {
        ++i;
        fraction = digits();
        if (fraction.isEmpty() || fraction.endsWith(QLatin1Char('0')))
            return false;
    }
    if (whole.isEmpty())
        return false;

    if (i == n) { // fixed-point form
        if (whole == QLatin1String("0")) {
            // 0.000ddd: at most three zeros, then 1 to 15 significant digits.
            qsizetype zeros = 0;
            while (zeros < fraction.size() && fraction[zeros] == QLatin1Char('0'))
                ++zeros;
            return !fraction.isEmpty() && zeros <= 3 && fraction.size() - zeros <= 15;
        }
        return !whole.startsWith(QLatin1Char('0')) && whole.size() + fraction.size() <= 15;
    }

    // Exponent form: one digit before the separator, 15 digits in all.
    if (text[i] != QLatin1Char('E') || whole.size() != 1 || whole == QLatin1String("0") ||
        1 + fraction.size() > 15)
        return false;
    ++i;
    const bool negative = i < n && text[i] == QLatin1Char('-');
    if (negative)
        ++i;
    const QString exponent = digits();
    if (i != n || exponent.isEmpty() || exponent.startsWith(QLatin1Char('0')) || exponent.size() > 4)
        return false;
    const int e = exponent.toInt();
    return negative ? e >= 5 && e <= 4951 : e >= 15 && e <= 4932;
}

QStringList TabOrder(QWidget *form)
{
    QStringList names;
    QWidget *w = form;
    while ((w = w->nextInFocusChain()) != form) {
        if (w->focusPolicy() & Qt::TabFocus)
            names << w->objectName();
    }
    return names;
}

int Baseline(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    const QTextLine line = OneLine(layout);
    const QRect content = label->contentsRect();
    const int lineHeight = qCeil(line.height());
    return label->y() + content.top() + (content.height() - lineHeight) / 2 + qRound(line.ascent());
}

QString MissingGlyphs(const QLabel *label)
{
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    OneLine(layout);
    QString missing;
    // Glyph 0 is a face's missing-glyph box; the layout has already fallen
    // back to every other face that could draw the character.
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isSpace())
            continue;
        for (const QGlyphRun &run : layout.glyphRuns(i, 1)) {
            if (run.glyphIndexes().contains(0u))
                missing += text[i];
        }
    }
    return missing;
}

TCalcForm *Calculator(const QString &name)
{
    for (TCalcForm *form : Calculators())
        if (form->objectName() == name)
            return form;
    return nullptr;
}

void MeasureTextAsOnLinux()
{
#ifdef Q_OS_WIN
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QFont font = QApplication::font();
        font.setHintingPreference(QFont::PreferVerticalHinting);
        QApplication::setFont(font);
    }
#endif
}

} // namespace velorix::test
