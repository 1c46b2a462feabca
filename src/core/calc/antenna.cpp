#include "core/calc/antenna.h"

#include "core/calc/numbertext.h"

#include <cmath>

namespace {

constexpr double ReferenceSquared = 2500.0; // the analyser's 50 ohms, squared
constexpr double HighestSwr = 5.0;
constexpr double LowestSwr = 1.2;
constexpr double HighestQ = 500.0;
constexpr double LowestQ = 0.2;

AntennaOutcome Advice(int kind, const QString& first, const QString& second) {
    AntennaOutcome outcome;
    outcome.kind = AntennaOutcome::Kind::Advice;
    outcome.advice = kind;
    outcome.first = first;
    outcome.second = second;
    return outcome;
}

AntennaOutcome NoSolution() {
    AntennaOutcome outcome;
    outcome.message = NoSolutionMessage();
    return outcome;
}

} // namespace

bool IsOffScale(const QString& displayedText) {
    return displayedText.toUpper() == QStringLiteral("H");
}

bool HasAddedCircuit(int configuration) {
    return configuration == AddedCapacitor || configuration == AddedCoil;
}

double AddedReactance(int configuration, double magnitude) {
    switch (configuration) {
    case AddedCapacitor:
        return -magnitude;
    case AddedCoil:
        return magnitude;
    default:
        return 0.0;
    }
}

AntennaOutcome SolveAntenna(const AntennaReading& reading, int precision) {
    const double s = reading.swr;
    if (s > HighestSwr)
        return Advice(AdviceSwrTooHigh, reading.swrText, QString());
    if (s < LowestSwr)
        return Advice(AdviceSwrTooLow, reading.swrText, QString());

    // The total series resistance seen by the analyser, and what is left
    // once the added resistor is taken away.
    const double z2 = reading.z * reading.z;
    const double total = s * (z2 + ReferenceSquared) / (50.0 * (s * s + 1.0));
    const double r = total - reading.addedResistance;
    const double h = z2 - (r + reading.addedResistance) * (r + reading.addedResistance);
    // Written so that an overflow (NaN) is refused too.
    if (!(h > 0.0))
        return NoSolution();
    const double root = std::sqrt(h);
    const double x1 = root - reading.addedReactance;
    const double x2 = -root - reading.addedReactance;
    // An added value beyond the range of a double leaves no number to show.
    if (!std::isfinite(r) || !std::isfinite(x1) || !std::isfinite(x2))
        return NoSolution();

    if (x1 != 0.0) {
        const double q = std::abs(r / x1);
        if (q > HighestQ)
            return Advice(AdviceReactanceTooSmall, FormatGeneral(r, precision, 2),
                          FormatGeneral(x1, precision, 2));
        if (q < LowestQ)
            return Advice(AdviceReactanceTooLarge, FormatGeneral(r, precision, 2),
                          FormatGeneral(x1, precision, 2));
    }
    // An added resistor larger than the total leaves a negative resistance:
    // the reading and the added circuit do not belong together.
    if (r < 0.0)
        return NoSolution();

    AntennaOutcome outcome;
    outcome.kind = AntennaOutcome::Kind::Solutions;
    outcome.solution1 = Complex(r, x1);
    outcome.solution2 = Complex(r, x2);
    return outcome;
}

AdviceText AntennaAdviceText(int kind, const QString& first, const QString& second) {
    AdviceText text;
    QString title;
    switch (kind) {
    case AdviceSwrTooHigh:
        title = QStringLiteral("SWR too high.");
        text.equation = first + QStringLiteral(" > 5.0");
        text.advice = QStringLiteral(
            "Without changing the frequency add a capacitor with short leads between the output "
            "of the RF1 and the antenna until the SWR drops to below 5, but not below 1.5. If "
            "this is not possible remove the capacitor and try a coil in its place. In extreme "
            "cases add both a series resistor and either a capacitor or a coil.");
        break;
    case AdviceSwrTooLow:
        title = QStringLiteral("SWR too low.");
        text.equation = first + QStringLiteral(" < 1.2");
        text.advice = QStringLiteral(
            "Without changing the frequency add a resistor with short leads between the output "
            "of the RF1 and the antenna until the SWR rises to approximately 1.5. Do not go "
            "above 5.0. In extreme cases add both a series resistor and a capacitor or a coil.");
        break;
    case AdviceReactanceTooSmall:
        title = QStringLiteral("Impedance is not accurate.");
        text.equation = QStringLiteral("| ") + first + QStringLiteral(" / ") + second +
                        QStringLiteral(" | > 500");
        text.advice = QStringLiteral(
            "Without changing the frequency add a capacitor with short leads between the output "
            "of the RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there "
            "are no warnings. If this is not possible remove the capacitor and try a coil in its "
            "place. In extreme cases if you are also using a series resistor try decreasing its "
            "value but watch the SWR.");
        break;
    case AdviceReactanceTooLarge:
        title = QStringLiteral("Impedance is not accurate.");
        text.equation = QStringLiteral("| ") + first + QStringLiteral(" / ") + second +
                        QStringLiteral(" | < 0.2");
        text.advice = QStringLiteral(
            "Without changing the frequency add a resistor with short leads between the output "
            "of the RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there "
            "are no warnings.");
        break;
    default:
        break;
    }
    text.titleLine = QStringLiteral("WARNING: ") + title;
    return text;
}

QString AdviceDismissText() {
    return QStringLiteral("(Click anywhere to dismiss this message.)");
}
