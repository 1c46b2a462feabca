#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

class QPainter;
class QStyleOptionTab;
class QStyleOptionTabWidgetFrame;

// A tab control with a single page: the tabs only choose what the host shows
// in that page. With the tabs at the bottom and visual styles in use, the strip
// is painted with the style's tab pictures turned upside down, so that the
// tabs hang below the page like index tabs.
class RTabControl final : public QWidget {
    Q_OBJECT
public:
    enum class Position { Top, Bottom };

    explicit RTabControl(QWidget* parent = nullptr);

    // The area above (or below) the tabs in which the host places its panel.
    QWidget* Page() const { return m_page; }

    void ClearTabs();
    int AddTab(const QString& caption);
    int Count() const { return m_captions.size(); }
    QString TabCaption(int index) const;
    void SetTabCaption(int index, const QString& caption);

    // -1 when no tab is selected. Setting it never raises TabChanged.
    int TabIndex() const { return m_index; }
    void SetTabIndex(int index);

    void SetTabPosition(Position position);
    Position TabPosition() const { return m_position; }

    // Whether the strip may be painted with the style's tab pictures.
    void SetVisualStylesEnabled(bool enabled);
    bool VisualStylesAvailable() const;
    bool UsesOwnPainting() const;

    int GetTabHeight() const;
    // The tab's rectangle within a strip whose top is y = 0, before mirroring.
    QRect GetTabRect(int index) const;
    // The tab under a point of the control, or -1.
    int TabAt(const QPoint& pos) const;
    // The unselected tab the mouse is over, or -1.
    int HotTab() const { return m_hot; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void TabChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int TabWidth(int index) const;
    void EnsureRects() const;
    int VisibleTabCount() const;
    int StripTop() const;
    QRect StripRect() const;
    QRect PaneRect() const;
    QRect OnScreenTabRect(int index) const;
    QSize CaptionSize(int index) const;
    int PageMargin() const;
    void PlacePage();
    void LayoutChanged();

    void PaintTabs(QPainter& painter);
    void PaintStandard(QPainter& painter);
    void DrawCaption(QPainter& painter, int index, const QPoint& topLeft);
    void DrawFocus(QPainter& painter, const QRect& caption);
    QStyleOptionTabWidgetFrame PaneOption(const QRect& rect, const QRect& strip,
                                          QTabBar::Shape shape) const;
    void InitTabOption(QStyleOptionTab& option, int index, const QRect& rect) const;
    bool StyleShowsHover() const;

    void SelectByUser(int index);
    void Step(int delta, bool wrap);
    void TrackMouse(const QPoint& pos);
    void UpdateHot();

    // Room a caption gets in its tab, the narrowest tab, and where the first tab starts.
    static constexpr int kCaptionPadding = 12;
    static constexpr int kMinTabWidth = 40;
    static constexpr int kFirstTabX = 2;
    // The selected tab stands out this far to each side and towards the page.
    static constexpr int kRaise = 2;
    // Rows of the pane's edge copied with the tabs, so the selected tab meets the page.
    static constexpr int kPaneEdgeRows = 3;
    static constexpr int kCaptionX = 5;
    static constexpr int kCaptionYSelected = 4;
    static constexpr int kCaptionYNormal = 2;

    QWidget* m_page = nullptr;
    QStringList m_captions;
    int m_index = -1;
    int m_hot = -1;
    QPoint m_mouse;
    bool m_mouseInside = false;
    Position m_position = Position::Top;
    bool m_stylesEnabled = true;
    mutable QVector<int> m_lefts; // left edge of each tab, then the strip's end
    mutable int m_styleHover = -1; // unknown until first needed, then 0 or 1
};
