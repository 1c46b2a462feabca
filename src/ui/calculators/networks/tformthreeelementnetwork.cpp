#include "ui/calculators/networks/tformthreeelementnetwork.h"

#include <QWidget>

TFormThreeElementNetwork::TFormThreeElementNetwork(AppContext& context, int type,
                                                   const Shape& toGround, QObject* parent)
    : TFormNetwork(context, type, parent) {
    BuildNetwork(3, QStringLiteral("LineMain"));
    int grounds = 0;
    for (int element = 0; element < 3; ++element) {
        const QString stem = QStringLiteral("Z%1").arg(element + 1);
        if (!toGround[size_t(element)]) {
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
