// Every calculator window used at random, as a careless user would: texts
// from a table of hard cases typed into random fields, random radio buttons,
// random buttons and labels clicked, now and then the other decimal
// separator.  After every action the window must still be sound: results are
// numbers, every box went through the message seam and says one of the error
// texts, the event loop answers, and no field changed behind the user's back.
//
// The run is reproducible: VELORIX_RANDOM_SEED sets the seed (decimal or
// 0x...), VELORIX_RANDOM_STEPS the number of actions over all windows.  A
// failure prints the command that replays it.
#include "ShellTest.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <thread>

using namespace velorix;
using namespace velorix::test;

namespace {

constexpr std::uint64_t kDefaultSeed = 20261208;
constexpr int kDefaultSteps = 90000;
// A zero-timer must fire within this after an action, ms.
constexpr int kAnswerTimeout = 5000;
// One action that takes longer than this has hung the program, s.
constexpr int kHangTimeout = 60;
// Actions shown before the failing one.
constexpr int kHistory = 8;

// Labels that a handler legitimately writes text into that is not a number.
// The filter design window's step 1 writes its verdict, a sentence, into
// Label7, over the caption it starts with.
const QStringList kVerdictLabels = {QStringLiteral("Form11.Label7")};
// Labels with a click handler; every other label is clicked too, and must do
// nothing.  The filter design window's Label43 shows the book it follows in
// a warning box.
const QStringList kClickableLabels = {QStringLiteral("Form11.Label43")};

using Rng = std::mt19937_64;

// A uniform index below n (n > 0); the modulo bias is far below what matters
// here, and unlike the standard distributions it gives the same sequence with
// every standard library.
std::size_t Below(Rng &rng, std::size_t n) { return static_cast<std::size_t>(rng() % n); }

bool Chance(Rng &rng, int percent) { return Below(rng, 100) < static_cast<std::size_t>(percent); }

template <class List> const auto &Pick(Rng &rng, const List &list)
{
    return list[static_cast<qsizetype>(Below(rng, static_cast<std::size_t>(list.size())))];
}

QString Repeat(QChar c, qsizetype n) { return QString(n, c); }

// Texts that sit on an edge of the number syntax or of the value range, and
// texts a number reader must not take for numbers.  "~" stands for the
// decimal separator of the moment.
// clang-format off
QStringList HardTexts()
{
    QStringList texts;
    // Nothing, blanks and separators.
    texts += {"", " ", "   ", "\t", " \t ", ".", ",", "~", "~~", ".,", "-", "+", "+-", "--5", "- 5", "-~", "+~e"};
    // Exponents.
    texts += {"e", "E", "e5", "E-5", "1e", "1E", "1e+", "1e-", "1e~5", "1e 5", "1 e5", "1ee5", "1e+-5",
              "1e499", "1e500", "-1e500", "9.99e499", "1e4932", "1.18e4932", "1.19e4932", "1e4933", "-1e4933",
              "1e4999", "1e5000", "1e50000", "1e-400", "-1e-400", "1e-324", "1e-323", "4.94e-324",
              "2.4703282292062327e-324", "2.4703282292062328e-324", "2.2250738585072014e-308", "1e-4951",
              "1e-5000", "1e0000000000000000000005", "1e00000000000000000000500"};
    // Around the largest double, the integer ranges and other awkward values.
    texts += {"1.7976931348623157e308", "1.7976931348623158e308", "1.797693134862316e308", "1e308", "-1e308",
              "1e309", "1e307", "1e300", "1e-300", "1e-308", "1e-310", "1e200", "1e-200", "1e150", "1e-150",
              "9223372036854775807", "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
              "-9223372036854777856", "9~223372036854775e18", "9~223372036854776e18", "2147483647",
              "2147483648", "-2147483648", "-2147483649", "2147483646~5", "2147483647~5", "-2147483648~5",
              "4294967296", "1e19", "1e15", "999999999999999", "100000000000000.5",
              "123456789012345678901234567890",
              "1~0000001", "-1~0000001", "0~9999999999999999", "1~0000000000000002", "-1", "0~1", "0~5", "2~5",
              "3~5", "0~9999999", "0~99999999999999999999", "1~00000000000000001"};
    // Zeros and signs.
    texts += {"0", "-0", "+0", "0~", "~0", "-~0", "00000", "0~000", "-0e500", "0e5000", "0e-5000"};
    // Not numbers for this program.
    texts += {"nan", "NaN", "-nan", "NAN", "inf", "-inf", "+inf", "Inf", "INF", "infinity", "-Infinity",
              "1#INF", "1#QNAN", "0x10", "0X1F", "0x1p3", "0b101", "1_000", "1'000", "1 000", "1,000.5",
              "1.000,5", "1~2~3", "1,5", "1.5", "5%", "1/2", "(1)", "$5", "5k", "5kHz"};
    // Digits and signs that only look like ours: Arabic-Indic, Persian,
    // fullwidth and Devanagari digits, the minus sign, superscripts, a
    // Cyrillic "е" for the exponent, units in Russian, no-break and
    // zero-width blanks, a byte-order mark, a digit outside the BMP.
    texts += {"\u0661\u0662\u0663", "\u0661\u066B\u0665", "\u06F1\u06F2", "\uFF11\uFF12\uFF13",
              "\uFF11\uFF0E\uFF15", "\u0967\u0968", "\u2212" "5", "\u00B2", "\u00BD", "\u2460", "\u00B9\u2070",
              "1\u0435" "5", "\u041E\u043C", "\u043A\u041E\u043C", "\u043C\u043A\u0424",
              "\u0417\u0430\u043F\u044F\u0442\u0430\u044F", "1\u00A0" "000", "1\u202F" "000", "\uFEFF" "1",
              "1\u200B", "\u00A0", "\u3000", "\U0001D7D9"};
    // Control characters, and broken UTF-16.
    texts += {"\n", "\r\n", "1\n", "\x1b", "\x7f", "\b1"};
    texts << QString(QChar(0)) << QStringLiteral("1") + QChar(0) << QString(QChar(0xD800))
          << QStringLiteral("5") + QChar(0xDC00);
    return texts;
}
// clang-format on

// Texts of 10^5 characters.
QStringList LongTexts()
{
    const qsizetype n = 100000;
    return {Repeat(QLatin1Char('1'), n),
            QStringLiteral("1") + Repeat(QLatin1Char('0'), n - 1),
            QStringLiteral("0~") + Repeat(QLatin1Char('0'), n - 3) + QStringLiteral("1"),
            QStringLiteral("~") + Repeat(QLatin1Char('9'), n - 1),
            Repeat(QLatin1Char('9'), n - 8) + QStringLiteral("e-99990"),
            QStringLiteral("1e") + Repeat(QLatin1Char('0'), n - 2),
            QStringLiteral("1e") + Repeat(QLatin1Char('9'), n - 2),
            Repeat(QLatin1Char(' '), n),
            Repeat(QLatin1Char(' '), n / 2) + QStringLiteral("5") + Repeat(QLatin1Char(' '), n / 2),
            Repeat(QLatin1Char('0'), n - 1) + QStringLiteral("7"),
            Repeat(QChar(0x0663), n)};
}

// Pieces put before or after another text.
const QStringList kPrefixes = {" ", "  ", "\t", "-",      "+",      "--",     "+-",     "0",  "00",
                               "~", "e",  "x",  "\u00A0", "\u2212", "\u0661", "\uFF10", "\n", "\x01"};
const QStringList kSuffixes = {" ",     "  ",     "\t",     "~",      "~~",           "e",     "E",
                               "e+",    "e-",     "e499",   "e500",   "E500",         "e4932", "e4933",
                               "e5000", "e-400",  "e-324",  "e308",   "e309",         "e-308", "e15",
                               "e-5",   "~5",     "~0",     "5",      "\u041E\u043C", "kHz",   "%",
                               "x",     "\u0661", "\uFF10", "\u00A0", "\n",           "\r",    "\x7f"};

// Values a user of these windows types: frequencies, resistances,
// capacitances, voltages, currents, temperatures, ratios.
const QStringList kEngineering = {
    "465", "455", "10.7",  "9",    "6",   "10",     "0.006", "0.01", "100", "1000", "2000", "10000", "25.33",
    "50",  "0.5", "2.5",   "1",    "4",   "0.2",    "1.5",   "0.05", "-20", "-40",  "-60",  "20",    "60",
    "70",  "470", "510",   "5000", "7",   "150",    "680",   "200",  "25",  "40",   "12",   "15",    "5",
    "0.7", "0.3", "0.001", "1e-3", "1E6", "2.2e-9", "47e3",  "4.7",  "3.3", "0.1",  "33",   "330",   "1e2"};

class TextGenerator {
public:
    explicit TextGenerator(Rng &rng) : rng_(rng), hard_(HardTexts()), long_(LongTexts()) {}

