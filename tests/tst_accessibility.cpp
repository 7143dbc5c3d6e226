// What a screen reader and the clipboard get from the calculator windows:
// every field and result label named after its caption.
#include "TestKit.h"

using namespace velorix;
using namespace velorix::test;

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
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
};

VELORIX_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
