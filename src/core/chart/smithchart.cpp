#include "core/chart/smithchart.h"

#include "core/calc/networkchain.h"
#include "core/calc/networkdesign.h"
#include "core/calc/numbertext.h"
#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "core/text/readingtexts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int AntennaResult = 5;
constexpr int UnknownZout = 0;
constexpr int UnknownZin = 1;
constexpr int UnknownDesign = 2;

// A quantity as its box holds it: nothing typed, a text that is no number,
// or a value in ohms.
struct BoxValue {
    enum class State { Empty, Invalid, Value } state = State::Empty;
    Complex z;
};

BoxValue Read(const RField& field) {
    BoxValue quantity;
    if (field.text.trimmed().isEmpty() && field.imagText.trimmed().isEmpty())
        return quantity;
    quantity.state = BoxValue::State::Invalid;
    if (!IsNumber(field.text) || !IsNumber(field.imagText))
        return quantity;
    quantity.z = field.GetComplex();
    if (IsFinite(quantity.z))
        quantity.state = BoxValue::State::Value;
    return quantity;
}

// A part far below the other is what the arithmetic's rounding left of a
// zero (a matched network's Zin of 50 + j1.4E-14): shown as the zero.
Complex WithoutRoundingNoise(const Complex& z) {
    const double size = std::hypot(z.re, z.im);
    const double noise = size * 1e-12;
    return Complex(std::abs(z.re) < noise ? 0.0 : z.re, std::abs(z.im) < noise ? 0.0 : z.im);
}

QString Number(double value, int precision) {
    if (std::isinf(value))
        return QStringLiteral("\u221E");
    return FormatGeneral(value, precision, 2);
}

// Collects what the chart shows; the first note given stays.
class ChartBuilder {
public:
    ChartBuilder(const RCalculation& calculation, double z0, int precision)
        : calculation_(calculation), info_(*FindCalcType(calculation.Type())),
          precision_(precision) {
        chart_.hasImpedance = true;
        chart_.z0 = z0;
    }

    SmithChart Take() {
        if (chart_.IsEmpty() && chart_.note.isEmpty())
            chart_.note = NothingYetText();
        return chart_;
    }
    const RCalculation& Calculation() const { return calculation_; }
    QString Label(int field) const {
        return FieldLabel(info_, field, calculation_.Configuration());
    }
    double Z0() const { return chart_.z0; }
    void UseOwnReference(double z0) {
        chart_.ownReference = true;
        chart_.z0 = IsChartReference(z0) ? z0 : 0.0;
    }
    void Note(const QString& text) {
        if (chart_.note.isEmpty())
            chart_.note = text;
    }

    // The value of a field that must be given, or a note why there is none.
    bool Given(int field, Complex& z) {
        const BoxValue quantity = Read(calculation_.Field(field));
        if (quantity.state == BoxValue::State::Value) {
            z = quantity.z;
            return true;
        }
        if (quantity.state == BoxValue::State::Invalid)
            Note(Label(field) + QStringLiteral(" is not a number."));
        return false;
    }
    // An element or a port as the network calculators read it: an empty
    // text counts as 0; a resistance must not be negative.
    bool NetworkValue(int field, Complex& z) {
        const BoxValue quantity = Read(calculation_.Field(field));
        if (quantity.state == BoxValue::State::Invalid) {
            Note(Label(field) + QStringLiteral(" is not a number."));
            return false;
        }
        z = quantity.z;
        if (z.re < 0) {
            Note(Label(field) + QStringLiteral(" has a negative resistance."));
            return false;
        }
        return true;
    }

    bool AddPoint(const QString& label, const QString& description, const Complex& z,
                  bool secondary = false) {
        ChartReading reading = ChartReadingOf(WithoutRoundingNoise(z), chart_.z0);
        if (reading.magnitude < 1e-12) // matched but for rounding: the centre
            reading = ChartReading{reading.z, Complex(), 0.0, 0.0, 1.0, ReturnLossOf(0)};
        if (!(reading.magnitude <= 1 + 1e-9)) {
            Note(label + QStringLiteral(" lies outside the chart."));
            return false;
        }
        chart_.points << ChartPoint{label, description, reading, secondary};
        return true;
    }

