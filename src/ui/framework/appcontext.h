#pragma once

#include "core/calc/standardvalues.h"

#include <functional>

class AdvicePopup;
class QWidget;
class RCalculation;
class RConfig;
class RWorksheet;
class TFormProblem;

// The program-wide objects the main window owns and every calculator form
// works on. Tests build their own.
struct AppContext {
    RWorksheet* worksheet = nullptr;
    RConfig* config = nullptr;
    RCalculation* calculation = nullptr; // the current calculation
    TFormProblem* calculator = nullptr;  // the calculator now shown
    std::function<void(int context)> showHelp;
    // The antenna calculator's advice window, centred over the main
    // window's central panel (over the calculator's own panel when none).
    AdvicePopup* advice = nullptr;
    QWidget* centralPanel = nullptr;
    // Set while a form writes into its own controls, so that the edits'
    // change handlers do not take display texts back into the fields.
    bool loading = false;
    // The series the component lines take their standard parts from: the
    // "Standard values" preference, as the main window last read it.
    ESeries standardSeries = DefaultESeries;
    // Told after every change to the current calculation and whenever
    // another one becomes current, so that a view of it can follow.
    std::function<void()> calculationChanged;
    void NotifyCalculationChanged() const {
        if (calculationChanged)
            calculationChanged();
    }
};
