#include "ui/calculators/networks/tformlnetwork.h"

#include "core/calc/networks.h"
#include "core/calctypes.h"
#include "core/messages.h"
#include "core/rcalculation.h"
#include "ui/framework/rschematic.h"

#include <QGroupBox>

#include <algorithm>

namespace {

enum Field { Zin = 0, Z1 = 1, Z2 = 2, Zout = 3 };

const QStringList JunctionParts = {QStringLiteral("CircleCenter"), QStringLiteral("LineZ2"),
                                   QStringLiteral("LineRes1"), QStringLiteral("LineRes2"),
                                   QStringLiteral("LineRes3")};
const QStringList SolutionRadios = {QStringLiteral("RadioSolution1"),
                                    QStringLiteral("RadioSolution2")};

} // namespace

TFormLNetwork::TFormLNetwork(AppContext& context, QObject* parent)
    : TFormNetwork(context, 7, parent) {
    BuildNetwork(2, QStringLiteral("LineZ1"));
    PlaceOnWire(QStringLiteral("Z1"), 0);
    PlaceOnDrop(QStringLiteral("Z2"), 1, JunctionParts[0], JunctionParts[1], JunctionParts.mid(2));
    seriesStep_ = QPoint(0, DropY() - WireY());
    shuntStep_ = QPoint(0, WireY() - DropY());
    junctionStep_ = QPoint(ColumnX(0) - ColumnX(1), 0);

    const QPoint origin = GroupsOrigin();
    QWidget* type = AddConfigurationGroup(
        QStringLiteral("GroupType"), QStringLiteral("Type"),
        {QStringLiteral("RadioZ1BeforeZ2"), QStringLiteral("RadioZ2BeforeZ1")}, origin);
    QWidget* unknown = AddUnknownGroup(
        {QStringLiteral("RadioZout"), QStringLiteral("RadioZin"), QStringLiteral("RadioZ1Z2")},
        origin + QPoint(type->width() + 12, 0));
    groupSolution_ = qobject_cast<QGroupBox*>(AddRadioGroup(
        GroupRole::Solution, QStringLiteral("GroupSolution"), QStringLiteral("Solution"),
        SolutionRadios, {QStringLiteral("Solution 1"), QStringLiteral("Solution 2")},
        {unknown->x() + unknown->width() + 12, origin.y()}));
    const int height = std::max({type->height(), unknown->height(), groupSolution_->height()});
    for (QWidget* group : {type, unknown, static_cast<QWidget*>(groupSolution_)})
        group->resize(group->width(), height);
    groupSolution_->hide();
    FinishNetwork(groupSolution_->x() + groupSolution_->width(), origin.y() + height);
}

RField* TFormLNetwork::GetUnknownField() const {
    // The design writes Z1 and Z2; a new configuration empties Z1 only.
    return FirstUnknownField();
}

void TFormLNetwork::ShowConfiguration() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    const int wanted = calculation->Configuration() == 0 ? 0 : 1;
    if (wanted != drawing_) {
        const int sign = wanted == 1 ? 1 : -1;
        MoveBox(QStringLiteral("BoxZ1"), sign * seriesStep_.x(), sign * seriesStep_.y());
        MoveBox(QStringLiteral("BoxZ2"), sign * shuntStep_.x(), sign * shuntStep_.y());
        for (const QString& part : JunctionParts)
            Schematic()->Move(part, sign * junctionStep_.x(), sign * junctionStep_.y());
        drawing_ = wanted;
    }
    CheckConfigurationRadio(calculation->Configuration());
}

void TFormLNetwork::ShowSolutions() {
    RCalculation* calculation = Calculation();
    const int solution = calculation ? calculation->Solution() : -1;
    groupSolution_->setVisible(solution != -1);
    // A selection outside the two leaves both clear.
    CheckSolutionRadio(solution);
}

void TFormLNetwork::Calculate() {
    RCalculation* calculation = Calculation();
    if (!calculation || calculation->FieldCount() < 4)
        return;
    const LNetworkType type =
        calculation->Configuration() == 0 ? LNetworkType::Z1InSeries : LNetworkType::Z1InParallel;
    auto value = [calculation](int field) { return calculation->Field(field).GetComplex(); };
    switch (calculation->Unknown()) {
    case 0:
        if (ValidateFields({Zin, Z1, Z2}, false))
            Finish(Zout, LNetworkZout(type, value(Zin), value(Z1), value(Z2)));
        break;
    case 1:
        if (ValidateFields({Zout, Z1, Z2}, false))
            Finish(Zin, LNetworkZin(type, value(Zout), value(Z1), value(Z2)));
        break;
    case 2:
        Design(type);
        break;
    default:
        break;
    }
}

void TFormLNetwork::Design(LNetworkType type) {
    if (!ValidateFields({Zout, Zin}, false))
        return;
    RCalculation& calculation = *Calculation();
    const LNetworkDesign design = DesignLNetwork(type, calculation.Field(Zin).GetComplex(),
                                                 calculation.Field(Zout).GetComplex());
    if (!design.ok) {
        if (design.emptiesElements) {
            calculation.Field(Z1).SetTexts(QString(), QString());
            calculation.Field(Z2).SetTexts(QString(), QString());
            calculation.SetSolution(-1);
            ShowField(Z1);
            ShowField(Z2);
        }
        ShowWarning(design.message);
        if (design.emptiesElements) {
            ShowSolutions();
            SetModified();
        }
        return;
    }
    // Nothing is stored unless all four reactances are numbers.
    const Complex first(design.x1[0], design.x2[0]);
    const Complex second(design.x1[1], design.x2[1]);
    if (!IsFinite(first) || !IsFinite(second)) {
        ShowWarning(NoSolutionMessage());
        return;
    }
    // Both solutions in the elements' solution fields (their own unit, plain
    // ohms as created); the elements themselves hold Solution 1.
    for (int solution = 0; solution < 2; ++solution) {
        const double reactances[2] = {design.x1[solution], design.x2[solution]};
        for (int element = 0; element < 2; ++element) {
            auto& solutions = calculation.Field(Z1 + element).solutions;
            if (size_t(solution) < solutions.size())
                solutions[size_t(solution)].SetComplex(0, reactances[element], -1);
        }
    }
    calculation.SetSolution(-1);
    StoreResult(Z1, Complex(0, design.x1[0]));
    StoreResult(Z2, Complex(0, design.x2[0]));
    calculation.SetSolution(0);
    ShowSolutions();
}
