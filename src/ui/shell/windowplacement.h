#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

// Where the main window goes for a placement read from the configuration,
// whose numbers may be anything a damaged or foreign file holds: left and
// top of the window's frame, width and height inside it. The window is at
// least its minimum size and otherwise, frame included, no larger than the
// available area of its screen; it lies inside that area, so its title bar
// can be reached. A placement on no screen (another screen arrangement, a
// far-off edge) is centred on the first area, the primary screen's. Without
// any screen the size is bounded the same way and the window goes to 0, 0.
// The result is in the same terms: the frame's corner, the inner size.
QRect FitWindowPlacement(qint32 left, qint32 top, qint32 width, qint32 height, QSize minimum,
                         QMargins frame, const QList<QRect>& availableAreas);

// The available areas of the screens, the primary screen's first.
QList<QRect> AvailableScreenAreas();
