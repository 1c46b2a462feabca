#pragma once

#include "core/calc/reactance.h"
#include "ui/calculators/tformsolver.h"

// The reactance of a capacitor or an inductor at a frequency, or the
// component with a given reactance. The two calculators differ only in the
// component's letter, its unit kind and the arithmetic.
class TFormReactance : public TFormSolver {
    Q_OBJECT

public:
    struct Variant {
        int type;
        Reactor reactor;
        QString element;   // "C" or "L": the stem of the component's controls
        QString reactance; // "Xc" or "Xl"
    };

protected:
    TFormReactance(AppContext& context, const Variant& variant, QObject* parent = nullptr);

private:
    void BuildLayout(const Variant& variant);
};

class TFormReactanceC final : public TFormReactance {
    Q_OBJECT
public:
    explicit TFormReactanceC(AppContext& context, QObject* parent = nullptr);
};

class TFormReactanceI final : public TFormReactance {
    Q_OBJECT
public:
    explicit TFormReactanceI(AppContext& context, QObject* parent = nullptr);
};
