#pragma once

#include "ui/framework/tformproblem.h"

// The reactance of a capacitor or an inductor at a frequency, or the
// component with a given reactance. The component's box and the reactance's
// are named after their names in messages ("C", "Xc").
class TFormReactance final : public TFormProblem {
    Q_OBJECT

public:
    TFormReactance(AppContext& context, int type, QObject* parent = nullptr);

private:
    void BuildLayout();
};
