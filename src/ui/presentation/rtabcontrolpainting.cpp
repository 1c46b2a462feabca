// How the tab control paints itself: the style's own tabs and pane, or the
// strip composed upright and copied upside down below the page.

#include "ui/presentation/rtabcontrol.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

#include <algorithm>

void RTabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (UsesOwnPainting())
        PaintTabs(painter);
    else
        PaintStandard(painter);
}

QStyleOptionTabWidgetFrame RTabControl::PaneOption(const QRect& rect, const QRect& strip,
                                                   QTabBar::Shape shape) const {
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.rect = rect;
    pane.shape = shape;
    pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    pane.tabBarRect = strip;
    pane.tabBarSize = strip.size();
    if (m_index >= 0) {
        const QRect tab = GetTabRect(m_index);
        pane.selectedTabRect = QRect(tab.left(), strip.top(), tab.width(), strip.height());
    }
    return pane;
}

void RTabControl::InitTabOption(QStyleOptionTab& option, int index, const QRect& rect) const {
    option.initFrom(this);
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option.rect = rect;
    option.shape = m_position == Position::Bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth;
    option.features = QStyleOptionTab::HasFrame;
    option.tabIndex = index;
    option.row = 0;
    const int last = Count() - 1;
    option.position = last == 0       ? QStyleOptionTab::OnlyOneTab
                      : index == 0    ? QStyleOptionTab::Beginning
                      : index == last ? QStyleOptionTab::End
                                      : QStyleOptionTab::Middle;
    option.selectedPosition = m_index == index - 1   ? QStyleOptionTab::PreviousIsSelected
                              : m_index == index + 1 ? QStyleOptionTab::NextIsSelected
                                                     : QStyleOptionTab::NotAdjacent;
    if (index == m_index)
        option.state |= QStyle::State_Selected;
    else if (index == m_hot)
        option.state |= QStyle::State_MouseOver;
}

// Styles that draw no hot tab get a light tint instead, so that the tab
// under the mouse always shows.
bool RTabControl::StyleShowsHover() const {
    if (m_styleHover < 0) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.shape = QTabBar::RoundedNorth;
        option.features = QStyleOptionTab::HasFrame;
        option.position = QStyleOptionTab::Middle;
        option.rect = QRect(0, 0, 60, GetTabHeight());
        auto render = [&](bool hot) {
            QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(palette().color(QPalette::Window));
            QPainter p(&image);
            QStyleOptionTab o = option;
            if (hot)
                o.state |= QStyle::State_MouseOver;
            style()->drawControl(QStyle::CE_TabBarTabShape, &o, &p, this);
            return image;
        };
        m_styleHover = render(true) != render(false) ? 1 : 0;
    }
    return m_styleHover == 1;
}

void RTabControl::PaintTabs(QPainter& painter) {
    const int w = width();
    const int h = height();
    const int th = GetTabHeight();
    const int yTabs = h - th;
    const qreal dpr = devicePixelRatioF();

    // The strip is composed upright, the way the style draws tabs above a
    // page, and reaches the screen in one mirrored copy.
    QPixmap strip(QSize(w, th + kPaneEdgeRows) * dpr);
    strip.setDevicePixelRatio(dpr);
    {
        strip.fill(palette().color(QPalette::Window));
        QPainter p(&strip);

        const QStyleOptionTabWidgetFrame pane =
            PaneOption(QRect(0, th, w, std::max(h - th, kPaneEdgeRows + 1)), QRect(0, 0, w, th),
                       QTabBar::RoundedNorth);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &p, this);

        const bool tint = !StyleShowsHover();
        for (int i = 0; i < VisibleTabCount(); ++i) {
            if (i == m_index)
                continue;
            // Styles draw an unselected tab two rows short of the rectangle it
            // is given (a tab bar hands every tab the same one), which is the
            // lowering wanted here; lowering the rectangle too would do it twice.
            QStyleOptionTab tab;
            InitTabOption(tab, i, GetTabRect(i));
            tab.shape = QTabBar::RoundedNorth;
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &p, this);
            if (i == m_hot && tint) {
                QColor c = palette().color(QPalette::Highlight);
                c.setAlpha(40);
                p.fillRect(tab.rect.adjusted(2, 2, -2, -1), c);
            }
        }
        if (m_index >= 0) {
            QStyleOptionTab tab;
            InitTabOption(tab, m_index, GetTabRect(m_index).adjusted(-kRaise, 0, kRaise, kRaise));
            tab.shape = QTabBar::RoundedNorth;
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &p, this);
        }
    }

    const QStyleOptionTabWidgetFrame pane =
        PaneOption(PaneRect(), StripRect(), QTabBar::RoundedSouth);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);

    const QImage upsideDown = strip.toImage().mirrored(false, true);
    painter.drawImage(QRect(0, yTabs - kPaneEdgeRows, w, th + kPaneEdgeRows), upsideDown,
                      upsideDown.rect());

    for (int i = 0; i < VisibleTabCount(); ++i) {
        const int dy = i == m_index ? kCaptionYSelected : kCaptionYNormal;
        DrawCaption(painter, i, QPoint(GetTabRect(i).left() + kCaptionX, yTabs + dy));
    }
}

void RTabControl::DrawCaption(QPainter& painter, int index, const QPoint& topLeft) {
    const QRect box(topLeft, CaptionSize(index));
    style()->drawItemText(&painter, box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          palette(), isEnabled(), m_captions.at(index), QPalette::WindowText);
    if (index == m_index && hasFocus())
        DrawFocus(painter, box);
}

void RTabControl::DrawFocus(QPainter& painter, const QRect& caption) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = caption.adjusted(-2, -1, 2, 1);
    focus.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

// What a plain tab control looks like in the current style, used whenever the
// strip is not turned upside down.
void RTabControl::PaintStandard(QPainter& painter) {
    const QStyleOptionTabWidgetFrame pane =
        PaneOption(PaneRect(), StripRect(),
                   m_position == Position::Bottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);

    // Styles draw a tab as if its bar began at y = 0.
    painter.save();
    painter.translate(0, StripTop());
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < VisibleTabCount(); ++i) {
            if ((i == m_index) != (pass == 1))
                continue;
            QStyleOptionTab tab;
            InitTabOption(tab, i, GetTabRect(i));
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &painter, this);
        }
    }
    painter.restore();

    int shift = style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, nullptr, this);
    if (m_position == Position::Bottom)
        shift = -shift;
    for (int i = 0; i < VisibleTabCount(); ++i) {
        const QSize box = CaptionSize(i);
        const QRect tab = OnScreenTabRect(i);
        const int dy = (tab.height() - box.height()) / 2 + (i == m_index ? 0 : shift);
        DrawCaption(painter, i,
                    QPoint(tab.left() + (tab.width() - box.width()) / 2, tab.top() + dy));
    }
}
