#include "ui/calculators/circuits/tformcombination.h"

#include "core/calctypes.h"
#include "core/componentlines.h"
#include "core/rcalculation.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/rdesignfrequencybox.h"
#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

namespace {

// The pictures beside the ohm radios of the first, second and result box;
// none where the unit is not the ohm.
QStringList OhmPictures(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return {QStringLiteral("ImageOhm1"), QStringLiteral("ImageOhm2"),
                QStringLiteral("ImageOhmOut")};
    case Quantity::Impedance:
        return {QStringLiteral("ImageOhm2"), QStringLiteral("ImageOhm3"),
                QStringLiteral("ImageOhm4")};
    default:
        return {};
    }
}

} // namespace

TFormCombination::TFormCombination(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    for (int field = 0; field < 3; ++field)
        stems_ << FieldMessageName(*TypeInfo(), field);
    BuildSchematic();
}

void TFormCombination::BuildSchematic() {
    const CalcTypeInfo& info = *TypeInfo();
    const QStringList ohms = OhmPictures(info.fields.front().quantity);
    // Impedances keep their order from the input (Z1 first) in series;
    // resistors, capacitors and inductors show the second part there.
    const bool impedance = info.fields.front().quantity == Quantity::Impedance;

    // Declared at the origin first; placed once their size is known.
    QWidget* first = AddBox(TypeBox(0, stems_[0], {}, ohms.value(0)));
    QWidget* second = AddBox(TypeBox(1, stems_[1], {}, ohms.value(1)));
    QWidget* result = AddBox(TypeBox(2, stems_[2], {}, ohms.value(2), true));
    const int w = std::max({first->width(), second->width(), result->width()});
    const int h = std::max({first->height(), second->height(), result->height()});
    const int gap = 24;

    // Series: one straight wire through both boxes.
    const int inputX = 16;
    const int inputSideX = inputX + gap;
    const int outputSideX = inputSideX + w + gap;
    const int firstSeriesX = impedance ? inputSideX : outputSideX;
    const int secondSeriesX = impedance ? outputSideX : inputSideX;
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

    MoveBox("Box" + stems_[0], parallelX, topY - h / 2);
    MoveBox("Box" + stems_[1], parallelX, bottomY - h / 2);
    MoveBox("Box" + stems_[2], resultX, resultY);
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
    QWidget* unknown =
        AddUnknownGroup({"Radio" + stems_[2], "Radio" + stems_[0], "Radio" + stems_[1]},
                        {inputX + type->width() + 16, groupsY});
    type->resize(type->width(), unknown->height());

    // The parts stand under the boxes, short of the parallel branch's wire;
    // the result's may take the room up to the panel's edge.
    for (int field : {0, 1})
        PlacePartLine(field, {0, 1}, w + gap - 4);
    PlacePartLine(2, {0, 1}, 1000);
    int groupsRight = unknown->x() + unknown->width();
    int groupsBottom = groupsY + unknown->height();
    if (HasDesignFrequency(info.type)) {
        // A little lower than the groups: the second box's line may take two
        // rows above it.
        QWidget* frequency = AddDesignFrequencyBox({groupsRight + 16, groupsY + 8});
        groupsRight = frequency->x() + frequency->width();
        groupsBottom = std::max(groupsBottom, frequency->y() + frequency->height());
    }
    const int width = std::max({resultX + w, outputX + 16, groupsRight + 104}) + 16;
    const int height = groupsBottom + 12;
    FinishLayout(QSize(width, height));
}

void TFormCombination::ShowConfiguration() {
    ShowTwoDrawings(drawing_, [this](int sign) {
        MoveBox("Box" + stems_[0], sign * firstStep_.x(), sign * firstStep_.y());
        MoveBox("Box" + stems_[1], sign * secondStep_.x(), sign * secondStep_.y());
        RSchematic* drawing = Schematic();
        const bool parallel = sign < 0;
        for (const char* name : {"Circle1", "Circle2", "LineParallelLeft", "LineParallelRight",
                                 "LineParallelTop", "LineParallelBottom", "LineOut"})
            drawing->SetVisible(QString::fromLatin1(name), parallel);
        drawing->SetLine(QStringLiteral("LineIn"), seriesWireFrom_,
                         parallel ? parallelWireTo_ : seriesWireTo_);
    });
}
