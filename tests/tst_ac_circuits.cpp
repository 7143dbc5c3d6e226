// The inductor reactance window and the series and parallel RC windows,
// driven as a user drives them: fields typed, the button clicked, the result
// labels and the boxes read back.
#include "TestKit.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

using namespace velorix;
using namespace velorix::test;

namespace {

const QString kOld = QStringLiteral("old");

// A window's result labels in the order its handler writes them.
QStringList ResultsOf(const QWidget *form)
{
    if (form == Form4)
        return {"Label6"};
    if (form == Form5)
        return {"Label7",  "Label9",  "Label11", "Label13", "Label15", "Label17", "Label20",
                "Label22", "Label24", "Label26", "Label28", "Label30", "Label32"};
    return {"Label7",  "Label9",  "Label11", "Label13", "Label15", "Label18",
            "Label20", "Label28", "Label22", "Label24", "Label26", "Label30"};
}

// One calculation: the field texts, the results written before the handler
// ended (the later labels keep their old text) and the error box, if any.
void Row(TCalcForm *form, const char *tag, const char *separator, const QStringList &fields,
         QStringList shown, const QString &error)
{
    while (shown.size() < ResultsOf(form).size())
        shown << kOld;
    QTest::newRow(qPrintable(form->objectName() + QStringLiteral(": ") + QLatin1String(tag)))
        << static_cast<QWidget *>(form) << QString::fromLatin1(separator) << fields << shown
        << (error.isEmpty() ? QStringList() : QStringList{QStringLiteral("error: ") + error});
}

} // namespace

class TestAcCircuits : public QObject {
    Q_OBJECT
    std::unique_ptr<BoxRecorder> boxes;

private slots:
    void cleanup() { boxes.reset(); }

