#pragma once

#include "ui/framework/tformproblem.h"

// The resonant frequency of an inductance and a capacitance, or the
// inductance or capacitance that resonates at a frequency.
class TFormResonant final : public TFormProblem {
    Q_OBJECT

public:
    TFormResonant(AppContext& context, int type, QObject* parent = nullptr);

private:
    void BuildLayout();
};
