#include "ui/framework/rschematic.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int DotRadius = 4;
constexpr int TerminalRadius = 5;

} // namespace

RSchematic::RSchematic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RSchematic::AddLine(const QString& name, QPoint from, QPoint to) {
    shapes_.append({name, ShapeKind::Line, from, to, true});
    update();
}

void RSchematic::AddDot(const QString& name, QPoint centre) {
    shapes_.append({name, ShapeKind::Dot, centre, centre, true});
    update();
}

void RSchematic::AddTerminal(const QString& name, QPoint centre) {
    shapes_.append({name, ShapeKind::Terminal, centre, centre, true});
    update();
}

RSchematic::Shape* RSchematic::FindShape(const QString& name) {
    for (Shape& shape : shapes_) {
        if (shape.name == name)
            return &shape;
    }
    return nullptr;
}

const RSchematic::Shape* RSchematic::Find(const QString& name) const {
    return const_cast<RSchematic*>(this)->FindShape(name);
}

void RSchematic::SetVisible(const QString& name, bool visible) {
    if (Shape* shape = FindShape(name)) {
        shape->visible = visible;
        update();
    }
}

void RSchematic::SetLine(const QString& name, QPoint from, QPoint to) {
    if (Shape* shape = FindShape(name)) {
        shape->a = from;
        shape->b = to;
        update();
    }
}

void RSchematic::Move(const QString& name, int dx, int dy) {
    if (Shape* shape = FindShape(name)) {
        shape->a += QPoint(dx, dy);
        shape->b += QPoint(dx, dy);
        update();
    }
}

void RSchematic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::SquareCap));
    for (const Shape& shape : shapes_) {
        if (!shape.visible)
            continue;
        switch (shape.kind) {
        case ShapeKind::Line:
            painter.drawLine(shape.a, shape.b);
            break;
        case ShapeKind::Dot:
            painter.setBrush(ink);
            painter.drawEllipse(shape.a, DotRadius, DotRadius);
            break;
        case ShapeKind::Terminal:
            painter.setBrush(palette().color(QPalette::Window));
            painter.drawEllipse(shape.a, TerminalRadius, TerminalRadius);
            break;
        }
        painter.setBrush(Qt::NoBrush);
    }
}

RBox::RBox(bool result, QWidget* parent) : QWidget(parent), result_(result) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    if (result_) {
        painter.fillRect(rect(), QColor(0xE8, 0xE8, 0xE8));
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DotLine));
    } else {
        painter.fillRect(rect(), QColor(0xC8, 0xC8, 0xC8));
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::SolidLine));
    }
    painter.drawRect(frame);
}

RPicture::RPicture(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }

void RPicture::SetPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    setFixedSize(sizeHint());
    update();
}

void RPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

void RPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}
