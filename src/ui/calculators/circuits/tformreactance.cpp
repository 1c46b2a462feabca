#include "ui/calculators/circuits/tformreactance.h"

#include "core/calctypes.h"
#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

TFormReactance::TFormReactance(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    BuildLayout();
}

void TFormReactance::BuildLayout() {
    const QString elementStem = FieldMessageName(*TypeInfo(), 0);
    const QString reactanceStem = FieldMessageName(*TypeInfo(), 2);
    // Declared at the origin first; placed once their size is known.
    QWidget* frequency = AddBox(TypeBox(1, QStringLiteral("F"), {}));
    QWidget* element = AddBox(TypeBox(0, elementStem, {}));
    QWidget* reactance = AddBox(TypeBox(2, reactanceStem, {}, QStringLiteral("ImageOhm1"), true));
    const int w = std::max({frequency->width(), element->width(), reactance->width()});
    const int h = std::max({frequency->height(), element->height(), reactance->height()});

    // The frequency and the reactance above; the component on a wire
    // between two terminals below them.
    const int left = 16;
    const int topY = 28;
    const int right = left + 2 * w + 64;
    MoveBox(QStringLiteral("BoxF"), left, topY);
    MoveBox("Box" + reactanceStem, right - reactance->width(), topY);
    const int elementX = (left + right - w) / 2;
    const int elementY = topY + h + 40;
    MoveBox("Box" + elementStem, elementX, elementY);

    const int midY = elementY + element->height() / 2;
    const int inputX = left + 8;
    const int outputX = right - 8;
    RSchematic* drawing = Schematic();
    drawing->AddTerminal(QStringLiteral("TerminalIn"), {inputX, midY});
    drawing->AddTerminal(QStringLiteral("TerminalOut"), {outputX, midY});
    drawing->AddLine(QStringLiteral("LineIn"), {inputX + 5, midY}, {elementX, midY});
    drawing->AddLine(QStringLiteral("LineOut"), {elementX + element->width(), midY},
                     {outputX - 5, midY});

    PlacePartLine(0, {0, 1}, 1000);
    const int groupsY = elementY + h + 20;
    QWidget* unknown =
        AddUnknownGroup({"Radio" + reactanceStem, "Radio" + elementStem}, {left, groupsY});
    // The buttons stand below the component's wire, right of the Unknown group.
    const int width = std::max(right + 16, left + unknown->width() + 24 + 104);
    FinishLayout(QSize(width, groupsY + unknown->height() + 12));
}