    // A careful user types mostly plain values, so that whole calculations
    // run through; a careless one anything.
    void setCareful(bool careful) { careful_ = careful; }
    bool careful() const { return careful_; }

    QString next()
    {
        if (careful_ && Chance(rng_, 92)) {
            QString text = engineering();
            return text.replace(QLatin1Char('~'), DecimalSeparator());
        }
        const std::size_t kind = Below(rng_, 100);
        QString text;
        if (kind < 38)
            text = engineering();
        else if (kind < 60)
            text = Pick(rng_, hard_);
        else if (kind < 72)
            text = Pick(rng_, kPrefixes) + engineering();
        else if (kind < 86)
            text = engineering() + Pick(rng_, kSuffixes);
        else if (kind < 92)
            text = Pick(rng_, kPrefixes) + Pick(rng_, hard_) + Pick(rng_, kSuffixes);
        else if (kind < 98)
            text = anyShort() + anyShort();
        else
            text = Pick(rng_, long_);
        // "~" is the separator of the moment, mostly; at times the other one.
        return text.replace(QLatin1Char('~'), separator());
    }

private:
    QChar separator()
    {
        const QChar current = DecimalSeparator();
        if (Chance(rng_, 85))
            return current;
        return current == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    }

    // A table value, or a random one: up to seven digits around the
    // separator, at times with an exponent and a sign.
    QString engineering()
    {
        if (Chance(rng_, 40)) {
            QString v = Pick(rng_, kEngineering);
            return v.replace(QLatin1Char('.'), QLatin1Char('~'));
        }
        QString v;
        if (Chance(rng_, careful_ ? 3 : 15))
            v += QLatin1Char('-');
        const std::size_t digits = 1 + Below(rng_, 7);
        const std::size_t point = Below(rng_, digits + 1);
        for (std::size_t i = 0; i < digits; ++i) {
            if (i == point && i > 0)
                v += QLatin1Char('~');
            v += QChar(u'0' + static_cast<char16_t>(Below(rng_, 10)));
        }
        if (Chance(rng_, 25))
            v += QStringLiteral("e%1").arg(static_cast<int>(Below(rng_, 41)) - 20);
        return v;
    }

