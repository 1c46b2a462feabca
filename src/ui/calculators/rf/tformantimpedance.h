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
    TFormAntImpedance(AppContext& context, int type, QObject* parent = nullptr);

    // No edit is marked: the impedance is always the result.
    void ShowUnknown() override {}
    void ShowConfiguration() override;
    void ShowSolutions() override;

    // Whether the added-circuit group is shown now.
    bool AddedCircuitShown() const { return extraShown_; }

protected:
    // Shows the advice centred over the main window's calculation area and
    // switches the form to the added circuit.
    void ShowAdvice(const SolveResult& result) override;

private:
    void BuildLayout();
    // The added circuit at the given height: a wire from the analyser's
    // output to the antenna through the added resistor and the capacitor or
    // coil (their boxes move into it), in panelExtra_.
    RSchematic* BuildAddedCircuit(QWidget* resistor, QWidget* reactance, int top,
                                  int captionHeight);
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
