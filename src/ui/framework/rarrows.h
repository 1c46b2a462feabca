#pragma once

#include <QWidget>

// A double-headed horizontal arrow between two quantities that convert into
// each other. It is drawn, not a bitmap, so it stays sharp at any screen
// scale; the background shows through.
class RArrows final : public QWidget {
    Q_OBJECT

public:
    explicit RArrows(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {44, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