    QString anyShort() { return Chance(rng_, 50) ? engineering() : Pick(rng_, hard_); }

    Rng &rng_;
    bool careful_ = false;
    const QStringList hard_;
    const QStringList long_;
};

// A text as a failure message shows it: quoted, control and invisible
// characters escaped, a long text cut in the middle.
QString Quoted(const QString &text)
{
    const auto escape = [](const QString &part) {
        QString out;
        for (const QChar c : part) {
            if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
                out += QLatin1Char('\\') + c;
            else if (c == QLatin1Char(' ') || (c.isPrint() && !c.isSpace() && !c.isSurrogate()))
                out += c;
            else
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        }
        return out;
    };
    if (text.size() <= 80)
        return QLatin1Char('"') + escape(text) + QLatin1Char('"');
    return QStringLiteral("\"%1\"...(%2 characters)...\"%3\"")
        .arg(escape(text.left(30)))
        .arg(text.size())
        .arg(escape(text.right(20)));
}

struct Action {
    enum Kind { Type, Choose, Press, ClickLabel, Separator } kind;
    QString control; // field, button or label
    QString text;    // typed text, or the new separator

    QString describe() const
    {
        switch (kind) {
        case Type:
            return QStringLiteral("type %1 = %2").arg(control, Quoted(text));
        case Choose:
        case Press:
        case ClickLabel:
            return QStringLiteral("click %1").arg(control);
        case Separator:
            return QStringLiteral("decimal separator %1").arg(Quoted(text));
        }
        return {};
    }
};

// Aborts the program with the replay line when one action does not end: a
// handler that never returns never gives the test a chance to fail.
class HangWatch {
public:
    HangWatch()
        : thread_([this] {
              std::unique_lock lock(mutex_);
              while (!stop_) {
                  wake_.wait_for(lock, std::chrono::milliseconds(250));
                  if (armed_ &&
                      std::chrono::steady_clock::now() - since_ > std::chrono::seconds(kHangTimeout)) {
                      std::fprintf(stderr, "FAIL! an action has not ended after %d s\n%s\n", kHangTimeout,
                                   what_.constData());
                      std::fflush(stderr);
                      std::abort();
                  }
              }
          })
    {
    }
    ~HangWatch()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    HangWatch(const HangWatch &) = delete;
    HangWatch &operator=(const HangWatch &) = delete;

