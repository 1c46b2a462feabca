#include "ui/calculators/networks/tformthreeelementnetwork.h"

#include "core/rextras.h"

#include <QWidget>

#include <algorithm>

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
    QWidget* unknown = AddUnknownGroup(
        {QStringLiteral("RadioZout"), QStringLiteral("RadioZin"), QStringLiteral("RadioDesign")},
        GroupsOrigin());
    // The loaded Q a design is made for, beside the Unknown group, its
    // caption level with the group's title.
    const QString stem = QStringLiteral("Q");
    QWidget* q = AddExtraBox({ExtraKeys::Q, stem, stem, true},
                             {unknown->x() + unknown->width() + 12, unknown->y()});
    if (auto* caption = PanelMain()->findChild<QWidget*>(QStringLiteral("Label") + stem))
        MoveBox(q->objectName(), 0, caption->height() + 1);
    FinishNetwork(q->x() + q->width(),
                  std::max(unknown->y() + unknown->height(), q->y() + q->height()));
}
