#include "ui/shell/rstatuspanel.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

const QColor Navy(0x00, 0x00, 0x80);

// A line of text to a screen reader, like a label, though nothing but the
// panel's own painting shows it.
QAccessibleInterface* PanelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("RStatusPanel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

const char* const RStatusPanel::EmptyName = "Status line";

RStatusPanel::RStatusPanel(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PanelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("StatusPanel0"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromLatin1(EmptyName));
}

void RStatusPanel::SetText(const QString& text, bool warning) {
    const bool changed = text != text_;
    text_ = text;
    warning_ = warning;
    update();
    // Setting them sends the name and description change events, which is
    // how a screen reader learns of a warning that appears, changes or goes.
    // The same warning again, keystroke after keystroke, is not news.
    if (changed) {
        setAccessibleName(text.isEmpty() ? QString::fromLatin1(EmptyName) : text);
        setAccessibleDescription(text);
    }
}

void RStatusPanel::ShowWarning(const QString& text) {
    SetText(text, true);
}

void RStatusPanel::ShowText(const QString& text) {
    SetText(text, false);
}

void RStatusPanel::Clear() {
    SetText(QString(), false);
}

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
