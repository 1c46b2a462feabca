#pragma once

#include <QWidget>

class QAbstractButton;

// The small raised power (the 2 of square inches, the 3 of cubic feet)
// beside a unit radio's caption. It is drawn in a smaller font at the
// screen's own resolution, so it is sharp at any scale; a click on it is a
// click on its radio.
class RSuperscript final : public QWidget {
    Q_OBJECT

public:
    RSuperscript(int power, QAbstractButton* radio, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    const QString& Digit() const { return digit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Sizes itself and its radio to the radio's caption.
    void Fit();
    QFont SmallFont() const;

    QString digit_;
    QAbstractButton* radio_;
};
