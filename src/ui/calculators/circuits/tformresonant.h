#pragma once

#include "ui/calculators/tformsolver.h"

// The resonant frequency of an inductance and a capacitance, or the
// inductance or capacitance that resonates at a frequency.
class TFormResonant final : public TFormSolver {
    Q_OBJECT

public:
    explicit TFormResonant(AppContext& context, QObject* parent = nullptr);

private:
    void BuildLayout();
};
