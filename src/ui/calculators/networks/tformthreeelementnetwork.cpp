#include "ui/calculators/networks/tformthreeelementnetwork.h"

#include "core/calc/networks.h"
#include "core/rcalculation.h"

#include <QWidget>

namespace {

enum Field { Zin = 0, Z1 = 1, Z2 = 2, Z3 = 3, Zout = 4 };

} // namespace

TFormThreeElementNetwork::TFormThreeElementNetwork(AppContext& context, const Shape& shape,
                                                   QObject* parent)
    : TFormNetwork(context, shape.type, parent), shape_(shape) {
    BuildNetwork(3, QStringLiteral("LineMain"));
    int grounds = 0;
    for (int element = 0; element < 3; ++element) {
        const QString stem = QStringLiteral("Z%1").arg(element + 1);
        if (!shape_.toGround[size_t(element)]) {
            PlaceOnWire(stem, element);
            continue;
        }
        QStringList strokes;
        for (int stroke = 1; stroke <= 3; ++stroke)
            strokes << QStringLiteral("LineRes%1").arg(grounds * 3 + stroke);
        ++grounds;
        PlaceOnDrop(stem, element, QStringLiteral("Circle") + stem, QStringLiteral("Line") + stem,
                    strokes);
    }
    QWidget* unknown =
        AddUnknownGroup({QStringLiteral("RadioZout"), QStringLiteral("RadioZin")}, GroupsOrigin());
    FinishNetwork(unknown->x() + unknown->width(), unknown->y() + unknown->height());
}

void TFormThreeElementNetwork::Calculate() {
    RCalculation* calculation = Calculation();
    if (!calculation || calculation->FieldCount() < 5)
        return;
    auto value = [calculation](int field) { return calculation->Field(field).GetComplex(); };
    switch (calculation->Unknown()) {
    case 0:
        if (ValidateFields({Zin, Z1, Z2, Z3}, false))
            Finish(Zout, shape_.zout(value(Zin), value(Z1), value(Z2), value(Z3)));
        break;
    case 1:
        if (ValidateFields({Zout, Z1, Z2, Z3}, false))
            Finish(Zin, shape_.zin(value(Zout), value(Z1), value(Z2), value(Z3)));
        break;
    default:
        break;
    }
}

TFormPiNetwork::TFormPiNetwork(AppContext& context, QObject* parent)
    : TFormThreeElementNetwork(context, {8, {true, false, true}, PiNetworkZout, PiNetworkZin},
                               parent) {}

TFormTNetwork::TFormTNetwork(AppContext& context, QObject* parent)
    : TFormThreeElementNetwork(context, {9, {false, true, false}, TNetworkZout, TNetworkZin},
                               parent) {}
