#pragma once

#include <QColor>
#include <QWidget>

// A small framed rectangle filled with one colour. It does not pick colours
// itself: a mouse press, or Space/Enter while it has the focus, emits
// Pressed and the owner decides what to do.
class RColorSwatch final : public QWidget {
    Q_OBJECT
public:
    explicit RColorSwatch(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void Pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor color_ = Qt::white;
};