    void calculation_data()
    {
        QTest::addColumn<QWidget *>("window");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("messages");

        Row(Form4, "100 uH, 1 kHz", ".", {"100", "1"}, {"0.628318530717959"}, "");
        Row(Form4, "1 uH, 1000 kHz", ".", {"1", "1000"}, {"6.28318530717959"}, "");
        Row(Form4, "10 uH, 455 kHz", ".", {"10", "455"}, {"28.5884931476671"}, "");
        Row(Form4, "1000 uH, 50 kHz", ".", {"1000", "50"}, {"314.159265358979"}, "");
        Row(Form4, "L = 0", ".", {"0", "1"}, {"0"}, "");
        Row(Form4, "negative L", ".", {"-100", "1"}, {"-0.628318530717959"}, "");
        Row(Form4, "tiny result", ".", {"1e-12", "1e-3"}, {"6.28318530717959E-18"}, "");
        Row(Form4, "comma separator", ",", {"0,5", "455,5"}, {"1,43099545371015"}, "");
        Row(Form4, "0.5 under comma", ",", {"0.5", "1"}, {}, "'0.5' is not a valid floating point value.");
        Row(Form4, "overflow", ".", {"1e200", "1e200"}, {}, "Floating point overflow.");
        Row(Form4, "empty f", ".", {"100", ""}, {}, "'' is not a valid floating point value.");
        Row(Form4, "empty L", ".", {"", "1"}, {}, "'' is not a valid floating point value.");
        Row(Form4, "L read before f", ".", {"1 uH", "x"}, {}, "'1 uH' is not a valid floating point value.");
        // 1e-6 or 2 pi rounded to double shows 0.584336233567701.
        Row(Form4, "extended constants", ".", {"1", "93"}, {"0.584336233567702"}, "");
        // 2 pi f is beyond the double range; only XL is stored.
        Row(Form4, "2 pi f beyond double", ".", {"1e-300", "1e306"}, {"6283.18530717959"}, "");

        // UC = 8.4673301596483 (Label22) is the extended-precision check:
        // double arithmetic shows 8.46733015964831.
        Row(Form5, "100 nF, 1 kOhm, 1 kHz, 10 V", ".", {"100", "1000", "1", "10"},
            {"1591.54943091895", "1879.63549420052", "57.8580923646579", "0.000532018044501408", "0.001",
             "0.000628318530717959", "0.00532018044501408", "8.4673301596483", "5.32018044501408",
             "0.0283043199675102", "0.0450477243368389", "0.0532018044501408", "0.532018044501408"},
            "");
        Row(Form5, "10 nF, 1 kOhm, 100 kHz, 5 V", ".", {"10", "1000", "100", "5"},
            {"159.154943091895", "1012.58594495015", "9.04306107903769", "0.000987570492151392", "0.001",
             "0.00628318530717959", "0.00493785246075696", "0.785883627387949", "4.93785246075696",
             "0.0243823869242036", "0.00388057740336619", "0.0246892623037848", "0.987570492151392"},
            "");
        Row(Form5, "1 Hz", ".", {"100", "1000", "0.001", "10"},
            {"1591549.43091895", "1591549.74507819", "89.9640000047374", "6.28318406692889E-7", "0.001",
             "6.28318530717959E-7", "6.28318406692889E-6", "9.99999802607971", "0.00628318406692889",
             "3.9478402018909E-8", "6.28318282667843E-5", "6.28318406692889E-5", "0.000628318406692889"},
            "");
        Row(Form5, "negative R", ".", {"100", "-1000", "1", "10"},
            {"1591.54943091895", "1879.63549420052", "122.141907635342", "0.000532018044501408", "-0.001",
             "0.000628318530717959", "0.00532018044501408", "8.4673301596483", "-5.32018044501408",
             "-0.0283043199675102", "0.0450477243368389", "0.0532018044501408", "-0.532018044501408"},
            "");
        // Rows whose angle changes in the last digit when R / Z is stored, when
        // the angle in radians is not stored, or when the degrees are stored.
        Row(Form5, "R / Z unstored", ".", {"330", "470", "10000", "7"},
            {"0.0482287706339077", "470.000002474483", "0.00587937235522285", "0.00212765956326626",
             "0.00212765957446809", "20.7345115136926", "0.0148936169428638", "0.00071830083544666",
             "6.99999996314599", "0.104255318051157", "1.06980974928816E-5", "0.104255318600047",
             "0.999999994735142"},
            "");
        Row(Form5, "angle stored in radians", ".", {"4.7", "22", "0.5", "50"},
            {"67725.5076986789", "67725.5112719263", "89.9813880006546", "1.47654846928342E-5",
             "0.0454545454545455", "1.4765485471872E-5", "0.000738274234641712", "49.9999973619635",
             "0.0162420331621177", "1.19910746017877E-5", "0.0369137097844912", "0.0369137117320856",
             "0.000324840663242353"},
            "");
        Row(Form5, "degrees unstored", ".", {"7", "10000", "50", "2"},
            {"454.728408833987", "10010.3335571698", "2.60360829114735", "9.9896771100475E-5", "0.0001",
             "0.00219911485751286", "0.00019979354220095", "0.090851799540344", "1.9979354220095",
             "0.000399174595052028", "1.8151602845496E-5", "0.0003995870844019", "0.99896771100475"},
            "");
        // Y, b, I and S are each stored before the next step: unstored, Y
        // shows 6.91150012365866E-6, b 6.91150383789755E-6, I
        // 0.000691150012365866 (and UC 99.9999462600474), S 0.0691150012365865.
        Row(Form5, "50 Hz mains", ".", {"22", "150", "0.05", "100"},
            {"144686.311901723", "144686.38965612", "89.940600021281", "6.91150012365865E-6",
             "0.00666666666666667", "6.91150383789754E-6", "0.000691150012365865", "99.9999462600473",
             "0.10367250185488", "7.16532509390004E-5", "0.0691149640942176", "0.0691150012365866",
             "0.0010367250185488"},
            "");
        // g is stored: unstored it shows 0.0091743119266055.  With I, UR, P or
        // S unstored the power factor shows 0.99807528558812.
        Row(Form5, "109 Ohm", ".", {"470", "109", "50", "15"},
            {"6.77255076986789", "109.210198442867", "3.55541632093111", "0.00915665399622129",
             "0.00917431192660551", "0.14765485471872", "0.137349809943319", "0.930208561072835",
             "14.9711292838218", "2.05628176176979", "0.127763969071002", "2.06024714914979",
             "0.998075285588121"},
            "");
        Row(Form5, "comma separator", ",", {"100", "1000", "0,5", "2,5"},
            {"3183,09886183791", "3336,48293330474", "72,5594055094881", "0,000299716803589196", "0,001",
             "0,000314159265358979", "0,00074929200897299", "2,38507054094616", "0,74929200897299",
             "0,000561438514710779", "0,00178711429716785", "0,00187323002243247", "0,299716803589196"},
            "");
        Row(Form5, "0.5 under comma", ",", {"100", "1000", "0.5", "2"}, {},
            "'0.5' is not a valid floating point value.");
        Row(Form5, "R = 0", ".", {"100", "0", "1", "10"},
            {"1591.54943091895", "1591.54943091895", "90", "0.000628318530717959"},
            "Floating point division by zero.");
        Row(Form5, "U = 0", ".", {"100", "1000", "1", "0"},
            {"1591.54943091895", "1879.63549420052", "57.8580923646579", "0.000532018044501408", "0.001",
             "0.000628318530717959", "0", "0", "0", "0", "0", "0"},
            "Invalid floating point operation.");
        Row(Form5, "C = 0", ".", {"0", "1000", "1", "10"}, {}, "Floating point division by zero.");
        Row(Form5, "f = 0", ".", {"100", "1000", "0", "10"}, {}, "Floating point division by zero.");
        Row(Form5, "Xc overflow", ".", {"1e-300", "1000", "1e-300", "10"}, {}, "Floating point overflow.");
        // I = 6.3E296 and UC = 1E300 are doubles; their product Q is not.
        Row(Form5, "Q overflow", ".", {"100", "1e-300", "1", "1e300"},
            {"1591.54943091895", "1591.54943091895", "90", "0.000628318530717959", "1E300",
             "0.000628318530717959", "6.28318530717959E296", "1E300", "0.000628318530717959",
             "3.94784176043574E293"},
            "Floating point overflow.");
        Row(Form5, "empty U", ".", {"100", "1000", "1", ""}, {}, "'' is not a valid floating point value.");
        // All four fields are read before any result; the first bad one is named.
        Row(Form5, "first bad field", ".", {"100", "1,5", "1", ""}, {},
            "'1,5' is not a valid floating point value.");
        Row(Form5, "blank C", ".", {" ", "1000", "1", "10"}, {}, "' ' is not a valid floating point value.");
        // 1e-9 rounded to double shows 2.51327412287184E-5 in Label17.
        Row(Form5, "extended 1e-9", ".", {"1", "1000", "4", "10"},
            {"39788.7357729738", "39801.300159813", "88.5603030793906", "2.51248073802798E-5", "0.001",
             "2.51327412287183E-5", "0.000251248073802798", "9.99684322200815", "0.251248073802798",
             "6.31255945896162E-5", "0.0025116876036381", "0.00251248073802798", "0.0251248073802798"},
            "");

        Row(Form6, "100 nF, 1 kOhm, 1 kHz, 10 V", ".", {"100", "1000", "1", "10"},
            {"1591.54943091895", "0.001", "0.000628318530717959", "0.0011810098120014", "846.73301596483",
             "0.01", "0.00628318530717959", "0.011810098120014", "0.1", "0.0628318530717959",
             "0.11810098120014", "32.1419076353421"},
            "");
        Row(Form6, "10 nF, 1 kOhm, 100 kHz, 5 V", ".", {"10", "1000", "100", "5"},
            {"159.154943091895", "0.001", "0.00628318530717959", "0.00636226513156733", "157.17672547759",
             "0.005", "0.0314159265358979", "0.0318113256578366", "0.025", "0.15707963267949",
             "0.159056628289183", "80.9569389209623"},
            "");
        Row(Form6, "negative R", ".", {"100", "-1000", "1", "10"},
            {"1591.54943091895", "-0.001", "0.000628318530717959", "0.0011810098120014", "846.73301596483",
             "-0.01", "0.00628318530717959", "0.011810098120014", "-0.1", "0.0628318530717959",
             "0.11810098120014", "147.858092364658"},
            "");
        // Rows that change in the last digit when g / Y is stored, when the
        // angle in radians is not stored, or when IR^2 and IC^2 are not stored.
        Row(Form6, "g / Y unstored", ".", {"7", "1", "455", "680"},
            {"49.9701548169216", "1", "0.020011945203367", "1.0002002189316", "0.999799821147995", "680",
             "13.6081227382895", "680.136148873489", "462400", "9253.52346203689", "462492.581233972",
             "1.14644697409576"},
            "");
        Row(Form6, "angle stored in radians", ".", {"2", "100", "1", "10000"},
            {"79577.4715459477", "0.01", "1.25663706143592E-5", "0.0100000078956804", "99.9999210432583",
             "100", "0.125663706143592", "100.000078956804", "1000000", "1256.63706143592",
             "1000000.78956804", "0.0719999621046122"},
            "");
        Row(Form6, "squared currents stored", ".", {"100", "3", "22", "22"},
            {"72.3431559508615", "0.333333333333333", "0.0138230076757951", "0.333619823530192",
             "2.99742380239435", "7.33333333333333", "0.304106168867492", "7.33963611766421",
             "161.333333333333", "6.69033571508482", "161.471994588613", "2.37463941712677"},
            "");
        // IC^2, P and S are stored: with IC^2 or S unstored S shows
        // 47123.7964079889, with P unstored P shows 8.96055555555556.
        Row(Form6, "465 kHz, 127 V", ".", {"1000", "1800", "465", "127"},
            {"0.34226869482128", "0.000555555555555556", "2.92168116783851", "2.92168122065775",
             "0.342268688633619", "0.0705555555555556", "371.05350831549", "371.053515023534",
             "8.96055555555555", "47123.7955560673", "47123.7964079888", "89.989105249202"},
            "");
        // Q is stored: unstored it shows 0.691150383789755 (and with IC^2
        // unstored S shows 0.82279239325633).
        Row(Form6, "5.6 kOhm, 2 kHz", ".", {"22", "5600", "2", "50"},
            {"3617.15779754308", "0.000178571428571429", "0.000276460153515902", "0.000329116957302532",
             "3038.43353498427", "0.00892857142857143", "0.0138230076757951", "0.0164558478651266",
             "0.446428571428571", "0.691150383789754", "0.822792393256331", "57.1407322533364"},
            "");
        Row(Form6, "comma separator", ",", {"100", "1000", "0,5", "2,5"},
            {"3183,09886183791", "0,001", "0,000314159265358979", "0,00104818702720979", "954,028216378465",
             "0,0025", "0,000785398163397448", "0,00262046756802447", "0,00625", "0,00196349540849362",
             "0,00655116892006118", "17,4405944905119"},
            "");
        Row(Form6, "R = 0", ".", {"100", "0", "1", "10"}, {"1591.54943091895"},
            "Floating point division by zero.");
        Row(Form6, "U = 0", ".", {"100", "1000", "1", "0"},
            {"1591.54943091895", "0.001", "0.000628318530717959", "0.0011810098120014", "846.73301596483",
             "0", "0", "0", "0", "0", "0", "32.1419076353421"},
            "");
        Row(Form6, "C = 0", ".", {"0", "1000", "1", "10"}, {}, "Floating point division by zero.");
        Row(Form6, "f = 0", ".", {"100", "1000", "0", "10"}, {}, "Floating point division by zero.");
        Row(Form6, "Xc overflow", ".", {"1e-300", "1000", "1e-300", "10"}, {}, "Floating point overflow.");
        // IR^2 = 1E400 fails at its store, before the total current is written.
        Row(Form6, "squared current overflow", ".", {"100", "1", "1", "1e200"},
            {"1591.54943091895", "1", "0.000628318530717959", "1.00000019739207", "0.999999802607971",
             "1E200", "6.28318530717959E196"},
            "Floating point overflow.");
        Row(Form6, "empty U", ".", {"100", "1000", "1", ""}, {}, "'' is not a valid floating point value.");
        Row(Form6, "first bad field", ".", {"x", "1000", "1e", "-"}, {},
            "'x' is not a valid floating point value.");
        // 2 pi rounded to double shows 0.00014451326206513 in Label11.
        Row(Form6, "extended 2 pi", ".", {"1", "1000", "23", "10"},
            {"6919.78013443023", "0.001", "0.000144513262065131", "0.00101038808529827", "989.71871754089",
             "0.01", "0.0014451326206513", "0.0101038808529827", "0.1", "0.014451326206513",
             "0.101038808529827", "8.22307158517467"},
            "");
    }

    void calculation()
    {
        QFETCH(QWidget *, window);
        QFETCH(QString, separator);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, results);
        QFETCH(QStringList, messages);
        auto *form = static_cast<TCalcForm *>(window);
        boxes = StartWindowTest(form);
        SetDecimalSeparator(separator.front());
        const QStringList labels = ResultsOf(form);
        for (const QString &label : labels)
            Control<QLabel>(form, label)->setText(kOld);
        Fill(form, fields);
        Click(form, QStringLiteral("Button1"));
        QCOMPARE(boxes->take(), messages);
        QStringList texts;
        for (const QString &label : labels)
            texts << Text(form, label);
        QCOMPARE(texts, results);
    }

    // The button stands between the frequency and the voltage field.
    void tabOrder()
    {
        QCOMPARE(TabOrder(Form4), QStringList({"Edit1", "Edit2", "Button1"}));
        for (QWidget *form : {static_cast<QWidget *>(Form5), static_cast<QWidget *>(Form6)})
            QCOMPARE(TabOrder(form), QStringList({"Edit1", "Edit2", "Edit3", "Button1", "Edit4"}));
    }
};

VELORIX_TEST_MAIN(TestAcCircuits)
#include "tst_ac_circuits.moc"
