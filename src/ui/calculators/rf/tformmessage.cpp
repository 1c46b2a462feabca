#include "ui/calculators/rf/tformmessage.h"

#include "core/calc/antenna.h"
#include "core/text/antennaadvice.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>

namespace {

constexpr int Margin = 10;
constexpr int Spacing = 6;

// The rectangle behind the texts, in the tooltip colours with a thin frame;
// a mouse button pressed on it hides the window.
class RBackground final : public QWidget {
public:
    std::function<void()> onMouseDown;
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent*) override {
        if (onMouseDown)
            onMouseDown();
    }
};

// The panel and the labels hide the window when clicked.
class RClickable final : public QLabel {
public:
    std::function<void()> onClick;
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (onClick)
            onClick();
    }
};

class RPanel final : public QWidget {
public:
    std::function<void()> onClick;
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (onClick)
            onClick();
    }
};

bool IsMousePress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::NonClientAreaMouseButtonPress || type == QEvent::TabletPress ||
           type == QEvent::TouchBegin;
}

} // namespace

TFormMessage::TFormMessage(QWidget* owner)
    // A tooltip window is never activated, on any platform: the edit being
    // typed into keeps the keyboard while the advice shows.
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), owner_(owner) {
    setObjectName(QStringLiteral("FormMessage"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAccessibleName(QStringLiteral("Advice"));

    auto* panel = new RPanel(this);
    panel_ = panel;
    panel_->setObjectName(QStringLiteral("PanelMain"));
    panel->onClick = [this] { PanelMainClick(); };
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    panel_->setPalette(colours);
    panel_->setAutoFillBackground(true);

    auto* background = new RBackground(panel_);
    background_ = background;
    background_->setObjectName(QStringLiteral("BoxBackground"));
    background->onMouseDown = [this] { BoxBackgroundMouseDown(); };

    auto label = [this](const char* name) {
        auto* created = new RClickable(panel_);
        created->setObjectName(QString::fromLatin1(name));
        created->onClick = [this] { PanelMainClick(); };
        return created;
    };
    title_ = label("LabelTitle");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    equation_ = label("LabelEquation");
    QFont italic = equation_->font();
    italic.setItalic(true);
    equation_->setFont(italic);
    equation_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    message_ = label("LabelMessage");
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    dismiss_ = label("LabelDismiss");
    dismiss_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    dismiss_->setText(AdviceDismissText());

    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Spacing);
    layout->addWidget(title_);
    layout->addWidget(equation_);
    layout->addWidget(message_, 1);
    layout->addWidget(dismiss_);
    FixSize(layout);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TFormMessage::FocusWindowChanged);
    if (owner_)
        owner_->installEventFilter(this);
}

// Wide enough for every title and the dismiss line; tall enough for the
// longest advice at that width, and somewhat taller than wide. The size only
// changes for an equation too long for it (a long number at a high display
// precision).
void TFormMessage::FixSize(QLayout* layout) {
    const QFontMetrics boldMetrics(title_->font());
    const QFontMetrics plain(message_->font());
    int width =
        std::max(plain.averageCharWidth() * 34, plain.horizontalAdvance(AdviceDismissText()));
    for (int kind = 1; kind <= 4; ++kind)
        width = std::max(width,
                         boldMetrics.horizontalAdvance(AntennaAdviceText(kind, {}, {}).titleLine));
    baseWidth_ = width;
    for (int kind = 1; kind <= 4; ++kind) {
        const QRect needed =
            plain.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap | Qt::AlignLeft,
                               AntennaAdviceText(kind, {}, {}).advice);
        messageHeight_ = std::max(messageHeight_, needed.height());
    }
    title_->setText(AntennaAdviceText(AdviceSwrTooHigh, {}, {}).titleLine);
    equation_->setText(AntennaAdviceText(AdviceSwrTooHigh, {}, {}).equation);
    message_->setFixedSize(width, messageHeight_);
    const int natural = layout->sizeHint().height();
    const int wanted = FixedWidthFor(QString()) * 8 / 7;
    if (natural < wanted) {
        messageHeight_ += wanted - natural;
        message_->setFixedHeight(messageHeight_);
    }
    setFixedSize(FixedWidthFor(QString()), layout->sizeHint().height());
}