    void AddSwrCircle(const Complex& z, bool dashed) {
        const ChartCurve curve = SwrCircle(z, chart_.z0);
        if (curve.radius < 1e-12)
            return; // matched: the centre itself
        for (const ChartCircle& drawn : chart_.circles) {
            if (std::abs(drawn.curve.radius - curve.radius) < 1e-12)
                return;
        }
        chart_.circles << ChartCircle{QStringLiteral("SWR ") + Number(curve.value, precision_),
                                      curve, dashed};
    }

    // The nodes and element paths of a network from the impedance that
    // terminates one port (the field `load`) to the impedance seen at the
    // other (the field `end`). A second solution adds only its own nodes and
    // paths, dashed.
    void AddChain(const NodeChain& chain, int load, int end, const QString& solution, bool other) {
        if (!chain.ok) {
            Note(chain.message);
            return;
        }
        if (!other &&
            !AddPoint(Label(load), Label(load) + QStringLiteral(" (load)"), chain.nodes.first()))
            return;
        const QString suffix = solution.isEmpty() ? QString() : QStringLiteral(", ") + solution;
        const ChainTrace trace = TraceChain(chain, chart_.z0);
        for (int i = 0; i < chain.steps.size(); ++i) {
            const LadderStep& step = chain.steps[i];
            const QString element = Label(step.element);
            const QString placement = step.placement == ElementPlacement::Series
                                          ? QStringLiteral(" in series")
                                          : QStringLiteral(" in shunt");
            if (trace.paths[i].size() >= 2)
                chart_.paths << ChartPath{other ? element + QStringLiteral("\u2032") : element,
                                          element + placement + suffix, trace.paths[i], other};
            const Complex node = chain.nodes[i + 1];
            if (i + 1 < chain.steps.size())
                AddPoint(QString(), QStringLiteral("After ") + element + placement + suffix, node,
                         other);
            else if (!other)
                AddPoint(Label(end), Label(end) + QStringLiteral(" (looking in)"), node);
        }
    }

private:
    const RCalculation& calculation_;
    const CalcTypeInfo& info_;
    int precision_;
    SmithChart chart_;
};

void ImpedancePoints(ChartBuilder& builder) {
    for (int field = 0; field < 3; ++field) {
        Complex z;
        if (builder.Given(field, z))
            builder.AddPoint(builder.Label(field), builder.Label(field), z);
    }
}

// The elements of a network as its calculator reads them, or as a design
// finds them.
struct NetworkElements {
    bool ok = true;
    Complex z[4]; // z[1] to z[3]; z[0] unused
};

NetworkElements ReadElements(ChartBuilder& builder, int count) {
    NetworkElements elements;
    for (int k = 1; k <= count; ++k)
        elements.ok = builder.NetworkValue(k, elements.z[k]) && elements.ok;
    return elements;
}

// The chain of a network towards one of its ports.
NodeChain NetworkChain(FormLayout network, const RCalculation& calculation, NetworkPort towards,
                       const Complex& termination, const NetworkElements& e) {
    if (network == FormLayout::LNetwork) {
        const auto shape = calculation.Configuration() == 0 ? LNetworkType::Z1InSeries
                                                            : LNetworkType::Z1InParallel;
        return LNetworkChain(shape, towards, termination, e.z[1], e.z[2]);
    }
    if (network == FormLayout::PiNetwork)
        return PiNetworkChain(towards, termination, e.z[1], e.z[2], e.z[3]);
    return TNetworkChain(towards, termination, e.z[1], e.z[2], e.z[3]);
}

