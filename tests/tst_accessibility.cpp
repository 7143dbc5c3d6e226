// What a screen reader and the clipboard get from the calculator windows:
// every field, result label and button named after its caption, and a whole
// calculation copied as "name<Tab>text" lines.
#include "AccessibleNames.h"
#include "TestKit.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

using namespace velorix;
using namespace velorix::test;

class TestAccessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void cleanup() { boxes.reset(); }

    // Runs first, while the result labels are still the empty ones of the
    // definitions.  A name is one line of single-blank-separated words
    // without the caption's "=" or ":", so that it reads as a quantity and
    // keeps a copied line to one name, one tab and one text.
    void everyFieldAndResultNamed()
    {
        QStringList bad;
        qsizetype fields = 0, results = 0;
        for (TCalcForm *form : Calculators()) {
            const QStringList f = Fields(form), r = EmptyLabels(form);
            fields += f.size();
            results += r.size();
            form->show();
            for (const QString &control : f + r) {
                const QString name = Control<QWidget>(form, control)->accessibleName();
                if (name.isEmpty() || name != name.simplified() || name.endsWith(QLatin1Char('=')) ||
                    name.endsWith(QLatin1Char(':')))
                    bad << QStringLiteral("%1 %2 \"%3\"").arg(form->objectName(), control, name);
            }
            form->hide();
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral("; "))));
        QCOMPARE(fields, 86);
        QCOMPARE(results, 70);
    }

    // Within a window no two fields, results or buttons share a name, and
    // no name has a Latin letter that looks like a Cyrillic one inside a
    // Cyrillic word ("Oм"), which a speech synthesizer reads as a foreign
    // letter.  Labels that only decorate are not read at all.
    void namesDistinctAndSpokenAsMeant()
    {
        const QString lookAlikes = QStringLiteral("AaBCcEeHKMOoPpTXxy");
        const QRegularExpression word(QStringLiteral("\\p{L}+"));
        QStringList bad;
        for (TCalcForm *form : Calculators()) {
            form->show();
            QHash<QString, QStringList> named;
            for (QWidget *w : form->findChildren<QWidget *>()) {
                const auto *label = qobject_cast<QLabel *>(w);
                if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QAbstractButton *>(w) &&
                    !(label && IsResultLabel(label)))
                    continue;
                const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                named[name] << w->objectName();
                for (auto m = word.globalMatch(name); m.hasNext();) {
                    const QString letters = m.next().captured();
                    const bool cyrillic = std::any_of(letters.begin(), letters.end(), [](QChar c) {
                        return c.script() == QChar::Script_Cyrillic;
                    });
                    if (cyrillic && std::any_of(letters.begin(), letters.end(),
                                                [&](QChar c) { return lookAlikes.contains(c); }))
                        bad << QStringLiteral("%1 %2 \"%3\"").arg(form->objectName(), w->objectName(), name);
                }
            }
            for (auto it = named.cbegin(); it != named.cend(); ++it) {
                if (it.value().size() > 1 || it.key().isEmpty())
                    bad << QStringLiteral("%1 %2 \"%3\"")
                               .arg(form->objectName(), it.value().join(QLatin1Char(',')), it.key());
            }
            for (const QString &name : TextLabels(form)) {
                QLabel *label = Control<QLabel>(form, name);
                const QString text = label->text();
                if (text.isEmpty() ||
                    std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); }))
                    continue;
                QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(label);
                if (!reading->text(QAccessible::Name).isEmpty() || !reading->state().invisible)
                    bad << QStringLiteral("%1 %2 read aloud").arg(form->objectName(), name);
            }
            form->hide();
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral("; "))));
    }

    void exactNames_data()
    {
        QTest::addColumn<QWidget *>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](QWidget *w, const char *control, const char *name) {
            QTest::addRow("%s %s", qPrintable(w->objectName()), control)
                << w << QString::fromLatin1(control) << QString::fromUtf8(name);
        };
        row(Form3, "Edit1", "Ёмкость, нФ");                  // "Ёмкость =     нФ"
        row(Form3, "Label6", "Хс, Ом");                      // "Хс, Ом:" before the result
        row(Form5, "Edit3", "Частота, кГц");                 // "Частота:     кГц"
        row(Form2, "Label7", "rэ, Ом");                      // a result in the caption's gap
        row(Form2, "Edit5", "Ток коллектора (2), мА");       // unit in a label of its own
        row(Form8, "Edit5", "Ток покоя транзистора Iк, мА"); // two fields in one caption
        row(Form8, "Edit6", "Напряжение коллектор-эмиттер Uкэ, В");
        row(Form11, "Edit3", "Избирательность по соседнему каналу, дБ");
        row(Form11, "Edit6", "Характеристическое сопротивление фильтра, кОм"); // remark left out
        row(Form12, "Edit3", "Коэффициент а");                   // no unit, a remark in brackets
        row(Form16, "Edit3", "Коэффициент передачи тока Т1 β1"); // two captions, a Greek letter
        row(Form11, "Label13", "Обобщённое затухание ФСС β");
        row(Form7, "Label20", "Резистор Rэ, Ом");               // the next caption on the row is not a unit
        row(Form15, "Edit1", "Сопротивление базы rб, Ом");      // not the heading further left
        row(Form15, "Edit5", "Сопротивление резистора Rк, Ом"); // a caption's second line
        row(Form9, "Edit1", "Рабочая частота (Сэ), кГц");       // told apart by what its button computes
        row(Form2, "Edit6", "rэ (Сэ), Ом");                     // not the result "rэ, Ом"
        row(Form2, "Button1", "Рассчитать rэ");                 // a button says what it computes
        row(Form13, "Button2", "Рассчитать Rp, П");
        row(Form6, "Label7", "Реактивное сопротивление конденсатора Хс, Ом"); // a Latin "O" in "Ом"
        row(Form7, "Edit2", "Минимальная рабочая температура, °C");           // a Latin "C" for degrees
        row(Form8, "Edit4", "Обратный ток коллектора (при t=20 °C), мкА");    // a Cyrillic "С"
        row(Form2, "Edit11", "Постоянная времени цепи ОС τ, пс");             // "т" for τ
        row(Form6, "Label24", "Реактивная мощность на конденсаторе, ВАр"); // "на резисторе" in the caption
        row(Form8, "Label19", "Тепловое смещение напряжения базы, В"); // "базу базы" in the caption
    }

    void exactNames()
    {
        QFETCH(QWidget *, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        window->show();
        QCOMPARE(Control<QWidget>(window, control)->accessibleName(), name);
        window->hide();
    }

    // A worked calculation copied whole: the fields in focus order, then the
    // results that hold a value, top to bottom.
    void copyResults_data()
    {
        QTest::addColumn<QWidget *>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Form5, Ctrl+Shift+C in a field")
            << static_cast<QWidget *>(Form5)
            << QStringList{"Edit1=100", "Edit2=1000", "Edit3=0.5", "Edit4=2.5", "Button1"} << true
            << QStringList{
                   "Последовательное соединение R и С",
                   "Ёмкость конденсатора, нФ\t100",
                   "Сопротивление резистора, Ом\t1000",
                   "Частота, кГц\t0.5",
                   "Напряжение, приложенное к цепи (действующее значение), В\t2.5",
                   "Реактивное сопротивление конденсатора Хс, Ом\t3183.09886183791",
                   "Полное сопротивление цепи Z, Ом\t3336.48293330474",
                   "Угол сдвига фаз, град.\t72.5594055094881",
                   "Полная проводимость цепи Y = 1/Z, См\t0.000299716803589196",
                   "Активная составляющая полной проводимости g = 1/R, См\t0.001",
                   "Реактивная составляющая полной проводимости b = 1/Xc, См\t0.000314159265358979",
                   "Ток в цепи (действующее значение), А\t0.00074929200897299",
                   "Напряжение на конденсаторе, В\t2.38507054094616",
                   "Напряжение на резисторе, В\t0.74929200897299",
                   "Мощность, рассеиваемая на резисторе, Вт\t0.000561438514710779",
                   "Реактивная мощность на конденсаторе, ВАр\t0.00178711429716785",
                   "Полная мощность, ВА\t0.00187323002243247",
                   "Коэффициент мощности\t0.299716803589196",
               };
        QTest::newRow("Form11 after two steps, from the window's menu")
            << static_cast<QWidget *>(Form11)
            << QStringList{"Edit1=465", "Edit2=9", "Edit5=0.006", "Button1", "Edit4=10", "Button2"} << false
            << QStringList{
                   "Расчёт ФСС",
                   "Рабочая частота, кГц\t465",
                   "Требуемая полоса пропускания, кГц\t9",
                   "Избирательность по соседнему каналу, дБ\t",
                   "Расстройка по соседнему каналу, кГц\t10",
                   "Собственное затухание контуров ФСС\t0.006",
                   "Характеристическое сопротивление фильтра, кОм\t10",
                   "Активная составляющая выходного сопротивления источника сигнала, Ом\t",
                   "Активная составляющая сопротивления нагрузки, Ом\t",
                   "Ёмкость источника сигнала, пФ\t",
                   "Ёмкость нагрузки, пФ\t",
                   "Ослабление одним звеном ФСС σ1, дБ\t",
                   "Проверка целесообразности применения ФСС\tПрименение ФСС целесообразно.", // step 1's
                                                                                              // verdict
                   "Обобщённое затухание ФСС β\t0.62",
                   "Относительная расстройка по соседнему каналу α\t2.22222222222222",
                   // The guide read off graph а) at α for β (tst_plots holds it to the theory).
                   "σ1 по графику а)\t9.94",
               };
        // A radio group gives its chosen option where its buttons come in
        // the focus order.
        QTest::newRow("Form7, silicon chosen")
            << static_cast<QWidget *>(Form7)
            << QStringList{"Edit1=12", "Edit2=-40", "Edit3=60",  "RadioButton1", "Edit4=0.1",
                           "Edit5=2",  "Edit6=5",   "Edit7=0.3", "Edit8=2",      "Button1"}
            << false
            << QStringList{
                   "Схема термостабилизации с ОС по току",
                   "Напряжение источника питания Ек, В\t12",
                   "Минимальная рабочая температура, °C\t-40",
                   "Максимальная рабочая температура, °C\t60",
                   "Материал транзистора\tКремний",
                   "Обратный ток коллектора (при t=20 °C), мкА\t0.1",
                   "Ток покоя коллектора Iк, мА\t2",
                   "Напряжение коллектор-эмиттер Uкэ, В\t5",
                   "Нестабильность Iк в заданном диапазоне температур (не более 10-20% от Iк), мА\t0.3",
                   "Напряжение на Rэ, В\t2",
                   "Изменение обратного тока коллектора, мкА\t26",
                   "Тепловое смещение напряжения базы, В\t0.18",
                   "Резистор Rэ, Ом\t1000",
                   "Резистор R1, Ом\t21546",
                   "Резистор Rк, Ом\t2500",
                   "Резистор R2, Ом\t4309",
               };
    }

    void copyResults()
    {
        QFETCH(QWidget *, window);
        QFETCH(QStringList, steps);
        QFETCH(bool, byKey);
        QFETCH(QStringList, lines);
        boxes = StartWindowTest(static_cast<TCalcForm *>(window));
        QVERIFY(QTest::qWaitForWindowActive(window));
        RunSteps(window, steps, {}, *boxes);
        QCOMPARE(boxes->take(), QStringList());
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
        if (byKey) {
            // The command works while a field has focus, and the field
            // keeps its text.
            QLineEdit *field = Control<QLineEdit>(window, QStringLiteral("Edit2"));
            field->setFocus();
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(field->text(), QStringLiteral("1000"));
        } else {
            QCOMPARE(window->contextMenuPolicy(), Qt::ActionsContextMenu);
            const auto actions = window->actions();
            const auto copy = std::find_if(actions.begin(), actions.end(), [](const QAction *a) {
                return a->text() == QStringLiteral("Копировать результаты");
            });
            QVERIFY(copy != actions.end());
            (*copy)->trigger();
        }
        QCOMPARE(QGuiApplication::clipboard()->text().split(QLatin1Char('\n')), lines);
        // A screen reader gets each result's name and its number.
        for (const QString &result : TextLabels(window)) {
            QLabel *label = Control<QLabel>(window, result);
            if (!IsResultLabel(label))
                continue;
            QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(label);
            QVERIFY(reading);
            QCOMPARE(reading->text(QAccessible::Name), label->accessibleName());
            QCOMPARE(reading->text(QAccessible::Value), label->text());
        }
        window->hide();
    }
};

VELORIX_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
