#include "Examples.h"

namespace velorix::test {

namespace {

const QStringList kForm7 = {"Edit1=12", "Edit2=-40", "Edit3=60", "Edit5=2",
                            "Edit6=5",  "Edit7=0.3", "Edit8=2"};
const QStringList kForm8 = {"Edit1=12", "Edit2=-60", "Edit3=60", "Edit5=2", "Edit6=5", "Edit7=0.3"};
const QStringList kForm11Step1 = {"Edit1=465", "Edit2=9", "Edit5=0.006", "Button1"};
const QStringList kForm11Step4 = {"Edit6=10", "Edit7=1000", "Edit8=2000", "Button4"};
const QStringList kForm13Step1 = {"Edit1=465", "Edit2=100", "Button1"};
const QStringList kForm16 = {"Edit1=200", "Edit2=25",  "Edit3=50",  "Edit4=40",
                             "Edit5=100", "Edit6=100", "Edit7=2.5", "Edit8=1000"};

const WorkedExample kExamples[] = {
    {"Form2", "Button1 re", {"Edit1=1"}, "Button1", "Label7", "26"},
    {"Form2", "Button2 rk", {"Edit2=5", "Edit3=10", "Edit4=1", "Edit5=1.05"}, "Button2", "Label15", "100000"},
    {"Form2", "Button3 Ce", {"Edit6=26", "Edit7=100"}, "Button3", "Label25", "61.213439650729"},
    {"Form2", "Button4 Ck", {"Edit8=5", "Edit9=12", "Edit10=3"}, "Button4", "Label29", "15.4919333848297"},
    {"Form2", "Button5 rb", {"Edit11=100", "Edit12=2"}, "Button5", "Label34", "50"},
    {"Form3", "Button1 Xc", {"Edit1=0.1", "Edit2=1"}, "Button1", "Label6", "1591549.43091895"},
    {"Form4", "Button1 XL", {"Edit1=0.5", "Edit2=455.5"}, "Button1", "Label6", "1.43099545371015"},
    {"Form5",
     "Button1 series RC",
     {"Edit1=100", "Edit2=1000", "Edit3=0.5", "Edit4=2.5"},
     "Button1",
     "Label32",
     "0.299716803589196"},
    {"Form6",
     "Button1 parallel RC",
     {"Edit1=100", "Edit2=1000", "Edit3=0.5", "Edit4=2.5"},
     "Button1",
     "Label30",
     "17.4405944905119"},
    {"Form7", "Button1 silicon", kForm7 + QStringList{"Edit4=0.1", "RadioButton1"}, "Button1", "Label28",
     "4309"},
    {"Form7", "Button1 germanium", kForm7 + QStringList{"Edit4=2", "RadioButton2"}, "Button1", "Label28",
     "3253"},
    {"Form8", "Button1 silicon", kForm8 + QStringList{"Edit4=0.1", "RadioButton1"}, "Button1", "Label23",
     "3850"},
    {"Form8", "Button1 germanium", kForm8 + QStringList{"Edit4=2", "RadioButton2"}, "Button1", "Label23",
     "3700"},
    {"Form9", "Button1 Ce", {"Edit1=0.5", "Edit2=10"}, "Button1", "Label5", "318309.886183791"},
    {"Form9", "Button2 Cb", {"Edit3=26", "Edit4=1000", "Edit5=50"}, "Button2", "Label7", ""},
    {"Form10", "Button1 K", {"Edit1=50", "Edit2=1000"}, "Button1", "Label6", "4.47213595499958"},
    {"Form10", "Button2 Z1", {"Edit3=50", "Edit4=4.47213595499958"}, "Button2", "Label9", "1000"},
    {"Form11", "Button1 step 1", {"Edit1=465", "Edit2=9", "Edit5=0.006"}, "Button1", "Label7", ""},
    {"Form11", "Button2 step 2", kForm11Step1 + QStringList{"Edit4=10"}, "Button2", "Label17", ""},
    {"Form11", "Button3 step 3", {"Edit11=8", "Edit3=40"}, "Button3", "Label23", "5"},
    {"Form11", "Button4 step 4", {"Edit6=10", "Edit7=1000", "Edit8=2000"}, "Button4", "Label27", ""},
    {"Form11", "Button5 step 6", kForm11Step1 + kForm11Step4 + QStringList{"Edit9=10", "Edit10=15"},
     "Button5", "Label42", ""},
    {"Form12",
     "Button1 Ccv",
     {"Edit1=510", "Edit2=5000", "Edit3=7", "Edit4=470"},
     "Button1",
     "Label17",
     "56.7347210394884"},
    {"Form13", "Button1 rho", {"Edit1=465", "Edit2=1e2"}, "Button1", "Label6", "292.168116783851"},
    {"Form13", "Button2 Rp, P", kForm13Step1 + QStringList{"Edit3=100"}, "Button2", "Label14", ""},
    {"Form13", "Button3 Z", kForm13Step1 + QStringList{"Edit3=100", "Button2", "Edit4=475"}, "Button3",
     "Label12", ""},
    {"Form14", "Button1 n", {"Edit1=150", "Edit2=680"}, "Button1", "Label5", "5.53333333333333"},
    {"Form14", "Button2 R'n", {"Edit1=150", "Edit2=680", "Button1", "Edit3=50"}, "Button2", "Label9", ""},
    {"Form15",
     "Button1 Rin",
     {"Edit1=100", "Edit2=26", "Edit3=0", "Edit4=100"},
     "Button1",
     "Label10",
     "2726"},
    {"Form15",
     "Button2 Ku",
     {"Edit4=100", "Edit5=4700", "Edit6=2726", "Edit7=600", "Edit8=10000"},
     "Button2",
     "Label20",
     "-96.1298530235907"},
    {"Form16", "Button1 Fig. 1a", kForm16, "Button1", "Label19", "0.946571451205849"},
    {"Form16", "Button2 Fig. 1b", kForm16, "Button2", "Label19", ""},
};

} // namespace

std::span<const WorkedExample> WorkedExamples() { return kExamples; }

QStringList StepsWith(const WorkedExample &example, QChar separator)
{
    QStringList steps = example.setup;
    steps << QString::fromLatin1(example.button);
    for (QString &step : steps) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        if (eq >= 0)
            step = step.left(eq + 1) + step.mid(eq + 1).replace(QLatin1Char('.'), separator);
    }
    return steps;
}

} // namespace velorix::test
