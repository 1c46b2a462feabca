#include "ui/calculators/networks/tformlnetwork.h"

#include "core/rcalculation.h"
#include "ui/framework/rschematic.h"

#include <QGroupBox>

#include <algorithm>

namespace {

const QStringList JunctionParts = {QStringLiteral("CircleCenter"), QStringLiteral("LineZ2"),
                                   QStringLiteral("LineRes1"), QStringLiteral("LineRes2"),
                                   QStringLiteral("LineRes3")};
const QStringList SolutionRadios = {QStringLiteral("RadioSolution1"),
                                    QStringLiteral("RadioSolution2")};

} // namespace

TFormLNetwork::TFormLNetwork(AppContext& context, int type, QObject* parent)
    : TFormNetwork(context, type, parent) {
    BuildNetwork(2, QStringLiteral("LineZ1"));
    PlaceOnWire(QStringLiteral("Z1"), 0);
    PlaceOnDrop(QStringLiteral("Z2"), 1, JunctionParts[0], JunctionParts[1], JunctionParts.mid(2));
    seriesStep_ = QPoint(0, DropY() - WireY());
    shuntStep_ = QPoint(0, WireY() - DropY());
    junctionStep_ = QPoint(ColumnX(0) - ColumnX(1), 0);

    // The design frequency stands in the slot on the ground side that the
    // element on the wire leaves free.
    PlaceDesignFrequency(0);

    const QPoint origin = GroupsOrigin();
    QWidget* typeGroup = AddConfigurationGroup(
        QStringLiteral("GroupType"), QStringLiteral("Type"),
        {QStringLiteral("RadioZ1BeforeZ2"), QStringLiteral("RadioZ2BeforeZ1")}, origin);
    QWidget* unknown = AddUnknownGroup(
        {QStringLiteral("RadioZout"), QStringLiteral("RadioZin"), QStringLiteral("RadioZ1Z2")},
        origin + QPoint(typeGroup->width() + 12, 0));
    groupSolution_ = qobject_cast<QGroupBox*>(AddRadioGroup(
        GroupRole::Solution, QStringLiteral("GroupSolution"), QStringLiteral("Solution"),
        SolutionRadios, {QStringLiteral("Solution 1"), QStringLiteral("Solution 2")},
        {unknown->x() + unknown->width() + 12, origin.y()}));
    const int height = std::max({typeGroup->height(), unknown->height(), groupSolution_->height()});
    for (QWidget* group : {typeGroup, unknown, static_cast<QWidget*>(groupSolution_)})
        group->resize(group->width(), height);
    groupSolution_->hide();
    FinishNetwork(groupSolution_->x() + groupSolution_->width(), origin.y() + height);
}

void TFormLNetwork::ShowConfiguration() {
    ShowTwoDrawings(drawing_, [this](int sign) {
        MoveBox(QStringLiteral("BoxZ1"), sign * seriesStep_.x(), sign * seriesStep_.y());
        MoveBox(QStringLiteral("BoxZ2"), sign * shuntStep_.x(), sign * shuntStep_.y());
        for (const QString& part : JunctionParts)
            Schematic()->Move(part, sign * junctionStep_.x(), sign * junctionStep_.y());
        // Z1 to ground leaves the design frequency the second column's slot;
        // Z1's line stops short of it.
        const bool parallel = sign > 0;
        const int frequencyX = PlaceDesignFrequency(parallel ? 1 : 0);
        const QWidget* z1 = PanelMain()->findChild<QWidget*>(QStringLiteral("BoxZ1"));
        PlaceElementLine(1, parallel,
                         parallel ? frequencyX - z1->x() - DroppedLineOffset() - 8 : 0);
        PlaceElementLine(2, !parallel);
    });
}

void TFormLNetwork::ShowSolutions() {
    RCalculation* calculation = Calculation();
    const int solution = calculation ? calculation->Solution() : -1;
    groupSolution_->setVisible(solution != -1);
    // A selection outside the two leaves both clear.
    CheckSolutionRadio(solution);
}