// Both solutions of an L network design: the shown one solid, the other dashed.
void LNetworkDesignPaths(ChartBuilder& builder) {
    const RCalculation& calculation = builder.Calculation();
    Complex zin;
    Complex zout;
    if (Read(calculation.Field(3)).state == BoxValue::State::Empty ||
        Read(calculation.Field(0)).state == BoxValue::State::Empty ||
        !builder.NetworkValue(3, zout) || !builder.NetworkValue(0, zin))
        return;
    const auto shape =
        calculation.Configuration() == 0 ? LNetworkType::Z1InSeries : LNetworkType::Z1InParallel;
    const LNetworkDesign design = DesignLNetwork(shape, zin, zout);
    if (!design.ok) {
        builder.Note(design.message);
        builder.AddPoint(builder.Label(3), builder.Label(3) + QStringLiteral(" (load)"), zout);
        builder.AddPoint(builder.Label(0), builder.Label(0) + QStringLiteral(" (to match)"), zin);
        return;
    }
    const int shown = calculation.Solution() == 1 ? 1 : 0;
    const auto name = [](int solution) { return QStringLiteral("Solution %1").arg(solution + 1); };
    builder.AddChain(LNetworkDesignChain(shape, zout, design, shown), 3, 0, name(shown), false);
    builder.AddChain(LNetworkDesignChain(shape, zout, design, 1 - shown), 3, 0, name(1 - shown),
                     true);
}

// A Pi or T network designed from Zin, Zout and the loaded Q, as the
// calculator designs it: from the load Zout through the designed elements
// to Zin.
void ThreeElementDesignPaths(ChartBuilder& builder, FormLayout network) {
    const RCalculation& calculation = builder.Calculation();
    constexpr int Output = 4;
    const BoxValue loadedQ = Read(calculation.ExtraAsField(ExtraKeys::Q));
    Complex zin;
    Complex zout;
    if (Read(calculation.Field(Output)).state == BoxValue::State::Empty ||
        Read(calculation.Field(0)).state == BoxValue::State::Empty ||
        loadedQ.state == BoxValue::State::Empty || !builder.NetworkValue(Output, zout) ||
        !builder.NetworkValue(0, zin))
        return;
    if (loadedQ.state == BoxValue::State::Invalid) {
        builder.Note(QStringLiteral("Q is not a number."));
        return;
    }
    const NetworkDesign design = network == FormLayout::PiNetwork
                                     ? DesignPiNetwork(zin, zout, loadedQ.z.re)
                                     : DesignTNetwork(zin, zout, loadedQ.z.re);
    if (!design.ok) {
        builder.Note(design.message);
        builder.AddPoint(builder.Label(Output), builder.Label(Output) + QStringLiteral(" (load)"),
                         zout);
        builder.AddPoint(builder.Label(0), builder.Label(0) + QStringLiteral(" (to match)"), zin);
        return;
    }
    NetworkElements elements;
    elements.z[1] = design.z1;
    elements.z[2] = design.z2;
    elements.z[3] = design.z3;
    builder.AddChain(NetworkChain(network, calculation, NetworkPort::Input, zout, elements), Output,
                     0, QString(), false);
}

// A network as its calculator solves it: from the port given, which
// terminates the network, to the port solved for.
void NetworkPaths(ChartBuilder& builder) {
    const RCalculation& calculation = builder.Calculation();
    const FormLayout network = FindCalcType(calculation.Type())->layout;
    const int unknown = calculation.Unknown();
    if (network == FormLayout::LNetwork && unknown == UnknownDesign) {
        LNetworkDesignPaths(builder);
        return;
    }
    if (unknown == UnknownDesign) {
        ThreeElementDesignPaths(builder, network);
        return;
    }
    if (unknown != UnknownZout && unknown != UnknownZin)
        return;
    const int elementCount = network == FormLayout::LNetwork ? 2 : 3;
    const int outputField = elementCount + 1;
    const int load = unknown == UnknownZin ? outputField : 0;
    const int end = unknown == UnknownZin ? 0 : outputField;
    Complex termination;
    if (Read(calculation.Field(load)).state == BoxValue::State::Empty ||
        !builder.NetworkValue(load, termination))
        return;
    const NetworkElements elements = ReadElements(builder, elementCount);
    const NetworkPort towards = unknown == UnknownZin ? NetworkPort::Input : NetworkPort::Output;
    const NodeChain chain = elements.ok
                                ? NetworkChain(network, calculation, towards, termination, elements)
                                : NodeChain();
    if (!chain.ok) {
        // What there is: the load alone, and why.
        builder.Note(chain.message);
        builder.AddPoint(builder.Label(load), builder.Label(load) + QStringLiteral(" (load)"),
                         termination);
        return;
    }
    builder.AddChain(chain, load, end, QString(), false);
}

