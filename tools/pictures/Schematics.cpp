// One function per schematic: the symbols placed and the wires between them.
// Coordinates are pixels from the picture's top-left corner.
#include "Pictures.h"

namespace pictures {

namespace {

using P = QPointF;

// Small-signal T equivalent circuit of a transistor: rб from the base to the
// inner node; towards К the current generator, rк and Ск; towards Э rэ and Сэ.
void EquivalentCircuit(Sheet &s)
{
    const double top = 50, mid = 150, bottom = 245;
    s.terminal(P(18, mid));
    s.text(P(18, mid - 9), s.say("Б", "B"), Qt::AlignHCenter | Qt::AlignBottom);
    s.resistor(P(21, mid), P(95, mid), s.say("r_б", "r_b"));
    s.wire({P(95, mid), P(175, mid)});
    s.node(P(95, mid));
    s.node(P(135, mid));

    s.currentSource(P(95, mid), P(95, top));
    s.resistor(P(135, mid), P(135, top), s.say("r_к", "r_c"));
    s.capacitor(P(175, mid), P(175, top), s.say("С_к", "C_c"));
    s.wire({P(95, top), P(175, top)});
    s.wire({P(135, top), P(135, 21)});
    s.node(P(135, top));
    s.terminal(P(135, 18));
    s.text(P(144, 18), s.say("К", "C"));

    s.resistor(P(115, mid), P(115, bottom), s.say("r_э", "r_e"));
    s.capacitor(P(160, mid), P(160, bottom), s.say(s.say("С_э", "C_e"), "C_e"));
    s.wire({P(115, bottom), P(160, bottom)});
    s.wire({P(137, bottom), P(137, 259)});
    s.node(P(115, mid));
    s.node(P(160, mid));
    s.node(P(137, bottom));
    s.terminal(P(137, 262));
    s.text(P(146, 262), s.say("Э", "E"));
}

// R and C in series across the input terminals.
void SeriesRC(Sheet &s)
{
    const double top = 24, bottom = 96, right = 130;
    s.terminal(P(16, top));
    s.terminal(P(16, bottom));
    s.text(P(16, (top + bottom) / 2 - 3), "~", Qt::AlignHCenter | Qt::AlignBottom, 20);
    s.text(P(16, (top + bottom) / 2 + 3), s.say("U", "V"), Qt::AlignHCenter | Qt::AlignTop);
    s.resistor(P(19, top), P(right, top), "R");
    s.capacitor(P(right, top), P(right, bottom), "C");
    s.wire({P(19, bottom), P(right, bottom)});
}

// R and C in parallel between two terminals.
void ParallelRC(Sheet &s)
{
    const double mid = 73, top = 36, bottom = 110, left = 80, right = 200;
    s.terminal(P(20, mid));
    s.terminal(P(259, mid));
    s.wire({P(23, mid), P(left, mid)});
    s.wire({P(right, mid), P(256, mid)});
    s.wire({P(left, top), P(left, bottom)});
    s.wire({P(right, top), P(right, bottom)});
    s.node(P(left, mid));
    s.node(P(right, mid));
    s.resistor(P(left, top), P(right, top), "R");
    s.capacitor(P(left, bottom), P(right, bottom), Tag("C", Side::Below));
}

// Common-emitter stage with a single supply: divider R1, R2 on the base,
// Rк to the rail Ек, Rэ to ground.
void BiasOneSupply(Sheet &s)
{
    s.painter().translate(10, 0);
    const double rail = 30, ground = 236, divider = 42, base = 140;
    const Transistor t = s.npn(P(86, base));
    const double leg = t.collector.x();
    s.terminal(P(18, rail));
    s.text(P(18, rail - 8), s.say("Е_к", "V_cc"), Qt::AlignHCenter | Qt::AlignBottom);
    s.wire({P(21, rail), P(leg, rail)});
    s.node(P(divider, rail));
    s.resistor(P(divider, rail), P(divider, base), Tag("R1", Side::Left));
    s.resistor(P(divider, base), P(divider, ground), Tag("R2", Side::Left));
    s.wire({P(divider, base), t.base});
    s.node(P(divider, base));
    s.resistor(P(leg, rail), t.collector, s.say("R_к", "R_c"));
    s.resistor(t.emitter, P(leg, ground), s.say("R_э", "R_e"));
    s.wire({P(divider, ground), P(leg, ground)});
    s.node(P((divider + leg) / 2, ground));
    s.ground(P((divider + leg) / 2, ground));
}

// Stage fed from two batteries in series, their junction grounded: the base
// grounded, Rк to +Ек, Rэ to −Ес.
void BiasTwoSupplies(Sheet &s)
{
    const double rail = 30, bottom = 240, mid = 134, battery = 180;
    const Transistor t = s.npn(P(100, mid));
    const double leg = t.collector.x();
    s.wire({t.base, P(50, mid)});
    s.ground(P(50, mid));
    s.resistor(t.collector, P(leg, rail), s.say("R_к", "R_c"));
    s.resistor(t.emitter, P(leg, bottom), s.say("R_э", "R_e"));
    s.wire({P(leg, rail), P(battery, rail)});
    s.wire({P(leg, bottom), P(battery, bottom)});
    s.battery(P(battery, rail), P(battery, mid), s.say("Е_к", "V_cc"));
    s.battery(P(battery, mid), P(battery, bottom), s.say("Е_с", "V_ee"));
    s.node(P(battery, mid));
    s.wire({P(battery, mid), P(battery + 28, mid)});
    s.ground(P(battery + 28, mid));
}

// Untuned common-emitter stage: base divider, Rк, Rэ bypassed by Сэ.
void UntunedStage(Sheet &s)
{
    const double rail = 32, ground = 252, divider = 62, base = 146, bypass = 190;
    const Transistor t = s.npn(P(118, base));
    const double leg = t.collector.x();
    const double emitter = t.emitter.y() + 24;
    s.terminal(P(18, rail));
    s.text(P(18, rail - 8), s.say("+Е_к", "+V_cc"), Qt::AlignHCenter | Qt::AlignBottom);
    s.wire({P(21, rail), P(leg, rail)});
    s.wire({P(18, ground), P(bypass, ground)});
    s.ground(P(18, ground));
    s.node(P(divider, rail));
    s.node(P(divider, ground));
    s.node(P(leg, ground));
    s.resistor(P(divider, rail), P(divider, base), Tag("R1", Side::Left));
    s.resistor(P(divider, base), P(divider, ground), Tag("R2", Side::Left));
    s.wire({P(divider, base), t.base});
    s.node(P(divider, base));
    s.resistor(P(leg, rail), t.collector, s.say("R_к", "R_c"));
    s.wire({t.emitter, P(leg, emitter), P(bypass, emitter)});
    s.node(P(leg, emitter));
    s.resistor(P(leg, emitter), P(leg, ground), s.say("R_э", "R_e"));
    s.capacitor(P(bypass, emitter), P(bypass, ground), s.say("С_э", "C_e"));
}

// Tuned stage: the input arrives through a coupling coil whose lower end sits
// on the divider and is grounded for signal by Сб; the collector load is an
// LC tank with an output coupling coil; Rэ bypassed by Сэ.
void TunedStage(Sheet &s)
{
    const double rail = 30, ground = 306, divider = 30, coil = 98, base = 172, junction = 252;
    const Transistor t = s.npn(P(160, base));
    const double leg = t.collector.x(), tankC = 128, tankBottom = 118, bypass = 214;
    const double emitter = t.emitter.y() + 24;

    s.terminal(P(12, rail));
    s.text(P(12, rail - 8), s.say("+Е_к", "+V_cc"), Qt::AlignLeft | Qt::AlignBottom);
    s.wire({P(15, rail), P(leg, rail)});
    s.wire({P(divider, ground), P(bypass, ground)});
    s.ground(P(120, ground));
    s.node(P(120, ground));

    // Input: the previous circuit's winding and the coupling coil.
    const double in1 = base + 14, in2 = junction - 14;
    s.inductor(P(coil - 19, in1), P(coil - 19, in2), {}, false, 4);
    s.terminal(P(52, in1));
    s.terminal(P(52, in2));
    s.wire({P(55, in1), P(coil - 19, in1)});
    s.wire({P(55, in2), P(coil - 19, in2)});
    s.inductor(P(coil, base), P(coil, junction), Tag(s.say("L_св", "L_c"), Side::Right), true, 6);
    s.wire({P(coil, base), t.base});
    s.node(P(divider, rail));
    s.resistor(P(divider, rail), P(divider, junction), Tag("R1", Side::Right));
    s.resistor(P(divider, junction), P(divider, ground), Tag("R2", Side::Right));
    s.wire({P(divider, junction), P(coil, junction)});
    s.node(P(divider, junction));
    s.node(P(coil, junction));
    s.capacitor(P(coil, junction), P(coil, ground), s.say("С_б", "C_b"));
    s.node(P(coil, ground));

    // Collector tank and output coupling coil.
    s.node(P(tankC, rail));
    s.capacitor(P(tankC, rail), P(tankC, tankBottom), Tag(s.say("С", "C"), Side::Left));
    s.inductor(P(leg, rail), P(leg, tankBottom), Tag("L", Side::Left), false, 5);
    s.wire({P(tankC, tankBottom), P(leg, tankBottom), t.collector});
    s.node(P(leg, tankBottom));
    const double out = leg + 19;
    s.inductor(P(out, rail + 16), P(out, tankBottom - 16), {}, true, 4);
    s.wire({P(out, rail + 16), P(250, rail + 16)});
    s.wire({P(out, tankBottom - 16), P(250, tankBottom - 16)});
    s.terminal(P(253, rail + 16));
    s.terminal(P(253, tankBottom - 16));

    s.wire({t.emitter, P(leg, emitter), P(bypass, emitter)});
    s.node(P(leg, emitter));
    s.resistor(P(leg, emitter), P(leg, ground), s.say("R_э", "R_e"));
    s.capacitor(P(bypass, emitter), P(bypass, ground), s.say("С_э", "C_e"));
    s.node(P(leg, ground));
}

// Source Zг across the primary of a transformer, load Zн on the secondary.
void Transformer(Sheet &s)
{
    const double top = 34, bottom = 118, source = 36, primary = 100, secondary = 138, load = 196;
    s.source(P(source, top), P(source, bottom), Tag(s.say("Z_г", "Z_s"), Side::Left));
    s.text(P(source + 9, top + 16), "+", Qt::AlignLeft | Qt::AlignBottom);
    s.wire({P(source, top), P(primary, top)});
    s.wire({P(source, bottom), P(primary, bottom)});
    s.inductor(P(primary, top), P(primary, bottom), {}, false, 6);
    s.core(P((primary + secondary) / 2, top + 12), P((primary + secondary) / 2, bottom - 12));
    s.inductor(P(secondary, top), P(secondary, bottom), {}, true, 6);
    s.wire({P(secondary, top), P(load, top)});
    s.wire({P(secondary, bottom), P(load, bottom)});
    s.resistor(P(load, top), P(load, bottom), s.say("Z_н", "Z_{L}"));
}

// Lumped-selectivity filter: the source Rг on a tap of L2 of the input
// circuit L2‖C3, coupling capacitors C1 along the top, two middle circuits
// L1‖C2, the output circuit C4‖L2 with a tap to Rн.
void LumpedFilter(Sheet &s)
{
    const double top = 40, bottom = 176, source = 22;
    const QPointF tapIn = s.inductor(P(100, top), P(100, bottom), Tag("L2", Side::Right), true, 8, 0.62);
    s.source(P(source, bottom), P(source, tapIn.y()));
    s.resistor(P(source, tapIn.y()), tapIn, s.say("R_г", "R_s"));
    s.capacitor(P(140, top), P(140, bottom), "C3");
    s.wire({P(100, top), P(140, top)});

    // Each middle circuit: a coupling C1, then L1 at x and C2 at x + 37.
    double left = 140;
    for (double x : {215.0, 322.0}) {
        s.capacitor(P(left, top), P(x, top), "C1");
        s.inductor(P(x, top), P(x, bottom), Tag("L1", Side::Right), true, 8);
        s.capacitor(P(x + 37, top), P(x + 37, bottom), "C2");
        s.wire({P(x, top), P(x + 37, top)});
        s.node(P(x, top));
        s.node(P(x, bottom));
        s.node(P(x + 37, top));
        s.node(P(x + 37, bottom));
        left = x + 37;
    }
    const double c4 = 430, l2 = 468;
    s.capacitor(P(left, top), P(c4, top), "C1");
    s.capacitor(P(c4, top), P(c4, bottom), Tag("C4", Side::Left));
    s.wire({P(c4, top), P(l2, top)});
    const QPointF tapOut = s.inductor(P(l2, top), P(l2, bottom), Tag("L2", Side::Left), false, 8, 0.62);
    s.wire({tapOut, P(498, tapOut.y())});
    s.resistor(P(498, tapOut.y()), P(498, bottom), s.say("R_н", "R_{L}"));

    s.wire({P(source, bottom), P(498, bottom)});
    for (double x : {100.0, 140.0, c4, l2})
        s.node(P(x, bottom));
    s.node(P(140, top));
    s.node(P(c4, top));
    s.node(P(60, bottom));
    s.ground(P(60, bottom));
}

// The filter's last LC circuit, Ссв, Rф, the piezoelectric filter, Rф, Ссв
// and the output circuit with its coupling winding.
void PiezoFilterStage(Sheet &s)
{
    const double top = 50, bottom = 172, crystal = 236;
    s.terminal(P(12, top));
    s.capacitor(P(15, top), P(62, top));
    s.inductor(P(62, top), P(62, bottom), Tag(s.say("ФСС", "filter"), Side::Left), false, 7);
    s.capacitor(P(100, top), P(100, bottom), s.say("C_к", "C_t"));
    s.wire({P(62, top), P(100, top)});
    s.node(P(62, top));
    s.node(P(100, top));
    s.capacitor(P(100, top), P(164, top), s.say("С_св", "C_c"));

    const Crystal q = s.crystal(P(crystal, 92));
    const double left = 164, right = 308;
    s.wire({P(left, top), P(q.input.x(), top), q.input});
    s.wire({q.output, P(q.output.x(), top), P(right, top)});
    s.wire({q.common, P(crystal, bottom)});
    s.node(P(left, top));
    s.node(P(right, top));
    s.resistor(P(left, top), P(left, bottom), s.say("R_ф", "R_f"));
    s.resistor(P(right, top), P(right, bottom), s.say("R_ф", "R_f"));

    s.capacitor(P(right, top), P(372, top), s.say("С_св", "C_c"));
    s.node(P(372, top));
    s.capacitor(P(372, top), P(372, bottom));
    s.wire({P(372, top), P(406, top)});
    s.inductor(P(406, top), P(406, bottom), {}, false, 7);
    const double out = 425, a = top + 22, b = bottom - 22;
    s.inductor(P(out, a), P(out, b), {}, true, 6);
    s.arrow(P(out, a), P(462, a));
    s.arrow(P(out, b), P(462, b));

    s.wire({P(62, bottom), P(406, bottom)});
    for (double x : {100.0, left, crystal, right, 372.0})
        s.node(P(x, bottom));
    s.node(P(200, bottom));
    s.ground(P(200, bottom));
}

// Generator across C1 and C2 in series, Rн across C2.
void CapacitiveDivider(Sheet &s)
{
    const double top = 30, mid = 108, bottom = 186, generator = 40, divider = 112, load = 172;
    s.source(P(generator, top), P(generator, bottom));
    s.wire({P(generator, top), P(divider, top)});
    s.wire({P(generator, bottom), P(load, bottom)});
    s.capacitor(P(divider, top), P(divider, mid), Tag("C1", Side::Left));
    s.capacitor(P(divider, mid), P(divider, bottom), Tag("C2", Side::Left));
    s.wire({P(divider, mid), P(load, mid)});
    s.node(P(divider, mid));
    s.node(P(divider, bottom));
    s.resistor(P(load, mid), P(load, bottom), s.say("R_н", "R_{L}"));
}

// Common-emitter stage as seen by the signal: Rк to Eк, Rэ bypassed, the
// load Rн through a coupling capacitor, and Rвх measured at the base.
void StageAnalysis(Sheet &s)
{
    const double rail = 26, ground = 236, base = 138;
    const Transistor t = s.npn(P(100, base));
    const double leg = t.collector.x(), emitter = t.emitter.y() + 22, bypass = 146;
    s.terminal(P(60, rail));
    s.text(P(54, rail), s.say("E_к", "V_cc"), Qt::AlignRight | Qt::AlignVCenter);
    s.wire({P(63, rail), P(leg, rail)});
    s.resistor(P(leg, rail), t.collector, s.say("R_к", "R_c"));
    const double collector = t.collector.y() - 16;
    s.node(P(leg, collector));
    s.capacitor(P(leg, collector), P(170, collector));
    s.resistor(P(170, collector), P(170, ground), s.say("R_н", "R_{L}"));

    s.wire({t.emitter, P(leg, emitter), P(bypass, emitter)});
    s.node(P(leg, emitter));
    s.resistor(P(leg, emitter), P(leg, ground), Tag(s.say(s.say("R_э", "R_e"), "R_e"), Side::Left));
    s.capacitor(P(bypass, emitter), P(bypass, ground));

    const double probe = 44;
    s.wire({t.base, P(probe, base)});
    s.node(P(probe, base));
    s.arrow(P(probe, base + 4), P(probe, ground - 4), true);
    s.text(P(probe - 5, (base + ground) / 2), s.say("R_вх", "R_in"), Qt::AlignRight | Qt::AlignVCenter);
    s.wire({P(probe, ground), P(170, ground)});
    s.node(P(probe, ground));
    s.node(P(leg, ground));
    s.node(P(bypass, ground));
    s.node(P(72, ground));
    s.ground(P(72, ground));
}

// A current: a short arrow beside a wire and its name.
void Current(Sheet &s, QPointF from, QPointF to, const char *name, QPointF at, Qt::Alignment align)
{
    s.arrow(from, to);
    s.text(at, name, align, 10);
}

// The two compound-transistor followers with their currents, and the
// figure's caption.
void CompoundFollowers(Sheet &s)
{
    s.painter().translate(0, 12);
    const double rail = 24, common = 252;
    const auto sourceAndBase = [&](double x, double base, QPointF t1Base) {
        s.wire({P(x - 14, rail), P(x - 14, common)});
        s.source(P(x, common), P(x, base + 40), Tag(s.say("E_г", "V_s"), Side::Right));
        s.wire({P(x, base + 40), P(x, base)});
        s.resistor(P(x, base), t1Base, Tag(s.say(s.say("R_г", "R_s"), "R_s"), Side::Below));
        const double mid = (x + t1Base.x()) / 2;
        Current(s, P(mid - 9, base - 12), P(mid + 9, base - 12), s.say("I_г", "I_s"), P(mid, base - 19),
                Qt::AlignHCenter | Qt::AlignBottom);
    };

    // а) emitter-base coupling.
    {
        const Transistor t1 = s.npn(P(82, 112), "T1");
        const Transistor t2 = s.npn(P(136, 168), "T2");
        sourceAndBase(26, 112, t1.base);
        s.wire({P(12, rail), P(t2.collector.x(), rail)});
        s.wire({t1.collector, P(t1.collector.x(), rail)});
        s.wire({t2.collector, P(t2.collector.x(), rail)});
        s.node(P(t1.collector.x(), rail));
        s.wire({t1.emitter, P(t1.emitter.x(), t2.base.y()), t2.base});
        s.resistor(t2.emitter, P(t2.emitter.x(), common), s.say("R_н", "R_{L}"));
        s.wire({P(12, common), P(t2.emitter.x(), common)});
        Current(s, P(94, 44), P(94, 60), s.say("β_1I_г", "β_1I_s"), P(98, 52),
                Qt::AlignLeft | Qt::AlignVCenter);
        Current(s, P(82, 140), P(82, 156), s.say("(1+β_1)I_г", "(1+β_1)I_s"), P(78, 148),
                Qt::AlignRight | Qt::AlignVCenter);
        Current(s, P(148, 44), P(148, 60), s.say("(1+β_1)β_2I_г", "(1+β_1)β_2I_s"), P(152, 52),
                Qt::AlignLeft | Qt::AlignVCenter);
        Current(s, P(136, 188), P(136, 202), s.say("I_н", "I_{L}"), P(132, 195),
                Qt::AlignRight | Qt::AlignVCenter);
        s.text(P(100, 272), s.say("а)", "a)"), Qt::AlignHCenter | Qt::AlignVCenter);
    }
    // б) collector-base coupling: T1's collector current is T2's base current.
    {
        const Transistor t1 = s.npn(P(292, 150), "T1");
        const Transistor t2 = s.transistor(P(352, 84), true, "T2", false, true);
        sourceAndBase(232, 150, t1.base);
        s.wire({P(218, rail), P(t2.emitter.x(), rail), t2.emitter});
        s.wire({t1.collector, P(t1.collector.x(), t2.base.y()), t2.base});
        const QPointF sum(t2.collector.x(), 200);
        s.wire({t2.collector, sum});
        s.wire({t1.emitter, P(t1.emitter.x(), sum.y()), sum});
        s.node(sum);
        s.resistor(sum, P(sum.x(), common), s.say("R_н", "R_{L}"));
        s.wire({P(218, common), P(sum.x(), common)});
        Current(s, P(292, 96), P(292, 112), s.say("β_1I_г", "β_1I_s"), P(288, 104),
                Qt::AlignRight | Qt::AlignVCenter);
        Current(s, P(352, 104), P(352, 120), s.say("β_{1}β_{2}I_г", "β_{1}β_{2}I_s"), P(348, 112),
                Qt::AlignRight | Qt::AlignVCenter);
        Current(s, P(292, 178), P(292, 194), s.say("(1+β_1)I_г", "(1+β_1)I_s"), P(288, 186),
                Qt::AlignRight | Qt::AlignVCenter);
        Current(s, P(344, 206), P(344, 220), s.say("I_н", "I_{L}"), P(340, 213),
                Qt::AlignRight | Qt::AlignVCenter);
        s.text(P(300, 272), s.say("б)", "b)"), Qt::AlignHCenter | Qt::AlignVCenter);
    }
    s.paragraph(QRectF(6, 284, 384, 80),
                QString::fromUtf8(s.say("Рис. 1. Упрощённые схемы повторителей на составных транзисторах "
                                        "(показаны основные пути переменного тока): а — с эмиттерно-базовой "
                                        "связью; б — с коллекторно-базовой связью",
                                        "Fig. 1. Simplified circuits of emitter followers on compound "
                                        "transistors (the main AC paths shown): a — with emitter-base "
                                        "coupling; b — with collector-base coupling")),
                11);
}

} // namespace

std::vector<Picture> Schematics()
{
    return {
        {"equivalent-circuit.jpg", {212, 280}, EquivalentCircuit, true},
        {"series-rc.jpg", {169, 119}, SeriesRC, true},
        {"parallel-rc.jpg", {279, 147}, ParallelRC, false},
        {"bias-one-supply.jpg", {141, 263}, BiasOneSupply, true},
        {"bias-two-supplies.jpg", {236, 268}, BiasTwoSupplies, true},
        {"untuned-stage.jpg", {245, 292}, UntunedStage, true},
        {"tuned-stage.jpg", {279, 340}, TunedStage, true},
        {"transformer.jpg", {238, 151}, Transformer, true},
        {"lumped-filter.jpg", {538, 208}, LumpedFilter, true},
        {"piezo-filter-stage.jpg", {474, 208}, PiezoFilterStage, true},
        {"capacitive-divider.jpg", {216, 216}, CapacitiveDivider, true},
        {"stage-analysis.jpg", {212, 274}, StageAnalysis, true},
        {"compound-followers.jpg", {396, 365}, CompoundFollowers, true},
    };
}

} // namespace pictures
