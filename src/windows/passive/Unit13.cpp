#include "Unit13.h"

#include "Characteristics.h"
#include "Circuits.h"
#include "Passive.h"
#include "Reactance.h"

#include <QScopeGuard>

#include <tuple>

TForm13 *Form13 = nullptr;

using namespace velorix;

TForm13::TForm13(QWidget *parent) : TCalcForm(parent)
{
    setupUi(this);
    FinishDesign(this);
    ConnectClick(Button1, this, &TForm13::Button1Click);
    ConnectClick(Button2, this, &TForm13::Button2Click);
    ConnectClick(Button3, this, &TForm13::Button3Click);
}

// Characteristic impedance rho = 2 pi f0 L.
void TForm13::Button1Click()
{
    const auto follow = qScopeGuard([this] { FollowChain(); });
    const Ext f0 = ReadNumber(Edit1); // kHz
    f0_ = f0;
    const Ext L = ReadNumber(Edit2); // uH

    const Ext rho = InductorReactance(L, f0); // Ohm
    rho_ = rho;
    ShowNumber(Label6, rho);
}

// Resistance at resonance Rp = Q rho and pass band f0 / Q, from the f0 and
// rho of the last characteristic-impedance step.
void TForm13::Button2Click()
{
    const auto follow = qScopeGuard([this] { FollowChain(); });
    const Ext f0 = f0_, rho = rho_;

    const Ext Q = ReadNumber(Edit3);
    Q_ = Q;

    const LcCircuit r = LcCircuitOf(f0, rho, Q);
    if (r.Rp)
        Rp_ = *r.Rp;
    ShowNumber(Label9, r.Rp); // Ohm
    ShowNumber(Label14, r.P); // kHz
    r.RaiseError();

    const Ext Rp = Rp_;
    drawn_ = Chain{f0, rho, Q, Rp};
    UpdateCharacteristic(this, [f0, Q, Rp] { return ResonanceCurve(f0, Q, Rp, std::nullopt); });
}

// Impedance at the signal frequency, Z = Rp / sqrt(1 + (Q y)^2), from the
// f0, Q and Rp of the earlier steps.
void TForm13::Button3Click()
{
    const auto follow = qScopeGuard([this] { FollowChain(); });
    const Ext f0 = f0_, Q = Q_, Rp = Rp_;

    const Ext fc = ReadNumber(Edit4); // kHz

    const Ext Z = ResonanceImpedance(f0, Q, Rp, fc); // Ohm
    ShowNumber(Label12, Z);

    if (drawn_ == Chain{f0_, rho_, Q, Rp})
        UpdateCharacteristic(this, [f0, Q, Rp, fc] { return ResonanceCurve(f0, Q, Rp, fc); });
}

void TForm13::FollowChain()
{
    if (!drawn_)
        return;
    QStringList changed;
    for (const auto &[name, now, then] : {std::tuple{"f0", f0_, drawn_->f0},
                                          {"ρ", rho_, drawn_->rho},
                                          {"Q", Q_, drawn_->Q},
                                          {"Rp", Rp_, drawn_->Rp}}) {
        if (!(now == then))
            changed << QString::fromUtf8(name);
    }
    CharacteristicOutOfDate(this, changed.isEmpty() ? QString()
                                                    : tr("с её расчёта изменились значения ") +
                                                          changed.join(QStringLiteral(", ")));
}
