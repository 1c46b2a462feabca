#pragma once

#include "ui/calculators/tformsolver.h"

// The inductance of a single-layer air-core coil from its diameter, winding
// length and number of turns, or any one of those from the other three.
class TFormAirCoil final : public TFormSolver {
    Q_OBJECT

public:
    explicit TFormAirCoil(AppContext& context, QObject* parent = nullptr);

private:
    void BuildLayout();
    // A side view of the coil with the diameter and the length marked.
    void DrawCoil(QRect coil);
};
