#include "ui/calculators/converters/rsuperscript.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

RSuperscript::RSuperscript(int power, QAbstractButton* radio, QWidget* parent)
    : QWidget(parent), digit_(QString::number(power)), radio_(radio) {
    Fit();
    radio->installEventFilter(this);
}

void RSuperscript::Fit() {
    setFixedSize(sizeHint());
    // The radio ends where its caption does (with room for the focus frame),
    // so that the power stands right after the caption.
    QStyleOptionButton option;
    option.initFrom(radio_);
    option.text = radio_->text();
    const QRect contents =
        radio_->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio_);
    const int captionEnd =
        contents.left() +
        int(std::ceil(QFontMetricsF(radio_->font()).horizontalAdvance(option.text)));
    radio_->setFixedWidth(std::min(radio_->sizeHint().width(), captionEnd + 1));
}

bool RSuperscript::eventFilter(QObject* watched, QEvent* event) {
    // Another font or style gives the caption another size, once the radio
    // itself has taken the change.
    if (watched == radio_ &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        QMetaObject::invokeMethod(this, &RSuperscript::Fit, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

QFont RSuperscript::SmallFont() const {
    QFont small = radio_->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.72);
    else
        small.setPixelSize(std::max(6, int(std::lround(small.pixelSize() * 0.72))));
    return small;
}

QSize RSuperscript::sizeHint() const {
    const QFontMetricsF metrics(SmallFont());
    return QSize(int(std::ceil(metrics.horizontalAdvance(digit_))) + 2,
                 radio_->sizeHint().height());
}

void RSuperscript::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The radio centres its caption vertically; the digit's top stands at
    // the caption's capital height, as a typeset superscript does.
    const QFontMetricsF caption(radio_->font());
    const QFont small = SmallFont();
    const QFontMetricsF metrics(small);
    const qreal baseline = (height() - caption.height()) / 2 + caption.ascent();
    const qreal raised = baseline - caption.capHeight() + metrics.capHeight();
    painter.setFont(small);
    painter.setPen(radio_->palette().color(
        radio_->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QPointF(0, raised), digit_);
}

void RSuperscript::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    radio_->setFocus(Qt::MouseFocusReason);
    radio_->click();
}
