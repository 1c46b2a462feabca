#include "ui/chart/rsmithchart.h"

#include "ui/chart/chartpainter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// How near the pointer must come to what it points at, in pixels.
constexpr double HoverTolerance = 6;

} // namespace

RSmithChart::RSmithChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Smith chart"));
}

void RSmithChart::SetChart(const SmithChart& chart) {
    chart_ = chart;
    setAccessibleDescription(
        chart.hasImpedance
            ? QStringLiteral("%1 points plotted; the list of plotted points reads them.")
                  .arg(chart.points.size())
            : NoImpedanceText());
    update();
}

void RSmithChart::SetAdmittance(bool shown) {
    if (shown == admittance_)
        return;
    admittance_ = shown;
    update();
}

QString RSmithChart::TooltipAt(const QPoint& position) const {
    if (!chart_.hasImpedance)
        return QString();
    return HitTest(chart_, Frame(), QPointF(position), HoverTolerance, precision_).text;
}

void RSmithChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ChartColours colours = ScreenColours(palette());
    if (!chart_.hasImpedance) {
        painter.fillRect(rect(), QColor(colours.background));
        return;
    }
    QFont small = font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    PaintSmithChart(painter, QRectF(rect()), chart_, colours, admittance_);
}

bool RSmithChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = TooltipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}
