#include "ui/presentation/rtabcontrol.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

RTabControl::RTabControl(QWidget* parent) : QWidget(parent) {
    m_page = new QWidget(this);
    m_page->setObjectName(QStringLiteral("TabCalculationPage"));
    auto* layout = new QVBoxLayout(m_page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_page->installEventFilter(this);

    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    PlacePage();
}

void RTabControl::ClearTabs() {
    m_captions.clear();
    m_index = -1;
    LayoutChanged();
}

int RTabControl::AddTab(const QString& caption) {
    // Measured rectangles stay good: the new tab only extends the strip.
    const bool measured = m_lefts.size() == m_captions.size() + 1;
    m_captions.append(caption);
    if (measured)
        m_lefts.append(m_lefts.last() + std::max(fontMetrics().horizontalAdvance(caption) +
                                                     kCaptionPadding,
                                                 kMinTabWidth));
    // Like any tab control, one that gets its first tab shows it.
    if (m_index < 0 && m_captions.size() == 1)
        m_index = 0;
    UpdateHot();
    updateGeometry();
    update();
    return m_captions.size() - 1;
}

QString RTabControl::TabCaption(int index) const {
    return index >= 0 && index < Count() ? m_captions.at(index) : QString();
}

void RTabControl::SetTabCaption(int index, const QString& caption) {
    if (index < 0 || index >= Count() || m_captions.at(index) == caption)
        return;
    m_captions[index] = caption;
    LayoutChanged();
}

void RTabControl::SetTabIndex(int index) {
    if (index < -1 || index >= Count() || index == m_index)
        return;
    m_index = index;
    UpdateHot();
    update();
}

void RTabControl::SetTabPosition(Position position) {
    if (position == m_position)
        return;
    m_position = position;
    PlacePage();
    UpdateHot();
    update();
}

void RTabControl::SetVisualStylesEnabled(bool enabled) {
    if (enabled == m_stylesEnabled)
        return;
    m_stylesEnabled = enabled;
    update();
}

// Qt's "windows" style is the classic look that has no visual style, so it
// gets the plain tabs that the classic look draws at the bottom.
bool RTabControl::VisualStylesAvailable() const {
    return style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

bool RTabControl::UsesOwnPainting() const {
    return VisualStylesAvailable() && m_stylesEnabled && m_position == Position::Bottom;
}

int RTabControl::GetTabHeight() const {
    // The height of "A" as a line of text: ascent plus descent, whatever the letter.
    return fontMetrics().height() + 8;
}

// The left edges of all tabs (and the right edge of the last), measured once
// per change of captions or font: a strip of a thousand tabs is painted and
// hit-tested without measuring a thousand captions each time.
void RTabControl::EnsureRects() const {
    if (m_lefts.size() == m_captions.size() + 1)
        return;
    const QFontMetrics metrics = fontMetrics();
    m_lefts.resize(m_captions.size() + 1);
    int left = kFirstTabX;
    for (int i = 0; i < m_captions.size(); ++i) {
        m_lefts[i] = left;
        left += std::max(metrics.horizontalAdvance(m_captions.at(i)) + kCaptionPadding,
                         kMinTabWidth);
    }
    m_lefts[m_captions.size()] = left;
}

int RTabControl::TabWidth(int index) const {
    EnsureRects();
    return m_lefts[index + 1] - m_lefts[index];
}

QRect RTabControl::GetTabRect(int index) const {
    if (index < 0 || index >= Count())
        return QRect();
    EnsureRects();
    return QRect(m_lefts[index], 0, TabWidth(index), GetTabHeight());
}

int RTabControl::VisibleTabCount() const {
    EnsureRects();
    int count = 0;
    while (count < Count() && m_lefts[count] < width())
        ++count;
    return count;
}

int RTabControl::StripTop() const {
    return m_position == Position::Bottom ? height() - GetTabHeight() : 0;
}

QRect RTabControl::StripRect() const {
    return QRect(0, StripTop(), width(), GetTabHeight());
}

QRect RTabControl::PaneRect() const {
    const int th = GetTabHeight();
    const int paneHeight = height() - th + 1;
    return m_position == Position::Bottom ? QRect(0, 0, width(), paneHeight)
                                          : QRect(0, th - 1, width(), paneHeight);
}

QRect RTabControl::OnScreenTabRect(int index) const {
    return GetTabRect(index).translated(0, StripTop());
}

QSize RTabControl::CaptionSize(int index) const {
    const QFontMetrics fm = fontMetrics();
    return QSize(fm.horizontalAdvance(m_captions.at(index)), fm.height());
}

int RTabControl::TabAt(const QPoint& pos) const {
    if (m_index >= 0) {
        // The raised tab covers the edges of its neighbours.
        QRect raised = OnScreenTabRect(m_index).adjusted(-kRaise, 0, kRaise, 0);
        if (m_position == Position::Bottom)
            raised.setTop(raised.top() - kRaise);
        else
            raised.setBottom(raised.bottom() + kRaise);
        if (raised.contains(pos))
            return m_index;
    }
    for (int i = 0; i < Count(); ++i) {
        if (OnScreenTabRect(i).contains(pos))
            return i;
    }
    return -1;
}

int RTabControl::PageMargin() const {
    // Keep the hosted panel off the pane's frame, which in most styles is two
    // lines even where the style reports one.
    return std::max(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this), 2);
}

void RTabControl::PlacePage() {
    const int frame = PageMargin();
    QRect page = PaneRect().adjusted(frame, frame, -frame, -frame);
    // At the bottom the pane's lower edge is the strip's mirrored upper edge,
    // one row above where the pane itself would end.
    if (m_position == Position::Bottom)
        page.setBottom(height() - GetTabHeight() - 1 - frame);
    m_page->setGeometry(page.x(), page.y(), std::max(page.width(), 0), std::max(page.height(), 0));
}

void RTabControl::LayoutChanged() {
    m_lefts.clear();
    UpdateHot();
    updateGeometry();
    update();
}

QSize RTabControl::sizeHint() const {
    const int frame = PageMargin();
    const QSize page = m_page->sizeHint().expandedTo(m_page->minimumSize());
    int tabs = 2 * kFirstTabX;
    for (int i = 0; i < Count(); ++i)
        tabs += TabWidth(i);
    return QSize(std::max(page.width() + 2 * frame, tabs),
                 page.height() + 2 * frame + GetTabHeight());
}

QSize RTabControl::minimumSizeHint() const {
    const int frame = PageMargin();
    const QSize page = m_page->minimumSizeHint().expandedTo(m_page->minimumSize());
    return QSize(page.width() + 2 * frame, page.height() + 2 * frame + GetTabHeight());
}

void RTabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlacePage();
    UpdateHot();
}

