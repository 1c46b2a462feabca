#include "ui/calculators/circuits/tformcombination.h"

#include "core/messages.h"
#include "core/rcalculation.h"
#include "core/units.h"
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
    const int kind = family_.unitKind;
    auto ohm = [this](const QString& name) { return family_.ohmPictures ? name : QString(); };

    // Declared at the origin first; placed once their size is known.
    QWidget* first = AddBox(StandardBox(0, x + "1", x + "1", kind, false, {}, ohm("ImageOhm1")));
    QWidget* second = AddBox(StandardBox(1, x + "2", x + "2", kind, false, {}, ohm("ImageOhm2")));
    QWidget* result = AddBox(StandardBox(2, QStringLiteral("Result"), x + "out", kind, false, {},
                                         ohm("ImageOhmOut"), true));
    const int w = std::max({first->width(), second->width(), result->width()});
    const int h = std::max({first->height(), second->height(), result->height()});
    const int gap = 24;

    // Series: one straight wire through both boxes, the second component at
    // the input end, the first towards the output.
    const int inputX = 16;
    const int secondSeriesX = inputX + gap;
    const int firstSeriesX = secondSeriesX + w + gap;
    const int outputX = firstSeriesX + w + gap;
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
    QWidget* type = AddRadioGroup(GroupRole::Configuration, QStringLiteral("GroupType"),
                                  QStringLiteral("Type"),
                                  {QStringLiteral("RadioParallel"), QStringLiteral("RadioSeries")},
                                  {QStringLiteral("Parallel"), QStringLiteral("Series")},
                                  {inputX, groupsY});
    QWidget* unknown = AddRadioGroup(
        GroupRole::Unknown, QStringLiteral("GroupUnknown"), QStringLiteral("Unknown"),
        {"Radio" + x + "out", "Radio" + x + "1", "Radio" + x + "2"},
        {QStringLiteral("Result"), x + "1", x + "2"}, {inputX + type->width() + 16, groupsY});
    type->resize(type->width(), unknown->height());

    const int width = std::max(resultX + w, outputX + 16) + 16;
    const int height = groupsY + unknown->height() + 12;
    FinishLayout(QSize(width, height));
}

RField* TFormCombination::GetUnknownField() const {
    RCalculation* calculation = Calculation();
    if (!calculation || calculation->FieldCount() < 3)
        return nullptr;
    switch (calculation->Unknown()) {
    case 0:
        return &calculation->Field(2);
    case 1:
        return &calculation->Field(0);
    case 2:
        return &calculation->Field(1);
    default:
        return nullptr;
    }
}

void TFormCombination::ShowUnknown() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    const int unknown = calculation->Unknown();
    // Unknown 0 is the result (field 2), 1 and 2 the components (fields 0 and 1).
    const int tags[3] = {21, 1, 11};
    QList<int> marked;
    QList<int> others;
    for (int position = 0; position < 3; ++position)
        (position == unknown ? marked : others).append(tags[position]);
    MarkEdits(marked, others);
    CheckUnknownRadio(unknown);
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
    if (!calculation || calculation->FieldCount() < 3)
        return;
    const int unknown = calculation->Unknown();
    if (unknown < 0 || unknown > 2)
        return;
    const bool series = calculation->Configuration() != 0;
    const bool additive = series != family_.parallelAdds;
    const QString x = family_.letter;

    RField& first = calculation->Field(0);
    RField& second = calculation->Field(1);
    RField& result = calculation->Field(2);
    // The two known quantities, in the order they are checked.
    struct Known {
        RField& field;
        QString name;
    };
    const Known known[3][2] = {
        {{first, x + "1"}, {second, x + "2"}},
        {{result, x + "out"}, {second, x + "2"}},
        {{result, x + "out"}, {first, x + "1"}},
    };
    for (const Known& input : known[unknown]) {
        if (!input.field.Validate(input.name, false))
            return;
    }
    const Complex a = known[unknown][0].field.GetComplex();
    const Complex b = known[unknown][1].field.GetComplex();
    const int ua = known[unknown][0].field.unitIndex;
    const int ub = known[unknown][1].field.unitIndex;
    const int target = unknown == 0 ? 2 : unknown - 1;

    Complex value;
    int unit;
    if (additive) {
        // X = X1 + X2, or a component as the difference of result and the other.
        value = unknown == 0 ? a + b : a - b;
        if (unknown != 0 && value.re < 0) {
            ShowWarning(QStringLiteral("Error: No solution."));
            return;
        }
        unit = std::max(ua, ub);
    } else {
        // 1/X = 1/X1 + 1/X2.
        if (unknown == 0) {
            const Complex sum = a + b;
            if (norm(sum) == 0) {
                ShowWarning(QStringLiteral("Error: ") + x + "1 and " + x + "2 are both zero.");
                return;
            }
            value = a * b / sum;
        } else {
            const Complex difference = b - a;
            if (norm(difference) == 0 || difference.re < 0) {
                ShowWarning(QStringLiteral("Error: No solution."));
                return;
            }
            value = a * b / difference;
        }
        unit = std::min(ua, ub);
    }
    StoreResult(target, value, unit);
}

namespace {

TFormCombination::Family Resistors() {
    return {1, QStringLiteral("R"), KindNumber(UnitKind::Resistance), false, true};
}
TFormCombination::Family Capacitors() {
    return {2, QStringLiteral("C"), KindNumber(UnitKind::Capacitance), true, false};
}
TFormCombination::Family Inductors() {
    return {3, QStringLiteral("L"), KindNumber(UnitKind::Inductance), false, false};
}

} // namespace

TFormResistor::TFormResistor(AppContext& context, QObject* parent)
    : TFormCombination(context, Resistors(), parent) {}

TFormCapacitor::TFormCapacitor(AppContext& context, QObject* parent)
    : TFormCombination(context, Capacitors(), parent) {}

TFormInductor::TFormInductor(AppContext& context, QObject* parent)
    : TFormCombination(context, Inductors(), parent) {}
