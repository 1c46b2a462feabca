#include "ui/framework/rarrows.h"

#include <QPainter>
#include <QPainterPath>

RArrows::RArrows(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(sizeHint());
}

void RArrows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const qreal middle = height() / 2.0;
    const qreal head = 9;     // length of each head
    const qreal halfHead = 5; // half its width
    const qreal left = 1;
    const qreal right = width() - 1;

    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left + head - 1, middle), QPointF(right - head + 1, middle));

    QPainterPath heads;
    heads.moveTo(left, middle);
    heads.lineTo(left + head, middle - halfHead);
    heads.lineTo(left + head, middle + halfHead);
    heads.closeSubpath();
    heads.moveTo(right, middle);
    heads.lineTo(right - head, middle - halfHead);
    heads.lineTo(right - head, middle + halfHead);
    heads.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(heads);
}
