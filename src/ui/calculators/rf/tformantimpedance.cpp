#include "ui/calculators/rf/tformantimpedance.h"

#include "core/calc/antenna.h"
#include "core/calctypes.h"
#include "core/calculationsolver.h"
#include "core/rcalculation.h"
#include "core/rfield.h"
#include "core/text/antennaadvice.h"
#include "ui/calculators/rf/advicepopup.h"
#include "ui/framework/appcontext.h"
#include "ui/framework/rschematic.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

constexpr int Edge = 16;
constexpr int Gap = 16;
constexpr int WireGap = 24;

// Moves a box and its caption from the panel into a group of it.
void Adopt(QWidget* group, QWidget* box, QWidget* caption, QPoint boxPosition) {
    for (QWidget* widget : {box, caption}) {
        widget->setParent(group);
        widget->show();
    }
    box->move(boxPosition);
    caption->move(boxPosition.x(), boxPosition.y() - caption->height() - 1);
}

} // namespace

TFormAntImpedance::TFormAntImpedance(AppContext& context, int type, QObject* parent)
    : TFormProblem(context, type, parent) {
    BuildLayout();
}

void TFormAntImpedance::BuildLayout() {
    QWidget* panel = PanelMain();
    // In the order the keyboard visits them: the readings, the added
    // circuit, the result.
    QWidget* f = AddBox(TypeBox(0, QStringLiteral("F"), {}));
    QWidget* z = AddBox(TypeBox(1, QStringLiteral("Z"), {}, QStringLiteral("ImageOhm1")));
    QWidget* swr = AddBox(TypeBox(2, QStringLiteral("SWR"), {}));
    QWidget* resistor =
        AddBox(TypeBox(3, QStringLiteral("ZResistor"), {}, QStringLiteral("ImageOhm2")));
    QWidget* reactance =
        AddBox(TypeBox(4, QStringLiteral("ZCapacitor"), {}, QStringLiteral("ImageOhm4")));
    BoxSpec impedance =
        TypeBox(5, QStringLiteral("Impedance"), {}, QStringLiteral("ImageOhm3"), true);
    impedance.imagName = QStringLiteral("EditJImpedance");
    QWidget* result = AddBox(impedance);

    auto caption = [panel](const char* name) {
        return panel->findChild<QLabel*>(QString::fromLatin1(name));
    };
    labelReactance_ = caption("LabelZCapacitor");
    const int captionHeight = labelReactance_->height() + 1;

    // The readings: three boxes of one height in a row.
    const int readingHeight = std::max({f->height(), z->height(), swr->height()});
    for (QWidget* box : {f, z, swr})
        box->resize(box->width(), readingHeight);
    const int baseWidth = f->width() + z->width() + swr->width() + 2 * Gap;
    const int addedHeight = std::max(resistor->height(), reactance->height());
    resistor->resize(resistor->width(), addedHeight);
    reactance->resize(reactance->width(), addedHeight);

    // The result goes to the top right once the width is known.
    const int resultY = 8 + captionHeight;
    const int extraY = resultY + result->height() + 6;
    RSchematic* wiring = BuildAddedCircuit(resistor, reactance, extraY, captionHeight);

    // The readings below it; they move up when there is no added circuit.
    panelBase_ = new QWidget(panel);
    panelBase_->setObjectName(QStringLiteral("PanelBase"));
    const int baseY = extraY + panelExtra_->height() + 6;
    panelBase_->setGeometry(0, baseY, baseWidth + 2 * Edge, captionHeight + readingHeight + 4);
    const std::pair<QWidget*, const char*> readings[] = {
        {f, "LabelF"}, {z, "LabelZ"}, {swr, "LabelSWR"}};
    int x = Edge;
    for (const auto& [box, name] : readings) {
        Adopt(panelBase_, box, caption(name), {x, captionHeight});
        x += box->width() + Gap;
    }
    baseStep_ = baseY - extraY;

    const int groupsY = baseY + panelBase_->height() + 8;
    QWidget* type = AddConfigurationGroup(QStringLiteral("GroupType"), QStringLiteral("Type"),
                                          {QStringLiteral("RadioNoCircuit"),
                                           QStringLiteral("RadioResistorCapacitor"),
                                           QStringLiteral("RadioResistorCoil")},
                                          {Edge, groupsY});
    groupSolution_ = AddRadioGroup(
        GroupRole::Solution, QStringLiteral("GroupSolution"), QStringLiteral("Solution"),
        {QStringLiteral("RadioSolution1"), QStringLiteral("RadioSolution2")},
        {QStringLiteral("Solution 1"), QStringLiteral("Solution 2")},
        {Edge + type->width() + Gap, groupsY});
    groupSolution_->resize(groupSolution_->width(), type->height());
    groupSolution_->hide();

    // The buttons stand at the lower right, beside the groups.
    const int buttonsWidth = 88 + 8;
    const int groupsWidth = groupSolution_->x() + groupSolution_->width() + Gap + buttonsWidth;
    const int width = std::max({baseWidth + 2 * Edge, panelExtra_->width(), groupsWidth});
    MoveBox(QStringLiteral("BoxImpedance"), width - Edge - result->width(), resultY);
    for (QWidget* group : {panelExtra_, panelBase_, static_cast<QWidget*>(wiring)})
        group->resize(width, group->height());
    // The added circuit's captions stand right under the impedance: its
    // parts stand at its left, level with its bottom.
    PlacePartLine(5, {-8, 0}, width, PartSide::Beside);
    FinishLayout(QSize(width, groupsY + type->height() + 12));
}

