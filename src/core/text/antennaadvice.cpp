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

namespace {

// The prose of each kind: its title, the test the readings failed (the
// quoted texts stand in for %1 and %2) and what to do.
struct AdviceProse {
    const char* title;
    const char* equation;
    bool quotesTwo;
    const char* advice;
};

const AdviceProse Prose[] = {
    {"SWR too high.", "%1 > 5.0", false,
     "Without changing the frequency add a capacitor with short leads between the output of the "
     "RF1 and the antenna until the SWR drops to below 5, but not below 1.5. If this is not "
     "possible remove the capacitor and try a coil in its place. In extreme cases add both a "
     "series resistor and either a capacitor or a coil."},
    {"SWR too low.", "%1 < 1.2", false,
     "Without changing the frequency add a resistor with short leads between the output of the "
     "RF1 and the antenna until the SWR rises to approximately 1.5. Do not go above 5.0. In "
     "extreme cases add both a series resistor and a capacitor or a coil."},
    {"Impedance is not accurate.", "| %1 / %2 | > 500", true,
     "Without changing the frequency add a capacitor with short leads between the output of the "
     "RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there are no "
     "warnings. If this is not possible remove the capacitor and try a coil in its place. In "
     "extreme cases if you are also using a series resistor try decreasing its value but watch "
     "the SWR."},
    {"Impedance is not accurate.", "| %1 / %2 | < 0.2", true,
     "Without changing the frequency add a resistor with short leads between the output of the "
     "RF1 and the antenna. Keep the SWR between 1.2 and 5. Experiment until there are no "
     "warnings."},
};

} // namespace

AdviceText AntennaAdviceText(int kind, const QString& first, const QString& second) {
    AdviceText text;
    text.titleLine = QStringLiteral("WARNING: ");
    if (kind < AdviceSwrTooHigh || kind > AdviceReactanceTooLarge)
        return text;
    const AdviceProse& prose = Prose[kind - AdviceSwrTooHigh];
    const QString equation = QString::fromLatin1(prose.equation);
    text.titleLine += QString::fromLatin1(prose.title);
    text.equation = prose.quotesTwo ? equation.arg(first, second) : equation.arg(first);
    text.advice = QString::fromLatin1(prose.advice);
    return text;
}

QString AdviceDismissText() {
    return QStringLiteral("(Click anywhere to dismiss this message.)");
}
