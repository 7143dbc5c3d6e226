#include "Unit11.h"

#include "Characteristics.h"
#include "Circuits.h"
#include "CopyResults.h"
#include "GraphMarks.h"
#include "Selectivity.h"

#include <QScopeGuard>

#include <tuple>

TForm11 *Form11 = nullptr;

using namespace velorix;

TForm11::TForm11(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm11::Button1Click);
    ConnectClick(Button2, this, &TForm11::Button2Click);
    ConnectClick(Button3, this, &TForm11::Button3Click);
    ConnectClick(Button4, this, &TForm11::Button4Click);
    ConnectClick(Button5, this, &TForm11::Button5Click);
    ConnectClick(Label43, this, &TForm11::Label43Click);
    marks_ = new GraphMarks(Image2);
    AddResultLines(this, [this] { return marks_->resultLines(); });
}

// Step 1: is a lumped-selectivity filter worth using?  It is when the
// relative pass band, П / (2 sqrt(2) f0), is at least the circuits' own
// damping.
void TForm11::Button1Click()
{
    // When the step ends, whether it succeeded or failed.
    const auto readings = qScopeGuard([this] { UpdateReadings(); });
    f0_ = ReadNumber(Edit1); // kHz
    P_ = ReadNumber(Edit2);  // kHz
    d_ = ReadNumber(Edit5);
    ShowText(Label7, FilterWorthUsing(f0_, P_, d_) ? tr("Применение ФСС целесообразно.")
                                                   : tr("Применение ФСС нецелесообразно!"));
}

// Step 2: generalised damping and relative adjacent-channel detuning, from
// the values of step 1.
void TForm11::Button2Click()
{
    // When the step ends, whether it succeeded or failed.
    const auto readings = qScopeGuard([this] { UpdateReadings(); });
    step2_.reset();
    const Ext beta = GeneralisedDamping(f0_, d_, P_); // generalised damping β
    ShowNumber(Label13, beta);
    const Ext df = ReadNumber(Edit4);           // adjacent-channel detuning Δf, kHz
    const Ext alpha = RelativeDetuning(df, P_); // relative detuning α
    ShowNumber(Label17, alpha);
    step2_ = Step2{f0_, P_, d_, beta, df, alpha};
}

// Step 3: sections needed for the adjacent-channel selectivity S, dB, when
// one section gives σ1, dB (read off graph а).
void TForm11::Button3Click()
{
    // When the step ends, whether it succeeded or failed.
    const auto readings = qScopeGuard([this] { UpdateReadings(); });
    step3_.reset();
    const Ext sigma1 = ReadNumber(Edit11); // σ1, dB
    const Ext S = ReadNumber(Edit3);       // dB
    const std::int32_t n = SectionCount(S, sigma1);
    ShowNumber(Label23, Ext(n));
    step3_ = Step3{n, S, step2_};
}

// Step 4: tap ratios of the end circuits that match the source resistance
// Rг and the load resistance Rн to the characteristic impedance ρ.
void TForm11::Button4Click()
{
    rho_ = ReadNumber(Edit6);         // kOhm
    const Ext Rg = ReadNumber(Edit7); // Rг, Ohm
    const Ext Rn = ReadNumber(Edit8); // Rн, Ohm
    const TapRatios r = TapRatiosOf(rho_, Rg, Rn);
    // Each ratio is remembered only once it has been computed.
    if (r.m1)
        m1_ = *r.m1;
    if (r.m2)
        m2_ = *r.m2;
    ShowNumber(Label25, r.m1);
    ShowNumber(Label27, r.m2);
    r.RaiseError();
}

// Step 6: element values, pF and uH, from the values of steps 1 and 4 and
// the source and load capacitances.
void TForm11::Button5Click()
{
    const Ext Ci = ReadNumber(Edit9);  // source capacitance Cи, pF
    const Ext Cn = ReadNumber(Edit10); // load capacitance Cн, pF
    const FilterElements r = FilterElementsOf(f0_, P_, rho_, m1_, m2_, Ci, Cn);
    ShowNumber(Label31, r.C1);
    ShowNumber(Label34, r.C2);
    ShowNumber(Label36, r.C3);
    ShowNumber(Label38, r.C4);
    ShowNumber(Label40, r.L1);
    ShowNumber(Label42, r.L2);
    r.RaiseError();
}

void TForm11::UpdateReadings()
{
    const bool current = step2_ && step2_->f0 == f0_ && step2_->P == P_ && step2_->d == d_;
    const double beta = current ? static_cast<double>(step2_->beta.value()) : 0;
    marks_->setAttenuation(current ? std::optional(static_cast<double>(step2_->alpha.value())) : std::nullopt,
                           beta);
    const bool designed = current && step3_ && step3_->basis == step2_;
    marks_->setTransfer(designed && step3_->n >= 1 ? std::optional(step3_->n) : std::nullopt, beta);
    if (designed && shown_ != std::pair(*step2_, *step3_)) {
        shown_ = std::pair(*step2_, *step3_);
        UpdateCharacteristic(this, [s2 = *step2_, s3 = *step3_] {
            return FilterAttenuationCurve(s2.P, s2.beta, s2.df, s3.n, s3.S);
        });
    }
    if (!shown_)
        return;
    // What the characteristic's design no longer shares with the window.
    const auto &[s2, s3] = *shown_;
    QStringList changed;
    for (const auto &[name, now, then] :
         {std::tuple{"f0", f0_, s2.f0}, {QT_TR_NOOP("П"), P_, s2.P}, {"d", d_, s2.d}}) {
        if (!(now == then))
            changed << tr(name);
    }
    QString reason;
    if (!changed.isEmpty())
        reason = tr("с её расчёта шаг 1 изменил значения ") + changed.join(QStringLiteral(", "));
    else if (step2_ != s2)
        reason = step2_ ? tr("с её расчёта шаг 2 дал другие значения") : tr("шаг 2 с её расчёта не выполнен");
    else if (step3_ != s3)
        reason = step3_ ? tr("с её расчёта шаг 3 дал другие значения") : tr("шаг 3 с её расчёта не выполнен");
    CharacteristicOutOfDate(this, reason);
}

void TForm11::Label43Click()
{
    ShowWarning(tr("Литература: коллектив авторов, справочник по расчёту ВЧ транзисторных каскадов "
                   "радиоприёмников, Москва, издательство \"Энергия\", 1975 г., с. 87."));
}
