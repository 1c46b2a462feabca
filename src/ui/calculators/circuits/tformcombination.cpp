#include "ui/calculators/circuits/tformcombination.h"

#include "core/calc/combination.h"
#include "core/calctypes.h"
#include "core/rcalculation.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

TFormCombination::TFormCombination(AppContext& context, const Family& family, QObject* parent)
    : TFormProblem(context, family.type, parent), family_(family) {
    BuildSchematic();
}

void TFormCombination::BuildSchematic() {
    const QString x = family_.letter;
    const QString ohm1 = family_.ohmNames.value(0);
    const QString ohm2 = family_.ohmNames.value(1);
    const QString ohmOut = family_.ohmNames.value(2);

    // Declared at the origin first; placed once their size is known.
    QWidget* first = AddBox(TypeBox(0, x + "1", {}, ohm1));
    QWidget* second = AddBox(TypeBox(1, x + "2", {}, ohm2));
    QWidget* result = AddBox(TypeBox(2, x + "out", {}, ohmOut, true));
    const int w = std::max({first->width(), second->width(), result->width()});
    const int h = std::max({first->height(), second->height(), result->height()});
    const int gap = 24;

    // Series: one straight wire through both boxes. Impedances keep their
    // order from the input (Z1 first); resistors, capacitors and inductors
    // show the second component at the input end.
    const int inputX = 16;
    const int inputSideX = inputX + gap;
    const int outputSideX = inputSideX + w + gap;
    const int firstSeriesX = family_.impedance ? inputSideX : outputSideX;
    const int secondSeriesX = family_.impedance ? outputSideX : inputSideX;
    const int outputX = outputSideX + w + gap;
    const int resultX = outputX - w / 2;
    const int resultY = 28;
    const int midY = resultY + h + 52 + h / 2;

    // Parallel: the two boxes one above the other on the branches between
    // two junction dots.
    const int parallelX = (inputX + outputX) / 2 - w / 2;
    const int topY = midY - h / 2 - 14 - h / 2;
    const int bottomY = midY + h / 2 + 14 + h / 2;
    const int leftDotX = parallelX - gap;
    const int rightDotX = parallelX + w + gap;

    MoveBox("Box" + x + "1", parallelX, topY - h / 2);
    MoveBox("Box" + x + "2", parallelX, bottomY - h / 2);
    MoveBox("Box" + x + "out", resultX, resultY);
    firstStep_ = QPoint(firstSeriesX - parallelX, midY - topY);
    secondStep_ = QPoint(secondSeriesX - parallelX, midY - bottomY);

    RSchematic* drawing = Schematic();
    drawing->AddTerminal(QStringLiteral("TerminalIn"), {inputX, midY});
    drawing->AddTerminal(QStringLiteral("TerminalOut"), {outputX, midY});
    seriesWireFrom_ = QPoint(inputX + 5, midY);
    seriesWireTo_ = QPoint(outputX - 5, midY);
    parallelWireTo_ = QPoint(leftDotX, midY);
    drawing->AddLine(QStringLiteral("LineIn"), seriesWireFrom_, parallelWireTo_);
    drawing->AddLine(QStringLiteral("LineOut"), {rightDotX, midY}, seriesWireTo_);
    drawing->AddDot(QStringLiteral("Circle1"), {leftDotX, midY});
    drawing->AddDot(QStringLiteral("Circle2"), {rightDotX, midY});
    drawing->AddLine(QStringLiteral("LineParallelLeft"), {leftDotX, topY}, {leftDotX, bottomY});
    drawing->AddLine(QStringLiteral("LineParallelRight"), {rightDotX, topY}, {rightDotX, bottomY});
    drawing->AddLine(QStringLiteral("LineParallelTop"), {leftDotX, topY}, {rightDotX, topY});
    drawing->AddLine(QStringLiteral("LineParallelBottom"), {leftDotX, bottomY},
                     {rightDotX, bottomY});

    const int groupsY = bottomY + h / 2 + 24;
    QWidget* type = AddConfigurationGroup(
        QStringLiteral("GroupType"), QStringLiteral("Type"),
        {QStringLiteral("RadioParallel"), QStringLiteral("RadioSeries")}, {inputX, groupsY});
    QWidget* unknown = AddUnknownGroup({"Radio" + x + "out", "Radio" + x + "1", "Radio" + x + "2"},
                                       {inputX + type->width() + 16, groupsY});
    type->resize(type->width(), unknown->height());

    const int width = std::max(resultX + w, outputX + 16) + 16;
    const int height = groupsY + unknown->height() + 12;
    FinishLayout(QSize(width, height));
}

