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
    // The values of the grid and the labels a little smaller than the text.
    QFont small = font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
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

const QPixmap& RSmithChart::Grid(const ChartColours& colours) {
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringList{QString::number(width()),
                                    QString::number(height()),
                                    QString::number(ratio),
                                    QString::number(admittance_),
                                    font().key(),
                                    colours.background,
                                    colours.grid,
                                    colours.rim,
                                    colours.admittance,
                                    colours.label}
                            .join(u' ');
    if (key != gridKey_) {
        gridKey_ = key;
        grid_ = QPixmap(size() * ratio);
        grid_.setDevicePixelRatio(ratio);
        QPainter painter(&grid_);
        painter.setFont(font());
        PaintChartGrid(painter, QRectF(rect()), colours, admittance_);
    }
    return grid_;
}

void RSmithChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const ChartColours colours = ScreenColours(palette());
    if (!chart_.hasImpedance) {
        painter.fillRect(rect(), QColor(colours.background));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, NoImpedanceText());
        return;
    }
    painter.drawPixmap(0, 0, Grid(colours));
    PaintChartContent(painter, QRectF(rect()), chart_, colours);
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
