#pragma once

#include "ui/framework/tformproblem.h"

// The inductance of a single-layer air-core coil from its diameter, winding
// length and number of turns, or any one of those from the other three.
class TFormAirCoil final : public TFormProblem {
    Q_OBJECT

public:
    TFormAirCoil(AppContext& context, int type, QObject* parent = nullptr);

private:
    void BuildLayout();
    // A side view of the coil with the diameter and the length marked.
    void DrawCoil(QRect coil);
};
