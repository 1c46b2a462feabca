#pragma once

#include "core/chart/chartframe.h"

#include <QPixmap>
#include <QWidget>

// The Smith chart on the screen: draws what it is given in the palette's
// colours; hovering a point, a path or a circle shows its reading.
class RSmithChart final : public QWidget {
    Q_OBJECT

public:
    explicit RSmithChart(QWidget* parent = nullptr);

    void SetChart(const SmithChart& chart);
    const SmithChart& Chart() const { return chart_; }
    void SetAdmittance(bool shown);
    bool Admittance() const { return admittance_; }
    // Significant digits of the tooltips' numbers.
    void SetPrecision(int precision) { precision_ = precision; }
    ChartFrame Frame() const { return FrameFor(QRectF(rect())); }
    // The tooltip of a place of the chart; empty where nothing lies.
    QString TooltipAt(const QPoint& position) const;

    QSize sizeHint() const override { return QSize(440, 440); }
    QSize minimumSizeHint() const override { return QSize(220, 220); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The grid, drawn again only when the size, the pixel ratio, the
    // colours, the font or the admittance grid change.
    const QPixmap& Grid(const ChartColours& colours);

    SmithChart chart_;
    QPixmap grid_;
    QString gridKey_;
    bool admittance_ = false;
    int precision_ = 4;
};
