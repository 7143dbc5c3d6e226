#include "TestKit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGlyphRun>
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

void Fill(QWidget *form, const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        Type(form, QStringLiteral("Edit%1").arg(i + 1), texts[i]);
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
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRect content = label->contentsRect();
    const int lineHeight = qCeil(line.height());
    return label->y() + content.top() + (content.height() - lineHeight) / 2 + qRound(line.ascent());
}

QString MissingGlyphs(const QLabel *label)
{
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
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

} // namespace velorix::test