TFormMessage::~TFormMessage() {
    if (watchingApplication_)
        qApp->removeEventFilter(this);
}

int TFormMessage::FixedWidthFor(const QString& equation) const {
    const int content =
        std::max(baseWidth_, QFontMetrics(equation_->font()).horizontalAdvance(equation));
    return content + 2 * Margin;
}

QPoint TFormMessage::CentredPosition(int left, int top, int right, int bottom, QSize size) {
    // Integer division in C++ rounds toward zero, as the placement asks.
    return QPoint((left + right) / 2 - size.width() / 2, (top + bottom) / 2 - size.height() / 2);
}

QPoint TFormMessage::KeptWithin(QPoint position, QSize size, const QRect& available) {
    if (available.isEmpty())
        return position;
    const int x =
        std::max(available.left(),
                 std::min(position.x(), available.left() + available.width() - size.width()));
    const int y =
        std::max(available.top(),
                 std::min(position.y(), available.top() + available.height() - size.height()));
    return QPoint(x, y);
}

void TFormMessage::ShowAdvice(int kind, const QString& first, const QString& second, int left,
                              int top, int right, int bottom) {
    const AdviceText text = AntennaAdviceText(kind, first, second);
    title_->setText(text.titleLine);
    message_->setText(text.advice);
    equation_->setText(text.equation);
    setAccessibleDescription(text.titleLine + QLatin1Char(' ') + text.equation + QLatin1Char(' ') +
                             text.advice);

    const int width = FixedWidthFor(text.equation);
    message_->setFixedWidth(width - 2 * Margin);
    setFixedSize(width, panel_->layout()->sizeHint().height());
    panel_->setGeometry(rect());
    background_->setGeometry(panel_->rect());
    background_->lower();

    over_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (owner_) {
        const QRect owned(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
        insideOwner_ = QMargins(over_.left() - owned.left(), over_.top() - owned.top(),
                                owned.right() - over_.right(), owned.bottom() - over_.bottom());
    }
    Place(over_);
    show();
    QAccessibleEvent shown(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
}

void TFormMessage::Place(const QRect& over) {
    const QPoint centre = over.center();
    QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen) {
        // The nearest screen to a centre that lies on none.
        int best = -1;
        for (QScreen* candidate : QGuiApplication::screens()) {
            const QRect area = candidate->geometry();
            const QPoint inside = KeptWithin(centre, QSize(1, 1), area);
            const int distance = (inside - centre).manhattanLength();
            if (best < 0 || distance < best) {
                best = distance;
                screen = candidate;
            }
        }
    }
    QPoint position = CentredPosition(over.left(), over.top(), over.left() + over.width(),
                                      over.top() + over.height(), size());
    if (screen) {
        if (screen != this->screen())
            setScreen(screen);
        position = KeptWithin(position, size(), screen->availableGeometry());
    }
    move(position);
}

void TFormMessage::FocusWindowChanged(QWindow* window) {
    if (isVisible() && window != windowHandle())
        FormDeactivate();
}

void TFormMessage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // While the advice shows, a click anywhere in the program dismisses it.
    if (!watchingApplication_) {
        qApp->installEventFilter(this);
        watchingApplication_ = true;
    }
}

void TFormMessage::hideEvent(QHideEvent* event) {
    if (watchingApplication_) {
        qApp->removeEventFilter(this);
        watchingApplication_ = false;
    }
    QWidget::hideEvent(event);
}

bool TFormMessage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_ && isVisible() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        // The advice goes where the main window goes, to another screen too.
        const QRect owned(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
        over_ = owned.marginsRemoved(insideOwner_);
        Place(over_);
    } else if (watchingApplication_ && IsMousePress(event->type())) {
        // Seen once per widget on the way up; the first one hides. The
        // click itself goes on to whatever was clicked.
        if (isVisible())
            hide();
    } else if (watchingApplication_ && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (isVisible())
            hide();
    }
    return QWidget::eventFilter(watched, event);
}
