#include "core/text/antennaadvice.h"

#include "core/calc/antenna.h"
#include "core/calc/numbertext.h"

AdviceQuote QuoteOfAdvice(int kind, const QString& swrShown, double r, double x1, int precision) {
    switch (kind) {
    case AdviceSwrTooHigh:
    case AdviceSwrTooLow:
        return {swrShown, QString()};
    case AdviceReactanceTooSmall:
    case AdviceReactanceTooLarge:
        return {FormatGeneral(r, precision, 2), FormatGeneral(x1, precision, 2)};
    default:
        return {};
    }
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