    void begin(const QString &what)
    {
        std::lock_guard lock(mutex_);
        what_ = what.toUtf8();
        since_ = std::chrono::steady_clock::now();
        armed_ = true;
    }
    void end()
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool armed_ = false;
    QByteArray what_;
    std::chrono::steady_clock::time_point since_;
    std::thread thread_; // last: starts once the members above exist
};

// What the checks compare: the texts of a window's fields and labels.
struct Snapshot {
    QStringList fields;
    QStringList labels;
};

// Whether the event loop runs a zero-timer posted now within the timeout.
bool EventLoopAnswers(int timeoutMs)
{
    bool fired = false;
    QTimer::singleShot(0, qApp, [&fired] { fired = true; });
    return QTest::qWaitFor([&fired] { return fired; }, timeoutMs);
}

// How one window was used, for the summary line.
struct Tally {
    int typed = 0, clicks = 0, results = 0, conversions = 0, divisions = 0, invalid = 0, overflows = 0,
        warnings = 0;
    qint64 slowestAnswerMs = 0;
};

// One window used at random: the next action, doing it, and what must hold
// after it.
class WindowUser {
public:
    WindowUser(TCalcForm *form, const QStringList &results, std::uint64_t seed)
        : form_(form), fields_(Fields(form)), buttons_(PushButtons(form)), choices_(ChoiceButtons(form)),
          labels_(TextLabels(form)), results_(results), rng_(Seed(seed, form->objectName())), texts_(rng_)
    {
        const QString prefix = form->objectName() + QLatin1Char('.');
        for (const QString &named : kVerdictLabels)
            if (named.startsWith(prefix))
                verdicts_ << named.mid(prefix.size());
        for (const QString &named : kClickableLabels)
            if (named.startsWith(prefix))
                clickable_ << named.mid(prefix.size());
        windows_ << Form1;
        for (TCalcForm *w : Calculators())
            windows_ << w;
    }

    Action next()
    {
        // Spells of careful and careless typing, a hundred actions long on
        // average.
        if (Chance(rng_, 1))
            texts_.setCareful(!texts_.careful());
        const std::size_t kind = Below(rng_, 100);
        if (kind < 46)
            return {Action::Type, Pick(rng_, fields_), texts_.next()};
        if (kind < 54 && !choices_.isEmpty())
            return {Action::Choose, Pick(rng_, choices_), {}};
        if (kind < 59) {
            const bool handler = !clickable_.isEmpty() && Chance(rng_, 50);
            return {Action::ClickLabel, handler ? Pick(rng_, clickable_) : Pick(rng_, labels_), {}};
        }
        if (kind < 60)
            return {Action::Separator, {}, DecimalSeparator() == QLatin1Char('.') ? "," : "."};
        return {Action::Press, Pick(rng_, buttons_), {}};
    }

