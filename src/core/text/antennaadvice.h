#pragma once

#include <QString>

// What the advice window says when an analyser reading cannot give an
// accurate antenna impedance (the kinds are those of core/calc/antenna.h).

// The two texts an advice quotes: the SWR as the form shows it when it is too
// high or too low, R and X1 in the boxes' number format when the impedance
// is not accurate; empty for an unknown kind.
struct AdviceQuote {
    QString first;
    QString second;
};
AdviceQuote QuoteOfAdvice(int kind, const QString& swrShown, double r, double x1, int precision);

// What the advice window shows for a kind, given the advice's two texts.
// An unknown kind has an empty title, equation and advice.
struct AdviceText {
    QString titleLine; // "WARNING: " and the title
    QString equation;
    QString advice;
};
AdviceText AntennaAdviceText(int kind, const QString& first, const QString& second);
QString AdviceDismissText();
