#include "ui/shell/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// The extent bounded below by the minimum and above by the room there is,
// the minimum winning where the room is smaller.
int Fit(qint64 wanted, int minimum, int room) {
    return int(std::max<qint64>(minimum, std::min<qint64>(wanted, room)));
}

// The edge that keeps [edge, edge + extent) inside [low, low + room); the
// low end where the extent is larger than the room.
int Inside(qint64 edge, int extent, int low, int room) {
    const qint64 high = qint64(low) + room - extent;
    return int(std::max<qint64>(low, std::min<qint64>(edge, high)));
}

} // namespace

QRect FitWindowPlacement(qint32 left, qint32 top, qint32 width, qint32 height, QSize minimum,
                         QMargins frame, const QList<QRect>& availableAreas) {
    constexpr int Unbounded = 1 << 24; // Qt's largest widget extent
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    if (availableAreas.isEmpty())
        return QRect(0, 0, Fit(width, minimum.width(), Unbounded),
                     Fit(height, minimum.height(), Unbounded));

    // The screen that holds the middle of the window as stored, in 64 bits:
    // the stored numbers may add up to more than an int holds.
    const qint64 centreX =
        qint64(left) + (std::max<qint64>(width, minimum.width()) + frameWidth) / 2;
    const qint64 centreY =
        qint64(top) + (std::max<qint64>(height, minimum.height()) + frameHeight) / 2;
    const QRect* area = nullptr;
    for (const QRect& candidate : availableAreas) {
        if (centreX >= candidate.left() && centreX <= candidate.right() &&
            centreY >= candidate.top() && centreY <= candidate.bottom()) {
            area = &candidate;
            break;
        }
    }
    const QRect& room = area ? *area : availableAreas.first();
    const int w = Fit(width, minimum.width(), room.width() - frameWidth);
    const int h = Fit(height, minimum.height(), room.height() - frameHeight);
    qint64 x = left;
    qint64 y = top;
    if (!area) {
        QRect centred(0, 0, w + frameWidth, h + frameHeight);
        centred.moveCenter(room.center());
        x = centred.left();
        y = centred.top();
    }
    return QRect(Inside(x, w + frameWidth, room.left(), room.width()),
                 Inside(y, h + frameHeight, room.top(), room.height()), w, h);
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas << screen->availableGeometry();
    }
    return areas;
}