void RTabControl::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::FontChange:
        m_styleHover = -1;
        PlacePage();
        LayoutChanged();
        break;
    case QEvent::PaletteChange:
        m_styleHover = -1;
        update();
        break;
    case QEvent::EnabledChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void RTabControl::mousePressEvent(QMouseEvent* event) {
    const int index = event->button() == Qt::LeftButton ? TabAt(event->position().toPoint()) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SelectByUser(index);
    event->accept();
}

void RTabControl::mouseMoveEvent(QMouseEvent* event) {
    TrackMouse(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void RTabControl::focusInEvent(QFocusEvent* event) {
    update(StripRect());
    QWidget::focusInEvent(event);
}

void RTabControl::focusOutEvent(QFocusEvent* event) {
    update(StripRect());
    QWidget::focusOutEvent(event);
}

void RTabControl::leaveEvent(QEvent* event) {
    m_mouseInside = false;
    UpdateHot();
    QWidget::leaveEvent(event);
}

bool RTabControl::eventFilter(QObject* watched, QEvent* event) {
    // Moving from a tab straight into the page never leaves this control, so
    // the page's own Enter is the sign that no tab is under the mouse.
    if (watched == m_page && event->type() == QEvent::Enter) {
        m_mouseInside = false;
        UpdateHot();
    }
    return QWidget::eventFilter(watched, event);
}

void RTabControl::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const int key = event->key();
    // Ctrl+Tab and Ctrl+PgDown reach this control from whatever holds the
    // focus on the page, so they switch tabs from anywhere inside it.
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        const bool back = key == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        Step(back ? -1 : 1, true);
    } else if (ctrl && key == Qt::Key_PageDown) {
        Step(1, true);
    } else if (ctrl && key == Qt::Key_PageUp) {
        Step(-1, true);
    } else if (hasFocus() && mods == Qt::NoModifier && key == Qt::Key_Left) {
        Step(-1, false);
    } else if (hasFocus() && mods == Qt::NoModifier && key == Qt::Key_Right) {
        Step(1, false);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void RTabControl::Step(int delta, bool wrap) {
    const int n = Count();
    if (n == 0)
        return;
    int next = m_index < 0 ? (delta > 0 ? 0 : n - 1) : m_index + delta;
    if (wrap)
        next = (next + n) % n;
    if (next < 0 || next >= n)
        return;
    SelectByUser(next);
}

void RTabControl::SelectByUser(int index) {
    if (index == m_index || index < 0 || index >= Count())
        return;
    m_index = index;
    UpdateHot();
    update();
    emit TabChanged(index);
}

void RTabControl::TrackMouse(const QPoint& pos) {
    m_mouse = pos;
    m_mouseInside = true;
    UpdateHot();
}

void RTabControl::UpdateHot() {
    int hot = -1;
    if (m_mouseInside) {
        const int th = GetTabHeight();
        // The edge rows of the strip belong to no tab.
        const int top = m_position == Position::Bottom ? height() - th + 1 : 1;
        const int bottom = m_position == Position::Bottom ? height() - 1 : th - 1;
        if (m_mouse.y() >= top && m_mouse.y() < bottom) {
            for (int i = 0; i < Count(); ++i) {
                const QRect r = GetTabRect(i);
                if (i != m_index && m_mouse.x() >= r.left() && m_mouse.x() < r.left() + r.width())
                    hot = i;
            }
        }
    }
    if (hot == m_hot)
        return;
    m_hot = hot;
    update(StripRect().adjusted(0, -kPaneEdgeRows, 0, kPaneEdgeRows));
}
