#include "ui/calculators/circuits/tformresonant.h"

#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

TFormResonant::TFormResonant(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    BuildLayout();
}

void TFormResonant::BuildLayout() {
    QWidget* inductance = AddBox(TypeBox(0, QStringLiteral("I"), {}));
    QWidget* capacitance = AddBox(TypeBox(1, QStringLiteral("C"), {}));
    QWidget* frequency = AddBox(TypeBox(2, QStringLiteral("F"), {}, QString(), true));
    const int w = std::max({inductance->width(), capacitance->width(), frequency->width()});
    const int h = std::max({inductance->height(), capacitance->height()});

    // The coil and the capacitor side by side, joined at top and bottom into
    // one resonant circuit; the frequency above to the right.
    const int left = 16;
    const int gap = 48;
    const int frequencyX = left + w + gap;
    MoveBox(QStringLiteral("BoxF"), frequencyX, 28);
    const int tankY = 28 + frequency->height() + 56;
    MoveBox(QStringLiteral("BoxI"), left, tankY);
    MoveBox(QStringLiteral("BoxC"), frequencyX, tankY);

    const int topRail = tankY - 24;
    const int bottomRail = tankY + h + 14;
    const int inductanceX = left + w / 2;
    const int capacitanceX = frequencyX + w / 2;
    RSchematic* drawing = Schematic();
    drawing->AddLine(QStringLiteral("LineTop"), {inductanceX, topRail}, {capacitanceX, topRail});
    drawing->AddLine(QStringLiteral("LineBottom"), {inductanceX, bottomRail},
                     {capacitanceX, bottomRail});
    for (int x : {inductanceX, capacitanceX}) {
        drawing->AddLine(QStringLiteral("LineUp%1").arg(x), {x, topRail}, {x, tankY});
        drawing->AddLine(QStringLiteral("LineDown%1").arg(x), {x, tankY + h}, {x, bottomRail});
    }

    const int groupsY = bottomRail + 16;
    QWidget* unknown = AddUnknownGroup(
        {QStringLiteral("RadioF"), QStringLiteral("RadioI"), QStringLiteral("RadioC")},
        {left, groupsY});
    // A part solved for stands under the bottom rail; the coil's right of
    // the Unknown group.
    const int underRail = bottomRail + 4 - (tankY + h);
    PlacePartLine(0, {unknown->width() + 8, underRail}, 1000);
    PlacePartLine(1, {0, underRail}, 1000);
    // The buttons stand below the circuit, right of the Unknown group.
    const int width = std::max(frequencyX + w + 16, left + unknown->width() + 24 + 104);
    FinishLayout(QSize(width, groupsY + unknown->height() + 12));
}
