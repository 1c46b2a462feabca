#pragma once

#include "ui/framework/tformproblem.h"

#include <QPoint>

// Two like quantities in series or in parallel, solved for any one of the
// three values: resistors, capacitors, inductors and complex impedances.
// The boxes are named after the quantities' names in messages ("R1", "Rout").
class TFormCombination final : public TFormProblem {
    Q_OBJECT

public:
    TFormCombination(AppContext& context, int type, QObject* parent = nullptr);

    void ShowConfiguration() override;

    // Which drawing the form shows: 0 parallel, 1 series.
    int Drawing() const { return drawing_; }

private:
    void BuildSchematic();

    QStringList stems_; // of the first part, the second part and the result
    int drawing_ = 0;
    // How far each component box moves between the two drawings.
    QPoint firstStep_;
    QPoint secondStep_;
    QPoint seriesWireFrom_;
    QPoint seriesWireTo_;
    QPoint parallelWireTo_;
};