namespace {

// By unknown (0 the result, 1 the first part, 2 the second): the two known
// fields in the order they are checked. The field written is the type
// table's.
constexpr int Known[3][2] = {{0, 1}, {2, 1}, {2, 0}};

} // namespace

RField* TFormCombination::GetUnknownField() const {
    return FirstUnknownField();
}

void TFormCombination::ShowUnknown() {
    MarkUnknownFields();
}

void TFormCombination::ShowConfiguration() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    const int wanted = calculation->Configuration() == 0 ? 0 : 1;
    if (wanted != drawing_) {
        const int sign = wanted == 1 ? 1 : -1;
        const QString x = family_.letter;
        MoveBox("Box" + x + "1", sign * firstStep_.x(), sign * firstStep_.y());
        MoveBox("Box" + x + "2", sign * secondStep_.x(), sign * secondStep_.y());
        RSchematic* drawing = Schematic();
        const bool parallel = wanted == 0;
        for (const char* name : {"Circle1", "Circle2", "LineParallelLeft", "LineParallelRight",
                                 "LineParallelTop", "LineParallelBottom", "LineOut"})
            drawing->SetVisible(QString::fromLatin1(name), parallel);
        drawing->SetLine(QStringLiteral("LineIn"), seriesWireFrom_,
                         parallel ? parallelWireTo_ : seriesWireTo_);
        drawing_ = wanted;
    }
    CheckConfigurationRadio(calculation->Configuration());
}

void TFormCombination::Calculate() {
    RCalculation* calculation = Calculation();
    const int unknown = calculation ? calculation->Unknown() : -1;
    if (unknown < 0 || unknown > 2 || calculation->FieldCount() < 3)
        return;
    const std::vector<int> target = UnknownFields();
    if (target.empty())
        return;
    const int knownA = Known[unknown][0];
    const int knownB = Known[unknown][1];
    if (!ValidateFields({knownA, knownB}, family_.impedance))
        return;
    const bool series = calculation->Configuration() != 0;
    const CombinationRule rule =
        series != family_.parallelAdds ? CombinationRule::Additive : CombinationRule::Reciprocal;
    const RField& a = calculation->Field(knownA);
    const RField& b = calculation->Field(knownB);
    Solved solved;
    if (unknown == 0) {
        const CalcTypeInfo& info = *TypeInfo();
        solved = Combine(rule, a.GetComplex(), b.GetComplex(),
                         QStringLiteral("Error: ") + FieldMessageName(info, 0) +
                             QStringLiteral(" and ") + FieldMessageName(info, 1) +
                             QStringLiteral(" are both zero."));
    } else {
        solved = CombinationPart(rule, a.GetComplex(), b.GetComplex(),
                                 family_.impedance ? PartSign::Any : PartSign::NotNegative);
    }
    Finish(target.front(), solved, CombinedUnit(rule, a.Unit(), b.Unit()));
}

namespace {

const QStringList NoPictures;

TFormCombination::Family Resistors() {
    return {
        1,
        QStringLiteral("R"),
        false,
        {QStringLiteral("ImageOhm1"), QStringLiteral("ImageOhm2"), QStringLiteral("ImageOhmOut")}};
}
TFormCombination::Family Capacitors() {
    return {2, QStringLiteral("C"), true, NoPictures};
}
TFormCombination::Family Inductors() {
    return {3, QStringLiteral("L"), false, NoPictures};
}
TFormCombination::Family Impedances() {
    return {4,
            QStringLiteral("Z"),
            false,
            {QStringLiteral("ImageOhm2"), QStringLiteral("ImageOhm3"), QStringLiteral("ImageOhm4")},
            true};
}

} // namespace

TFormResistor::TFormResistor(AppContext& context, QObject* parent)
    : TFormCombination(context, Resistors(), parent) {}

TFormCapacitor::TFormCapacitor(AppContext& context, QObject* parent)
    : TFormCombination(context, Capacitors(), parent) {}

TFormInductor::TFormInductor(AppContext& context, QObject* parent)
    : TFormCombination(context, Inductors(), parent) {}

TFormImpedance::TFormImpedance(AppContext& context, QObject* parent)
    : TFormCombination(context, Impedances(), parent) {}
