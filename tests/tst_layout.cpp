// Every window's layout as drawn with the fonts this system resolves, and
// again with DejaVu Sans for Tahoma: a numeric field or a button may cover
// only the blanks of the captions beneath it, and each window's controls lie
// inside its client area.
#include "ShellTest.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QPushButton>

#include <map>

using namespace velorix;
using namespace velorix::test;

namespace {

std::vector<QWidget *> AllWindows()
{
    std::vector<QWidget *> windows{Form1};
    for (QWidget *w : Calculators())
        windows.push_back(w);
    return windows;
}

// The faces the windows are drawn in: Tahoma, as this system resolves it
// (Wine's Tahoma, from fonts-wine), and DejaVu Sans, which Tahoma resolves to
// where fonts-wine is missing.
const QString kTahoma = QStringLiteral("Tahoma");
const QString kDejaVu = QStringLiteral("DejaVu Sans");

// The windows drawn in each face, each set made once and kept to the end
// (under Wine, a shown window that goes waits on the window system): the
// test main makes the Tahoma ones, and the DejaVu Sans ones are made when a
// row first asks for them.
std::map<QString, std::vector<QWidget *>> g_windows;

// The windows of a face.  A new set is made with every font of the
// definitions that names Tahoma naming `face` instead, before any window
// is shown: the windows measure and place their captions in that face when
// they are first shown.
const std::vector<QWidget *> &WindowsIn(const QString &face)
{
    if (g_windows.empty())
        g_windows[kTahoma] = AllWindows();
    std::vector<QWidget *> &windows = g_windows[face];
    if (!windows.empty())
        return windows;
    Form1 = new TForm1;
    for (const CalculatorEntry &c : CalculatorTable())
        c.create();
    windows = AllWindows();
    for (QWidget *window : windows) {
        // Parents before children: a child that inherits its font has the
        // new one already.
        for (QWidget *w : QList<QWidget *>{window} + window->findChildren<QWidget *>()) {
            QFont font = w->font();
            if (font.family() == kTahoma) {
                font.setFamily(face);
                w->setFont(font);
            }
        }
    }
    return windows;
}

// A window of a face by its object name, or null.
QWidget *WindowNamed(const QString &face, const QString &name)
{
    for (QWidget *w : WindowsIn(face)) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

// A table with one row per face and window.
void FaceAndWindowTable()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("window");
    for (const QString &face : {kTahoma, kDejaVu}) {
        for (QWidget *w : WindowsIn(kTahoma))
            QTest::newRow(qPrintable(face + QLatin1Char(' ') + w->objectName())) << face << w->objectName();
    }
}

// The window of this row, shown, drawn in the row's face; null when the test
// is skipped or failed.
QWidget *ShownWindow()
{
    QFETCH(QString, face);
    QFETCH(QString, window);
    QWidget *shown = WindowNamed(face, window);
    if (!shown) {
        QTest::qFail(qPrintable(QStringLiteral("no window %1").arg(window)), __FILE__, __LINE__);
        return nullptr;
    }
    shown->show();
    // Only what the system really draws in the face is measured in it.
    const QString drawn = QFontInfo(shown->font()).family();
    if (face == kTahoma && drawn != kTahoma) {
        QTest::qSkip("Wine's Tahoma is not installed (fonts-wine)", __FILE__, __LINE__);
        return nullptr;
    }
    if (drawn != face) {
        QTest::qFail(qPrintable(QStringLiteral("%1 is drawn in %2").arg(face, drawn)), __FILE__, __LINE__);
        return nullptr;
    }
    return shown;
}

// Least room between a caption's text and the result that follows it, px.
constexpr int kResultGap = 3;

// Least room between the characters of two captions on one row, px: less,
// and they read as one word ("ФССσ1").
constexpr int kCaptionGap = 3;

// The rectangle of a widget in its window's coordinates.
QRect InWindow(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The advance boxes of a label's non-blank characters, in window coordinates,
// one text line high.
QList<QRect> CharacterBoxes(const QLabel *label)
{
    const QFontMetrics fm(label->font());
    const QRect l = InWindow(label);
    const int x0 = l.left() + label->contentsRect().left();
    const int top = l.top() + label->contentsRect().top();
    const QString text = label->text();
    QList<QRect> boxes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' '))
            continue;
        const int left = x0 + fm.horizontalAdvance(text.left(i));
        const int right = x0 + fm.horizontalAdvance(text.left(i + 1));
        boxes << QRect(left, top, right - left, fm.height());
    }
    return boxes;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The program's own windows go at the end of the test main; the others
    // (a face's second set) here.
    void cleanupTestCase()
    {
        const std::vector<QWidget *> program = AllWindows();
        for (auto &[face, windows] : g_windows) {
            for (QWidget *w : windows) {
                if (std::find(program.begin(), program.end(), w) == program.end())
                    delete w;
            }
        }
        g_windows.clear();
    }

    void fieldsCoverOnlyBlanks_data() { FaceAndWindowTable(); }

    // Names every field or button over a caption's characters, and counts them.
    void fieldsCoverOnlyBlanks()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        QList<QWidget *> controls;
        for (QLineEdit *field : window->findChildren<QLineEdit *>())
            controls << field;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            controls << button;
        // The first caption character that a control covers.
        const auto coveredText = [window](const QWidget *field) -> QString {
            const QRect f = InWindow(field);
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                const QRect l = InWindow(label);
                if (label->text().isEmpty() || !l.intersects(f))
                    continue;
                // Each character's advance box, left to right from the label's edge.
                const QFontMetrics fm(label->font());
                const QString text = label->text();
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const int left = l.left() + fm.horizontalAdvance(text.left(i));
                    const int right = l.left() + fm.horizontalAdvance(text.left(i + 1));
                    const bool covered = left < f.right() + 1 && right > f.left();
                    if (covered && text[i] != QLatin1Char(' '))
                        return QStringLiteral("%1 covers '%2' of %3 (\"%4\")")
                            .arg(field->objectName(), text[i], label->objectName(), text);
                }
            }
            return {};
        };
        QStringList covers;
        for (const QWidget *field : std::as_const(controls)) {
            const QString covered = coveredText(field);
            if (!covered.isEmpty())
                covers << covered;
        }
        QVERIFY2(covers.isEmpty(), qPrintable(QStringLiteral("%1 over text: %2")
                                                  .arg(covers.size())
                                                  .arg(covers.join(QStringLiteral("; ")))));
    }

    void fieldsSitInCaptionGaps_data()
    {
        QTest::addColumn<QString>("face");
        for (const QString &face : {kTahoma, kDejaVu})
            QTest::newRow(qPrintable(face)) << face;
    }

    void fieldsSitInCaptionGaps()
    {
        QFETCH(QString, face);
        for (QWidget *w : WindowsIn(face))
            w->show();
        // Fields that stand in a caption's run of blanks, with the caption.
        const struct {
            const char *window;
            const char *field;
            const char *caption;
        } gaps[] = {
            {"Form3", "Edit1", "Label3"},   {"Form3", "Edit2", "Label4"},   {"Form7", "Edit1", "Label9"},
            {"Form7", "Edit2", "Label10"},  {"Form7", "Edit3", "Label11"},  {"Form7", "Edit4", "Label14"},
            {"Form7", "Edit8", "Label31"},  {"Form7", "Edit5", "Label17"},  {"Form7", "Edit6", "Label19"},
            {"Form7", "Edit7", "Label24"},  {"Form4", "Edit1", "Label3"},   {"Form4", "Edit2", "Label4"},
            {"Form5", "Edit1", "Label3"},   {"Form5", "Edit2", "Label4"},   {"Form5", "Edit3", "Label5"},
            {"Form5", "Edit4", "Label18"},  {"Form6", "Edit1", "Label3"},   {"Form6", "Edit2", "Label4"},
            {"Form6", "Edit3", "Label5"},   {"Form6", "Edit4", "Label16"},  {"Form2", "Edit6", "Label21"},
            {"Form2", "Edit7", "Label22"},  {"Form2", "Edit8", "Label26"},  {"Form2", "Edit9", "Label26"},
            {"Form2", "Edit10", "Label27"}, {"Form2", "Edit11", "Label31"}, {"Form2", "Edit12", "Label32"},
            {"Form15", "Edit1", "Label4"},  {"Form15", "Edit2", "Label5"},  {"Form15", "Edit3", "Label6"},
            {"Form15", "Edit5", "Label14"}, {"Form15", "Edit6", "Label15"}, {"Form15", "Edit7", "Label16"},
            {"Form15", "Edit8", "Label17"}, {"Form16", "Edit1", "Label4"},  {"Form16", "Edit2", "Label5"},
            {"Form16", "Edit6", "Label11"}, {"Form16", "Edit7", "Label12"}, {"Form16", "Edit5", "Label10"},
            {"Form16", "Edit8", "Label15"}, {"Form8", "Edit1", "Label7"},   {"Form8", "Edit2", "Label8"},
            {"Form8", "Edit3", "Label9"},   {"Form8", "Edit4", "Label11"},  {"Form8", "Edit5", "Label12"},
            {"Form8", "Edit6", "Label12"},  {"Form8", "Edit7", "Label13"},  {"Form9", "Edit1", "Label2"},
            {"Form9", "Edit2", "Label3"},   {"Form9", "Edit4", "Label10"},  {"Form9", "Edit3", "Label8"},
            {"Form10", "Edit1", "Label3"},  {"Form10", "Edit2", "Label4"},  {"Form10", "Edit3", "Label7"},
            {"Form13", "Edit1", "Label3"},  {"Form13", "Edit2", "Label4"},  {"Form13", "Edit4", "Label10"},
            {"Form14", "Edit1", "Label2"},  {"Form14", "Edit2", "Label3"},  {"Form14", "Edit3", "Label10"},
            {"Form11", "Edit1", "Label2"},  {"Form11", "Edit2", "Label3"},  {"Form11", "Edit3", "Label4"},
            {"Form11", "Edit4", "Label4"},  {"Form11", "Edit6", "Label6"},  {"Form11", "Edit7", "Label8"},
            {"Form11", "Edit8", "Label9"},  {"Form11", "Edit9", "Label10"}, {"Form11", "Edit10", "Label11"},
            {"Form12", "Edit1", "Label10"}, {"Form12", "Edit2", "Label11"}, {"Form12", "Edit3", "Label12"},
            {"Form12", "Edit4", "Label15"},
        };
        for (const auto &gap : gaps) {
            QWidget *window = WindowNamed(face, QLatin1String(gap.window));
            QVERIFY2(window, gap.window);
            const QRect f = InWindow(Control<QLineEdit>(window, QLatin1String(gap.field)));
            const QRect l = InWindow(Control<QLabel>(window, QLatin1String(gap.caption)));
            QVERIFY2(f.intersects(l), gap.field);
        }
    }

    // A field over a run of blanks narrower than itself is centred on the
    // run when its window is first shown, from either side.
    void fieldCentredOnNarrowRun_data()
    {
        QTest::addColumn<bool>("fromLeft");
        QTest::newRow("designed from the run's start") << true;
        QTest::newRow("designed up to the run's end") << false;
    }

    void fieldCentredOnNarrowRun()
    {
        QFETCH(bool, fromLeft);
        QWidget window;
        window.resize(QSize(300, 100) + kDesignFrame);
        auto *caption = new QLabel(QStringLiteral("Ёмкость =    нФ"), &window);
        caption->move(20, 36);
        const QString text = caption->text();
        const qsizetype first = text.indexOf(QLatin1String("    "));
        const QFontMetrics fm(caption->font());
        const int left = caption->x() + fm.horizontalAdvance(text.left(first));
        const int right = caption->x() + fm.horizontalAdvance(text.left(first + 4));
        auto *field = new QLineEdit(&window);
        field->setGeometry(fromLeft ? left : right - 52, 30, 52, 26);
        QVERIFY(right - left < field->width());
        FinishDesign(&window);
        window.show();
        QVERIFY2(qAbs(2 * field->x() + field->width() - (left + right)) <= 1,
                 qPrintable(QStringLiteral("field at %1 to %2, run %3 to %4")
                                .arg(field->x())
                                .arg(field->x() + field->width())
                                .arg(left)
                                .arg(right)));
    }

    // No label clips its own text: glyphs that rise above the font's ascent
    // (the diaeresis of a capital Ё) still lie inside the label.
    void captionsInsideTheirLabels_data() { FaceAndWindowTable(); }

    void captionsInsideTheirLabels()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || IsPictureBox(label))
                continue;
            const QFontMetrics fm(label->font());
            const QRect content = label->contentsRect();
            const int baseline = content.top() + (content.height() - fm.height()) / 2 + fm.ascent();
            const QRect ink = fm.tightBoundingRect(label->text()).translated(0, baseline);
            QVERIFY2(ink.top() >= 0 && ink.bottom() < label->height(),
                     qPrintable(QStringLiteral("%1 (\"%2\") draws rows %3 to %4 of %5")
                                    .arg(label->objectName(), label->text())
                                    .arg(ink.top())
                                    .arg(ink.bottom())
                                    .arg(label->height())));
        }
    }

    // A result label (empty until a handler writes it) starts clear of the
    // caption characters around its left edge, so that "пФ =" and the number
    // after it never run together.
    void resultsStartClearOfCaptions_data() { FaceAndWindowTable(); }

    void resultsStartClearOfCaptions()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        const auto labels = window->findChildren<QLabel *>();
        QStringList touches;
        for (const QLabel *result : labels) {
            if (!result->text().isEmpty() || IsPictureBox(result))
                continue;
            const QRect r = InWindow(result);
            const QRect start(r.left() - kResultGap, r.top(), 2 * kResultGap, result->fontMetrics().height());
            for (const QLabel *caption : labels) {
                const QRect c = InWindow(caption);
                const QString text = caption->text();
                if (text.isEmpty() || caption == result || !c.intersects(start))
                    continue;
                const QFontMetrics fm(caption->font());
                const int x0 = c.left() + caption->contentsRect().left();
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const int left = x0 + fm.horizontalAdvance(text.left(i));
                    const int right = x0 + fm.horizontalAdvance(text.left(i + 1));
                    const bool touched = left < start.right() + 1 && right > start.left();
                    if (touched && text[i] != QLatin1Char(' '))
                        touches << QStringLiteral("%1 at %2 touches '%3' of %4 (\"%5\")")
                                       .arg(result->objectName())
                                       .arg(r.left())
                                       .arg(text[i])
                                       .arg(caption->objectName(), text);
                }
            }
        }
        QVERIFY2(touches.isEmpty(), qPrintable(touches.join(QStringLiteral("; "))));
    }

    // Two captions on one row never draw over each other's characters, nor
    // touch them: kCaptionGap stays clear between them.
    void captionsKeepApart_data() { FaceAndWindowTable(); }

    void captionsKeepApart()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        const auto labels = window->findChildren<QLabel *>();
        QStringList overlaps;
        for (const QLabel *a : labels) {
            for (const QLabel *b : labels) {
                if (a >= b || a->text().isEmpty() || b->text().isEmpty() ||
                    !InWindow(a).adjusted(-kCaptionGap, 0, kCaptionGap, 0).intersects(InWindow(b)))
                    continue;
                const auto inkA = CharacterBoxes(a), inkB = CharacterBoxes(b);
                for (const QRect &x : inkA) {
                    for (const QRect &y : inkB) {
                        if (x.adjusted(-kCaptionGap, 0, kCaptionGap, 0).intersects(y))
                            overlaps << QStringLiteral("%1 and %2").arg(a->objectName(), b->objectName());
                    }
                }
            }
        }
        overlaps.removeDuplicates();
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(QStringLiteral("; "))));
    }

    // FitToText measures a label with one text layout where adjustSize takes
    // up to seven; every label of every window, with its own caption and with
    // the texts results and messages bring, gets the size adjustSize gives.
    void labelsFitTextAsAdjustSizeDoes_data() { FaceAndWindowTable(); }

    void labelsFitTextAsAdjustSizeDoes()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        const QStringList texts = {
            QString(),
            QStringLiteral("0"),
            QStringLiteral("-96.1298530235907"),
            QStringLiteral("1591549,43091895"),
            QStringLiteral("-1.23456789012345E-300"),
            QStringLiteral("1E4932"),
            QStringLiteral("Применение ФСС нецелесообразно!"),
            QStringLiteral("Ёмкость Й, β1 = ρк · Δf"),
            QStringLiteral(" 12 "),
            QStringLiteral("R&D"),
            QStringLiteral("two\nlines"),
            QStringLiteral("tab\tstop"),
            QStringLiteral("<b>bold</b> text"),
            QStringLiteral("שלום 12"),
        };
        QStringList differ;
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (IsPictureBox(label))
                continue;
            const QString design = label->text();
            const QRect geometry = label->geometry();
            for (const QString &text : QStringList{design} + texts) {
                label->setText(text);
                label->resize(1, 1);
                label->adjustSize();
                const QSize adjusted = label->size();
                label->resize(1, 1);
                FitToText(label);
                if (label->size() != adjusted)
                    differ << QStringLiteral("%1 '%2': %3x%4, not %5x%6")
                                  .arg(label->objectName(), text)
                                  .arg(label->width())
                                  .arg(label->height())
                                  .arg(adjusted.width())
                                  .arg(adjusted.height());
            }
            label->setText(design);
            label->setGeometry(geometry);
        }
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QStringLiteral("; "))));
    }

    // A window's push buttons paint themselves through the kit (FinishDesign)
    // and must look, up and pressed, exactly as a push button Qt paints does:
    // each button against a twin beside it (so as active, without focus) with
    // its text, font, palette and size.
    void buttonsLookAsQtPaintsThem_data() { FaceAndWindowTable(); }

    void buttonsLookAsQtPaintsThem()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            button->clearFocus();
            QPushButton twin(button->text(), button->parentWidget());
            twin.setFocusPolicy(Qt::NoFocus);
            twin.setFont(button->font());
            twin.setPalette(button->palette());
            twin.setAutoDefault(button->autoDefault());
            twin.setDefault(button->isDefault());
            twin.setGeometry(button->geometry());
            for (const bool down : {false, true}) {
                button->setDown(down);
                twin.setDown(down);
                QVERIFY2(button->grab().toImage() == twin.grab().toImage(),
                         qPrintable(QStringLiteral("%1 %2").arg(button->objectName(), down ? "down" : "up")));
            }
            button->setDown(false);
        }
    }

    void controlsInsideClientArea_data() { FaceAndWindowTable(); }

    void controlsInsideClientArea()
    {
        QWidget *window = ShownWindow();
        if (!window)
            return;
        const QRect client = window->rect();
        for (const QWidget *w : window->findChildren<QWidget *>()) {
            if (w->isWindow() || !w->isVisibleTo(window) || w->objectName().isEmpty() ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(client.contains(InWindow(w)),
                     qPrintable(QStringLiteral("%1 %2").arg(w->objectName()).arg(InWindow(w).right())));
        }
    }
};

VELORIX_SHELL_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