    void perform(const Action &a)
    {
        switch (a.kind) {
        case Action::Type:
            Type(form_, a.control, a.text);
            ++tally_.typed;
            break;
        case Action::Separator:
            SetDecimalSeparator(a.text.front());
            break;
        default:
            Click(form_, a.control);
            ++tally_.clicks;
            break;
        }
    }

    Snapshot snapshot() const
    {
        Snapshot s;
        for (const QString &name : fields_)
            s.fields << form_->findChild<QLineEdit *>(name)->text();
        s.labels = Texts(form_, labels_);
        return s;
    }

    // What went wrong in an action, given the window before and after it,
    // the boxes it showed and the modal windows that bypassed the seam.
    QStringList faults(const Action &a, const Snapshot &before, const Snapshot &after,
                       const QStringList &boxes, const QStringList &stray)
    {
        QStringList faults;
        const bool click =
            a.kind == Action::Choose || a.kind == Action::Press || a.kind == Action::ClickLabel;

        for (const QString &title : stray)
            faults << QStringLiteral("a modal window bypassed the message seam: %1").arg(Quoted(title));
        if (QWidget *modal = QApplication::activeModalWidget())
            faults << QStringLiteral("left modal: %1").arg(modal->objectName());
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !windows_.contains(w))
                faults << QStringLiteral("a window was left open: %1 %2")
                              .arg(QString::fromLatin1(w->metaObject()->className()),
                                   Quoted(w->windowTitle()));
        }

        int errors = 0;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QString &box = boxes[i];
            if (!click) {
                faults << QStringLiteral("a box without a click: %1").arg(Quoted(box));
                continue;
            }
            if (box.startsWith(QLatin1String("warning: "))) {
                ++tally_.warnings;
                if (box == QLatin1String("warning: "))
                    faults << QStringLiteral("an empty warning box");
                continue;
            }
            ++errors;
            // An error ends its handler: nothing is shown after it.
            if (i != boxes.size() - 1)
                faults << QStringLiteral("a box after the error box: %1").arg(Quoted(boxes[i + 1]));
            if (box == kDivZero)
                ++tally_.divisions;
            else if (box == kInvalid)
                ++tally_.invalid;
            else if (box == kOverflow)
                ++tally_.overflows;
            else if (std::any_of(after.fields.begin(), after.fields.end(),
                                 [&box](const QString &t) { return box == NotANumber(t); }))
                ++tally_.conversions;
            else
                faults << QStringLiteral("an error box that is none of the four: %1").arg(Quoted(box));
        }
        if (errors > 1)
            faults << QStringLiteral("%1 error boxes for one click").arg(errors);

        const QChar sep = DecimalSeparator();
        bool wrote = false;
        for (qsizetype i = 0; i < labels_.size(); ++i) {
            const QString &name = labels_[i], &text = after.labels[i];
            if (text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
                text.contains(QLatin1String("inf"), Qt::CaseInsensitive))
                faults << QStringLiteral("%1 shows %2").arg(name, Quoted(text));
            if (text == before.labels[i])
                continue;
            const QString change = QStringLiteral("%1 -> %2").arg(Quoted(before.labels[i]), Quoted(text));
            if (!click)
                faults << QStringLiteral("%1 changed without a click: %2").arg(name, change);
            if (verdicts_.contains(name))
                continue;
            if (!results_.contains(name))
                faults << QStringLiteral("caption %1 changed: %2").arg(name, change);
            else if (!IsGeneralFormat(text, sep))
                faults << QStringLiteral("%1 shows %2, not a number").arg(name, Quoted(text));
            else
                wrote = true;
        }
        if (wrote && errors == 0)
            ++tally_.results;

        for (qsizetype i = 0; i < fields_.size(); ++i) {
            if (after.fields[i] != before.fields[i] && !(a.kind == Action::Type && fields_[i] == a.control))
                faults << QStringLiteral("field %1 changed: %2 -> %3")
                              .arg(fields_[i], Quoted(before.fields[i]), Quoted(after.fields[i]));
        }
        return faults;
    }

    // The fields' texts, for a failure message.
    QString fieldTexts(const Snapshot &s) const
    {
        QStringList texts;
        for (qsizetype i = 0; i < fields_.size(); ++i)
            texts << fields_[i] + QLatin1Char('=') + Quoted(s.fields[i]);
        return texts.join(QStringLiteral(", "));
    }

    Tally &tally() { return tally_; }

