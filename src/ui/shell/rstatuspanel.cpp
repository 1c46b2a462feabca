#include "ui/shell/rstatuspanel.h"

#include <QPainter>

namespace {

const QColor Navy(0x00, 0x00, 0x80);

} // namespace

RStatusPanel::RStatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusPanel0"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RStatusPanel::ShowWarning(const QString& text) {
    text_ = text;
    warning_ = true;
    setAccessibleName(text);
    update();
}

void RStatusPanel::ShowText(const QString& text) {
    text_ = text;
    warning_ = false;
    setAccessibleName(text);
    update();
}

void RStatusPanel::Clear() { ShowText(QString()); }

QSize RStatusPanel::sizeHint() const {
    return QSize(550, fontMetrics().height() + 4);
}

QSize RStatusPanel::minimumSizeHint() const { return QSize(50, fontMetrics().height() + 4); }

void RStatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), warning_ ? Navy : palette().color(QPalette::Window));
    painter.setPen(warning_ ? QColor(Qt::white) : QColor(Qt::black));
    const QRect area = rect().adjusted(3, 1, -3, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text_, Qt::ElideRight, area.width()));
}
