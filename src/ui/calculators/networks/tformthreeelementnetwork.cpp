#include "ui/calculators/networks/tformthreeelementnetwork.h"

#include "core/rextras.h"
#include "ui/framework/rdesignfrequencybox.h"

#include <QWidget>

#include <algorithm>

namespace {

// Right of the Unknown group, room for the design's loaded Q.
constexpr int QRoom = 124;

} // namespace

TFormThreeElementNetwork::TFormThreeElementNetwork(AppContext& context, int type,
                                                   const Shape& toGround, QObject* parent)
    : TFormNetwork(context, type, parent) {
    BuildNetwork(3, QStringLiteral("LineMain"));
    int grounds = 0;
    for (int element = 0; element < 3; ++element) {
        const QString stem = QStringLiteral("Z%1").arg(element + 1);
        if (!toGround[size_t(element)]) {
            PlaceOnWire(stem, element);
            // Beneath a box on the wire between no dropped box before it and
            // one after it, its line may take rows, up to that box's caption.
            if ((element == 0 || !toGround[size_t(element - 1)]) && element + 1 < 3 &&
                toGround[size_t(element + 1)]) {
                PlacePartLine(element + 1, {0, 1}, ColumnX(1) - ColumnX(0) - 2);
                continue;
            }
            // Else its line stops short of the next box on the wire.
            for (int next = element + 1; next < 3; ++next) {
                if (!toGround[size_t(next)]) {
                    PlaceElementLine(element + 1, false,
                                     (next - element) * (ColumnX(1) - ColumnX(0)) - 8);
                    break;
                }
            }
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
    QWidget* frequency =
        AddDesignFrequencyBox(unknown->pos() + QPoint(unknown->width() + 12 + QRoom, 0));
    FinishNetwork(frequency->x() + frequency->width(),
                  std::max({unknown->y() + unknown->height(), q->y() + q->height(),
                            frequency->y() + frequency->height()}));
}