private:
    // Each window has a generator of its own, so that one window's run
    // replays alone.
    static Rng Seed(std::uint64_t seed, const QString &window)
    {
        std::seed_seq seq{std::uint32_t(seed), std::uint32_t(seed >> 32),
                          std::uint32_t(window.mid(4).toUInt())};
        return Rng(seq);
    }

    TCalcForm *form_;
    const QStringList fields_, buttons_, choices_, labels_, results_;
    QStringList verdicts_, clickable_;
    QList<QWidget *> windows_; // those that may be open
    Rng rng_;
    TextGenerator texts_;
    Tally tally_;
};

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

    std::uint64_t seed_ = kDefaultSeed;
    int steps_ = kDefaultSteps;
    // Window name -> its result labels, taken before any handler ran.
    std::map<QString, QStringList> results_;

private slots:
    void initTestCase()
    {
        bool ok = true;
        if (qEnvironmentVariableIsSet("VELORIX_RANDOM_SEED"))
            seed_ = qgetenv("VELORIX_RANDOM_SEED").trimmed().toULongLong(&ok, 0);
        QVERIFY2(ok, "VELORIX_RANDOM_SEED is not a number");
        if (qEnvironmentVariableIsSet("VELORIX_RANDOM_STEPS"))
            steps_ = qgetenv("VELORIX_RANDOM_STEPS").trimmed().toInt(&ok, 0);
        QVERIFY2(ok && steps_ > 0, "VELORIX_RANDOM_STEPS is not a positive number");
        qInfo("seed %llu, %d actions", static_cast<unsigned long long>(seed_), steps_);

        for (TCalcForm *form : Calculators()) {
            const QString name = form->objectName();
            results_[name] = EmptyLabels(form);
            QVERIFY2(!Fields(form).isEmpty() && !PushButtons(form).isEmpty() && !results_[name].isEmpty(),
                     qPrintable(name + " has no fields, buttons or result labels"));
            for (const QString &label : TextLabels(form)) {
                const QString text = Text(form, label);
                QVERIFY2(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                             !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                         qPrintable(name + "." + label + " reads " + text));
            }
        }
        for (const QString &named : kVerdictLabels + kClickableLabels) {
            const QStringList parts = named.split(QLatin1Char('.'));
            QVERIFY2(Calculator(parts[0]) && Calculator(parts[0])->findChild<QLabel *>(parts[1]),
                     qPrintable("no " + named));
        }
    }

    // The format check that every result passes must tell numbers from what
    // only looks like them.
    void generalFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("number");
        const auto rows = [](const char *sep, bool number, std::initializer_list<const char *> texts) {
            for (const char *t : texts)
                QTest::newRow(qPrintable(QString::fromLatin1(sep) + QLatin1Char(' ') + QString::fromUtf8(t)))
                    << QString::fromUtf8(t) << QString::fromLatin1(sep) << number;
        };
        // clang-format off
        rows(".", true, {"0", "0.1", "100", "-2.5", "0.333333333333333", "123456.789012346", "0.0001",
                         "-0.00012", "1E-5", "999999999999999", "1E15", "1.23456789012346E18",
                         "1.79769313486232E308", "4.94065645841247E-324", "1.18973149535723E4932",
                         "3.64519953188247E-4951", "100000000000001", "10"});
        rows(",", true, {"1,5", "0,0001", "-1,5E-7"});
        rows(".", false, {"", "-0", "-", "+1", "nan", "inf", "-inf", "1.5.", "1.", ".5", "0.10", "01", "00.1",
                          "0.00001", "1000000000000000", "0.1234567890123456", "1234567890.123456", "1E14",
                          "1E-4", "1E+15", "1E015", "1e15", "10E15", "1.0E15", "0E15", "1.E15", "1E", "1E4933",
                          "1E-4952", "1 ", " 1", "1,5", "1.2345678901234567E20", "-", "--1"});
        rows(",", false, {"1.5", "0.0001", "1,5,"});
        // clang-format on
    }

    void generalFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(bool, number);
        QCOMPARE(IsGeneralFormat(text, separator.front()), number);
    }

    void randomUse_data()
    {
        QTest::addColumn<QString>("window");
        for (TCalcForm *form : Calculators())
            QTest::newRow(qPrintable(form->objectName())) << form->objectName();
    }

    void randomUse()
    {
        QFETCH(QString, window);
        TCalcForm *form = Calculator(window);
        QVERIFY(form);
        auto boxes = StartWindowTest(form);
        WindowUser user(form, results_[window], seed_);
        HangWatch watch;
        std::deque<QString> history;
        const int steps = (steps_ + int(Calculators().size()) - 1) / int(Calculators().size());
        const QString replay =
            QStringLiteral("replay: QT_QPA_PLATFORM=offscreen VELORIX_RANDOM_SEED=%1 "
                           "VELORIX_RANDOM_STEPS=%2 build/tests/tst_random_use randomUse:%3")
                .arg(seed_)
                .arg(steps_)
                .arg(window);

        for (int step = 1; step <= steps; ++step) {
            const Action a = user.next();
            const QString where = QStringLiteral("seed %1, %2, step %3 of %4: %5 (separator %6)")
                                      .arg(seed_)
                                      .arg(window)
                                      .arg(step)
                                      .arg(steps)
                                      .arg(a.describe(), Quoted(DecimalSeparator()));
            watch.begin(where + QLatin1Char('\n') + replay);
            const Snapshot before = user.snapshot();
            user.perform(a);
            QElapsedTimer answer;
            answer.start();
            const bool answered = EventLoopAnswers(kAnswerTimeout);
            user.tally().slowestAnswerMs = std::max(user.tally().slowestAnswerMs, answer.elapsed());
            watch.end();

            const Snapshot after = user.snapshot();
            const QStringList shown = boxes->take();
            QStringList faults = user.faults(a, before, after, shown, boxes->takeUnexpected());
            if (!answered)
                faults << QStringLiteral("the event loop did not run a zero-timer within %1 ms")
                              .arg(kAnswerTimeout);
            if (!faults.isEmpty()) {
                QStringList report{where, replay, QStringLiteral("faults:")};
                report << faults << QStringLiteral("fields: ") + user.fieldTexts(after)
                       << QStringLiteral("boxes: ") + shown.join(QStringLiteral(" | "))
                       << QStringLiteral("the actions before:");
                report.append(QStringList(history.begin(), history.end()));
                QFAIL(qPrintable(report.join(QStringLiteral("\n  "))));
            }
            history.push_back(QStringLiteral("%1: %2").arg(step).arg(a.describe()));
            if (history.size() > kHistory)
                history.pop_front();
        }

        const Tally &t = user.tally();
        qInfo("%s: %d typed, %d clicks; %d wrote results without an error; error boxes: %d conversion, %d "
              "division by zero, %d invalid, %d overflow; %d warnings; slowest answer %lld ms",
              qPrintable(window), t.typed, t.clicks, t.results, t.conversions, t.divisions, t.invalid,
              t.overflows, t.warnings, static_cast<long long>(t.slowestAnswerMs));
        // A run long enough must have reached both results and errors, or the
        // texts do not exercise the window.
        if (steps >= 500) {
            QVERIFY2(t.results > 0, "no click showed a result");
            QVERIFY2(t.conversions > 0, "no click met a text that is not a number");
        }
    }
};

VELORIX_SHELL_TEST_MAIN(TestRandomUse)
#include "tst_random_use.moc"
