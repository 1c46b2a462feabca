#pragma once

#include "ui/framework/tformproblem.h"

class QLabel;
class RSchematic;

// The impedance of an antenna from what an Autek RF 1 analyser shows: the
// frequency, |Z| and the SWR, optionally taken with a resistor and a
// capacitor or coil in series. Both signs of the reactance are offered as
// solutions. A reading outside the accurate range shows the advice window
// and switches the form to the added circuit.
class TFormAntImpedance final : public TFormProblem {
    Q_OBJECT

public:
    explicit TFormAntImpedance(AppContext& context, QObject* parent = nullptr);

    void Calculate() override;
    void ShowConfiguration() override;
    void ShowSolutions() override;
    RField* GetUnknownField() const override;

    // Whether the added-circuit group is shown now.
    bool AddedCircuitShown() const { return extraShown_; }

private:
    void BuildLayout();
    // The added circuit at the given height: a wire from the analyser's
    // output to the antenna through the added resistor and the capacitor or
    // coil (their boxes move into it), in panelExtra_.
    RSchematic* BuildAddedCircuit(QWidget* resistor, QWidget* reactance, int top,
                                  int captionHeight);
    // A reading's value: the off-scale mark "H" or a validated number.
    bool ReadReading(int field, double& value) const;
    // The screen rectangle the advice is centred on: left, top, right, bottom.
    QRect AdviceArea() const;
    void SwitchToAddedCircuit();

    QWidget* panelExtra_ = nullptr;
    QWidget* panelBase_ = nullptr;
    QWidget* groupSolution_ = nullptr;
    QLabel* labelReactance_ = nullptr;
    bool extraShown_ = true; // as laid out
    int baseStep_ = 0;       // how far the readings move up into the added circuit's place
};
