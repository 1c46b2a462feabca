#include "ui/calculators/circuits/tformreactance.h"

#include "ui/framework/rschematic.h"

#include <QWidget>

#include <algorithm>

namespace {

// Fields: 0 the component, 1 the frequency, 2 the reactance; solved for
// the reactance, then for the component.
std::vector<TFormSolver::Solve> ReactanceSolves(Reactor reactor) {
    return {
        {{0, 1}, [reactor](const auto& v) { return ReactanceOf(reactor, v[0], v[1]); }},
        {{1, 2}, [reactor](const auto& v) { return ElementOfReactance(reactor, v[1], v[0]); }},
    };
}

const TFormReactance::Variant Capacitive{5, Reactor::Capacitor, QStringLiteral("C"),
                                         QStringLiteral("Xc")};
const TFormReactance::Variant Inductive{6, Reactor::Inductor, QStringLiteral("L"),
                                        QStringLiteral("Xl")};

} // namespace

TFormReactance::TFormReactance(AppContext& context, const Variant& variant, QObject* parent)
    : TFormSolver(context, variant.type, ReactanceSolves(variant.reactor), parent) {
    BuildLayout(variant);
}

void TFormReactance::BuildLayout(const Variant& variant) {
    // Declared at the origin first; placed once their size is known.
    QWidget* frequency = AddBox(TypeBox(1, QStringLiteral("F"), {}));
    QWidget* element = AddBox(TypeBox(0, variant.element, {}));
    QWidget* reactance =
        AddBox(TypeBox(2, variant.reactance, {}, QStringLiteral("ImageOhm1"), true));
    const int w = std::max({frequency->width(), element->width(), reactance->width()});
    const int h = std::max({frequency->height(), element->height(), reactance->height()});

    // The frequency and the reactance above; the component on a wire
    // between two terminals below them.
    const int left = 16;
    const int topY = 28;
    const int right = left + 2 * w + 64;
    MoveBox(QStringLiteral("BoxF"), left, topY);
    MoveBox("Box" + variant.reactance, right - reactance->width(), topY);
    const int elementX = (left + right - w) / 2;
    const int elementY = topY + h + 40;
    MoveBox("Box" + variant.element, elementX, elementY);

    const int midY = elementY + element->height() / 2;
    const int inputX = left + 8;
    const int outputX = right - 8;
    RSchematic* drawing = Schematic();
    drawing->AddTerminal(QStringLiteral("TerminalIn"), {inputX, midY});
    drawing->AddTerminal(QStringLiteral("TerminalOut"), {outputX, midY});
    drawing->AddLine(QStringLiteral("LineIn"), {inputX + 5, midY}, {elementX, midY});
    drawing->AddLine(QStringLiteral("LineOut"), {elementX + element->width(), midY},
                     {outputX - 5, midY});

    const int groupsY = elementY + h + 20;
    QWidget* unknown =
        AddUnknownGroup({"Radio" + variant.reactance, "Radio" + variant.element}, {left, groupsY});
    // The buttons stand below the component's wire, right of the Unknown group.
    const int width = std::max(right + 16, left + unknown->width() + 24 + 104);
    FinishLayout(QSize(width, groupsY + unknown->height() + 12));
}

TFormReactanceC::TFormReactanceC(AppContext& context, QObject* parent)
    : TFormReactance(context, Capacitive, parent) {}

TFormReactanceI::TFormReactanceI(AppContext& context, QObject* parent)
    : TFormReactance(context, Inductive, parent) {}
