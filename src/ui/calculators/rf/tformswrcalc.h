#pragma once

#include "ui/framework/tformproblem.h"

class QLabel;

// The SWR of a complex load on a line of real characteristic impedance. The
// SWR is always the result. A line under it says what that SWR means: the
// reflection coefficient's magnitude, the return loss and the mismatch loss.
class TFormSWRCalc final : public TFormProblem {
    Q_OBJECT

public:
    TFormSWRCalc(AppContext& context, int type, QObject* parent = nullptr);

    void ShowCalculation() override;

private:
    void BuildLayout();
    // Fills the reflection line from the SWR as its box shows it, or
    // empties it when that is no SWR.
    void ShowReading();
    void ClearReading();

    QLabel* reading_ = nullptr;
};
