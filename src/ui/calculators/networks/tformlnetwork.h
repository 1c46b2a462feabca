#pragma once

#include "ui/calculators/networks/tformnetwork.h"

#include <QPoint>

class QGroupBox;

// A two-element network between Zin and Zout: either port from the other and
// the elements, or the design of two reactances that match a load to a
// resistive source, with both solutions kept for the user to pick.
class TFormLNetwork final : public TFormNetwork {
    Q_OBJECT

public:
    TFormLNetwork(AppContext& context, int type, QObject* parent = nullptr);

    void ShowConfiguration() override;
    void ShowSolutions() override;

    // Which drawing the form shows: 0 with Z1 in series, 1 with Z1 to ground.
    int Drawing() const { return drawing_; }

private:
    int drawing_ = 0;
    QGroupBox* groupSolution_ = nullptr;
    // How far the parts of the drawing move from the first drawing to the second.
    QPoint seriesStep_;   // Z1: from the wire down onto the drop
    QPoint shuntStep_;    // Z2: from the drop up onto the wire
    QPoint junctionStep_; // the junction, the drop and the ground: under Z1
};