RSchematic* TFormAntImpedance::BuildAddedCircuit(QWidget* resistor, QWidget* reactance, int top,
                                                 int captionHeight) {
    const int addedHeight = resistor->height();
    panelExtra_ = new QWidget(PanelMain());
    panelExtra_->setObjectName(QStringLiteral("PanelExtra"));
    panelExtra_->setGeometry(
        0, top, resistor->width() + reactance->width() + 3 * WireGap + 2 * 6 + 2 * Edge,
        captionHeight + addedHeight + 4);
    auto* wiring = new RSchematic(panelExtra_);
    wiring->setObjectName(QStringLiteral("SchematicExtra"));
    wiring->setGeometry(panelExtra_->rect());
    const int wireY = captionHeight + addedHeight / 2;
    const int inputX = Edge + 6;
    const int resistorX = inputX + WireGap;
    const int reactanceX = resistorX + resistor->width() + WireGap;
    const int antennaX = reactanceX + reactance->width() + WireGap;
    wiring->AddTerminal(QStringLiteral("CircleInput"), {inputX, wireY});
    wiring->AddTerminal(QStringLiteral("CircleAntenna"), {antennaX, wireY});
    wiring->AddLine(QStringLiteral("LineAdded"), {inputX + 5, wireY}, {antennaX - 5, wireY});
    Adopt(panelExtra_, resistor, PanelMain()->findChild<QLabel*>(QStringLiteral("LabelZResistor")),
          {resistorX, captionHeight});
    Adopt(panelExtra_, reactance, labelReactance_, {reactanceX, captionHeight});
    auto terminalLabel = [this](const char* name, const QString& text, int centreX, int top) {
        auto* label = new QLabel(text, panelExtra_);
        label->setObjectName(QString::fromLatin1(name));
        label->adjustSize();
        label->move(std::max(0, centreX - label->width() / 2), top);
    };
    terminalLabel("LabelRF1", QStringLiteral("RF1"), inputX, wireY + 8);
    terminalLabel("LabelAntenna", QStringLiteral("Antenna"), antennaX, wireY + 8);
    return wiring;
}

void TFormAntImpedance::ShowConfiguration() {
    RCalculation* calculation = Calculation();
    if (!calculation)
        return;
    const int configuration = calculation->Configuration();
    const bool shown = HasAddedCircuit(configuration);
    if (shown != extraShown_) {
        panelExtra_->setVisible(shown);
        panelBase_->move(panelBase_->pos() + QPoint(0, shown ? baseStep_ : -baseStep_));
        extraShown_ = shown;
    }
    if (shown) {
        const QString label = FieldLabel(*TypeInfo(), 4, configuration);
        labelReactance_->setText(label);
        labelReactance_->adjustSize();
        if (QWidget* edit = GetControl(41))
            edit->setAccessibleName(label);
    }
    CheckConfigurationRadio(configuration);
}

void TFormAntImpedance::ShowSolutions() {
    RCalculation* calculation = Calculation();
    const int solution = calculation ? calculation->Solution() : -1;
    const bool shown = solution == 0 || solution == 1;
    groupSolution_->setVisible(shown);
    CheckSolutionRadio(solution);
}

QRect TFormAntImpedance::AdviceArea() const {
    const QWidget* over = Context().centralPanel ? Context().centralPanel : PanelMain();
    return QRect(over->mapToGlobal(QPoint(0, 0)), over->size());
}

void TFormAntImpedance::SwitchToAddedCircuit() {
    // Not a change of the user's: the worksheet is not marked and the result stays.
    RCalculation* calculation = Calculation();
    if (calculation->Configuration() != NoAddedCircuit)
        return;
    calculation->SetConfiguration(AddedCapacitor);
    ShowConfiguration();
}

void TFormAntImpedance::ShowAdvice(const SolveResult& result) {
    const RCalculation* calculation = Calculation();
    const int precision = Precision();
    const AdviceQuote quote =
        QuoteOfAdvice(result.advice, calculation->Field(2).FormatReal(precision),
                      result.quoted.at(0), result.quoted.at(1), precision);
    if (AdvicePopup* popup = Context().advice) {
        const QRect area = AdviceArea();
        popup->ShowAdvice(result.advice, quote.first, quote.second, area.left(), area.top(),
                          area.left() + area.width(), area.top() + area.height());
    }
    SwitchToAddedCircuit();
}
