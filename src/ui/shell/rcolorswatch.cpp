#include "ui/shell/rcolorswatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Room around the frame for the focus ring, so that gaining the focus never
// changes the size.
constexpr int FocusMargin = 2;

} // namespace

RColorSwatch::RColorSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void RColorSwatch::SetColor(const QColor& color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

QSize RColorSwatch::sizeHint() const {
    const int height = fontMetrics().height() + 2 * FocusMargin + 2;
    return {height * 2 + height / 2, height};
}

void RColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(FocusMargin, FocusMargin, -FocusMargin, -FocusMargin);
    if (hasFocus()) {
        QPen ring(palette().color(QPalette::Highlight), FocusMargin);
        ring.setJoinStyle(Qt::MiterJoin);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    painter.setPen(QPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid), 1));
    painter.setBrush(color_);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void RColorSwatch::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit Pressed();
}

void RColorSwatch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit Pressed();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