void SwrPoint(ChartBuilder& builder) {
    const BoxValue ro = Read(builder.Calculation().Field(1));
    builder.UseOwnReference(ro.state == BoxValue::State::Value ? ro.z.re : 0.0);
    if (!IsChartReference(builder.Z0())) {
        builder.Note(QStringLiteral("Ro must be above 0 to draw the chart."));
        return;
    }
    Complex z;
    if (builder.Given(0, z) &&
        builder.AddPoint(builder.Label(0), builder.Label(0) + QStringLiteral(" (load)"), z))
        builder.AddSwrCircle(z, false);
}

void AntennaSolutions(ChartBuilder& builder) {
    builder.UseOwnReference(DefaultChartReference);
    const RCalculation& calculation = builder.Calculation();
    const RField& result = calculation.Field(AntennaResult);
    const int shown = calculation.Solution();
    if (shown < 0 || shown >= int(result.solutions.size())) {
        Complex z;
        if (builder.Given(AntennaResult, z) &&
            builder.AddPoint(builder.Label(AntennaResult), builder.Label(AntennaResult), z))
            builder.AddSwrCircle(z, false);
        return;
    }
    // The shown solution first, so that its circle is the solid one.
    QList<int> order{shown};
    for (int k = 0; k < int(result.solutions.size()); ++k)
        if (k != shown)
            order << k;
    for (int k : order) {
        const BoxValue solution = Read(result.solutions[size_t(k)]);
        if (solution.state != BoxValue::State::Value)
            continue;
        const QString label = QStringLiteral("Solution %1").arg(k + 1);
        if (builder.AddPoint(label,
                             builder.Label(AntennaResult) + QStringLiteral(" (") + label +
                                 QStringLiteral(")"),
                             solution.z, k != shown))
            builder.AddSwrCircle(solution.z, k != shown);
    }
}

} // namespace

QString NoImpedanceText() {
    return QStringLiteral("This calculation has no impedance to plot.");
}

QString NothingYetText() {
    return QStringLiteral("Nothing to plot yet.");
}

SmithChart ChartOfCalculation(const RCalculation& calculation, double z0, int precision) {
    SmithChart none;
    none.z0 = z0;
    // What is plotted follows the drawing of the calculator: the impedance
    // combination, the networks, the SWR and the antenna impedance.
    const CalcTypeInfo* info = FindCalcType(calculation.Type());
    const FormLayout layout = info ? info->layout : FormLayout::Resonance;
    const bool impedances = info && layout == FormLayout::Combination &&
                            info->fields.front().quantity == Quantity::Impedance;
    const bool network = layout == FormLayout::LNetwork || layout == FormLayout::PiNetwork ||
                         layout == FormLayout::TNetwork;
    const bool plotted = impedances || network || layout == FormLayout::Swr ||
                         layout == FormLayout::AntennaImpedance;
    // A calculation of a damaged file may lack its fields or their kinds.
    if (!plotted || !HasFieldsOfType(calculation))
        return none;
    ChartBuilder builder(calculation, z0, precision);
    if (layout == FormLayout::Swr) {
        SwrPoint(builder);
    } else if (layout == FormLayout::AntennaImpedance) {
        AntennaSolutions(builder);
    } else if (!IsChartReference(z0)) {
        builder.Note(QStringLiteral("Z0 must be above 0."));
    } else if (impedances) {
        ImpedancePoints(builder);
    } else {
        NetworkPaths(builder);
    }
    return builder.Take();
}

int ChartPrecision(int displayPrecision) {
    return std::clamp(displayPrecision, 1, 4);
}

QString PointText(const ChartPoint& point, int precision) {
    return point.description + QStringLiteral(": ") + ChartReadingText(point.reading, precision);
}

QString ReadingAtText(const QString& description, const Complex& gamma, double z0, int precision) {
    return description + QStringLiteral(": ") +
           ChartReadingText(ChartReadingOf(ImpedanceOf(gamma, z0), z0), precision);
}
