#include "ui/presentation/rtabcontrol.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class TestRTabControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tabHeightFollowsFont_data();
    void tabHeightFollowsFont();
    void tabWidth_data();
    void tabWidth();
    void tabsPackFromTwoWithoutGap();
    void captionChangeMovesLaterTabs();
    void firstTabAddedIsSelected();
    void setTabIndexIsQuiet();
    void clearTabs();
    void click_data();
    void click();
    void keyboard_data();
    void keyboard();
    void hotTab_data();
    void hotTab();
    void hotTabRepaints();
    void ownPainting_data();
    void ownPainting();
    void captionsSitInTheTabRow_data();
    void captionsSitInTheTabRow();
    void selectedTabJoinsPage_data();
    void selectedTabJoinsPage();
    void pageHoldsPanel();

private:
    // A shown control with tabs at the bottom and three tabs, the middle one selected.
    std::unique_ptr<RTabControl>
    MakeShown(RTabControl::Position position = RTabControl::Position::Bottom);
};

namespace {

const QStringList kCaptions = {"Resistor1", "Resistor2", "X"};

int YTabs(const RTabControl& tabs) {
    return tabs.height() - tabs.GetTabHeight();
}

// A point in the middle of a tab as it shows on screen.
QPoint TabPoint(const RTabControl& tabs, int index) {
    const QRect r = tabs.GetTabRect(index);
    const int y = tabs.TabPosition() == RTabControl::Position::Bottom
                      ? YTabs(tabs) + tabs.GetTabHeight() / 2
                      : tabs.GetTabHeight() / 2;
    return QPoint(r.center().x(), y);
}

int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += QColor(image.pixel(x, y)).lightness() < 100;
    return dark;
}

} // namespace

void TestRTabControl::initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

std::unique_ptr<RTabControl> TestRTabControl::MakeShown(RTabControl::Position position) {
    auto tabs = std::make_unique<RTabControl>();
    tabs->SetTabPosition(position);
    for (const QString& caption : kCaptions)
        tabs->AddTab(caption);
    tabs->SetTabIndex(1);
    tabs->resize(400, 150);
    tabs->show();
    tabs->activateWindow();
    if (!QTest::qWaitForWindowActive(tabs.get()))
        qWarning("window not active");
    return tabs;
}

void TestRTabControl::tabHeightFollowsFont_data() {
    QTest::addColumn<int>("pointSize");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("10 pt") << 10;
    QTest::newRow("20 pt") << 20;
}

void TestRTabControl::tabHeightFollowsFont() {
    QFETCH(int, pointSize);
    RTabControl tabs;
    QFont font = tabs.font();
    font.setPointSize(pointSize);
    tabs.setFont(font);
    tabs.AddTab("Resistor1");
    QCOMPARE(tabs.GetTabHeight(), QFontMetrics(font).height() + 8);
    QCOMPARE(tabs.GetTabRect(0).top(), 0);
    QCOMPARE(tabs.GetTabRect(0).height(), tabs.GetTabHeight());
}

void TestRTabControl::tabWidth_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("narrow");
    QTest::newRow("one letter") << "X" << true;
    QTest::newRow("wide letter") << "W" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("name") << "Resistor1" << false;
    QTest::newRow("long name") << "A long calculation name" << false;
}

void TestRTabControl::tabWidth() {
    QFETCH(QString, caption);
    QFETCH(bool, narrow);
    RTabControl tabs;
    tabs.AddTab(caption);
    const int text = tabs.fontMetrics().horizontalAdvance(caption);
    QCOMPARE(text + 12 <= 40, narrow);
    QCOMPARE(tabs.GetTabRect(0).width(), narrow ? 40 : text + 12);
}

void TestRTabControl::tabsPackFromTwoWithoutGap() {
    RTabControl tabs;
    const QStringList captions = {"Resistor1", "X", "A long calculation name", "R4"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(tabs.AddTab(captions[i]), i);
    QCOMPARE(tabs.Count(), 4);
    QCOMPARE(tabs.GetTabRect(0).left(), 2);
    for (int i = 1; i < tabs.Count(); ++i)
        QCOMPARE(tabs.GetTabRect(i).left(), tabs.GetTabRect(i - 1).right() + 1);
    QVERIFY(tabs.GetTabRect(4).isNull());
    QVERIFY(tabs.GetTabRect(-1).isNull());
}

void TestRTabControl::captionChangeMovesLaterTabs() {
    RTabControl tabs;
    for (const QString& caption : kCaptions)
        tabs.AddTab(caption);
    const int before = tabs.GetTabRect(2).left();
    tabs.SetTabCaption(0, "A long calculation name");
    QCOMPARE(tabs.TabCaption(0), QString("A long calculation name"));
    QCOMPARE(tabs.GetTabRect(1).left(), tabs.GetTabRect(0).right() + 1);
    QVERIFY(tabs.GetTabRect(2).left() > before);
    QCOMPARE(tabs.TabCaption(3), QString());
}

void TestRTabControl::firstTabAddedIsSelected() {
    RTabControl tabs;
    QSignalSpy changed(&tabs, &RTabControl::TabChanged);
    QCOMPARE(tabs.TabIndex(), -1);
    tabs.AddTab("Resistor1");
    tabs.AddTab("Resistor2");
    QCOMPARE(tabs.TabIndex(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestRTabControl::setTabIndexIsQuiet() {
    RTabControl tabs;
    for (const QString& caption : kCaptions)
        tabs.AddTab(caption);
    QSignalSpy changed(&tabs, &RTabControl::TabChanged);
    tabs.SetTabIndex(2);
    QCOMPARE(tabs.TabIndex(), 2);
    tabs.SetTabIndex(3);
    QCOMPARE(tabs.TabIndex(), 2);
    tabs.SetTabIndex(-2);
    QCOMPARE(tabs.TabIndex(), 2);
    tabs.SetTabIndex(-1);
    QCOMPARE(tabs.TabIndex(), -1);
    QCOMPARE(changed.count(), 0);
}

void TestRTabControl::clearTabs() {
    auto tabs = MakeShown();
    QSignalSpy changed(tabs.get(), &RTabControl::TabChanged);
    tabs->ClearTabs();
    QCOMPARE(tabs->Count(), 0);
    QCOMPARE(tabs->TabIndex(), -1);
    QCOMPARE(tabs->TabCaption(0), QString());
    QTest::mouseClick(tabs.get(), Qt::LeftButton, {}, QPoint(20, tabs->height() - 5));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(tabs->AddTab("Resistor1"), 0);
    QCOMPARE(tabs->TabIndex(), 0);
}

void TestRTabControl::click_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("emitted");
    const int bottom = int(RTabControl::Position::Bottom);
    const int top = int(RTabControl::Position::Top);
    QTest::newRow("first") << bottom << 0 << 1;
    QTest::newRow("last") << bottom << 2 << 1;
    QTest::newRow("already selected") << bottom << 1 << 0;
    QTest::newRow("tabs at the top") << top << 2 << 1;
}

void TestRTabControl::click() {
    QFETCH(int, position);
    QFETCH(int, tab);
    QFETCH(int, emitted);
    auto tabs = MakeShown(RTabControl::Position(position));
    QSignalSpy changed(tabs.get(), &RTabControl::TabChanged);
    QTest::mouseClick(tabs.get(), Qt::LeftButton, {}, TabPoint(*tabs, tab));
    QCOMPARE(tabs->TabIndex(), tab);
    QCOMPARE(changed.count(), emitted);
    if (emitted)
        QCOMPARE(changed.first().first().toInt(), tab);

    // Neither the page nor the empty strip beside the tabs is a tab.
    changed.clear();
    QTest::mouseClick(tabs.get(), Qt::LeftButton, {}, QPoint(380, TabPoint(*tabs, 0).y()));
    QTest::mouseClick(tabs.get(), Qt::LeftButton, {}, QPoint(20, tabs->height() / 2));
    QCOMPARE(tabs->TabIndex(), tab);
    QCOMPARE(changed.count(), 0);
}

void TestRTabControl::keyboard_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inPage");
    QTest::addColumn<int>("expected");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 0 << false << 1;
    QTest::newRow("left") << 1 << int(Qt::Key_Left) << 0 << false << 0;
    QTest::newRow("left at the first") << 0 << int(Qt::Key_Left) << 0 << false << 0;
    QTest::newRow("right at the last") << 2 << int(Qt::Key_Right) << 0 << false << 2;
    QTest::newRow("right in an edit") << 0 << int(Qt::Key_Right) << 0 << true << 0;
    QTest::newRow("ctrl+tab") << 0 << int(Qt::Key_Tab) << ctrl << true << 1;
    QTest::newRow("ctrl+tab wraps") << 2 << int(Qt::Key_Tab) << ctrl << true << 0;
    QTest::newRow("ctrl+shift+tab") << 0 << int(Qt::Key_Backtab) << ctrlShift << true << 2;
    QTest::newRow("ctrl+pgdown") << 1 << int(Qt::Key_PageDown) << ctrl << true << 2;
    QTest::newRow("ctrl+pgup") << 1 << int(Qt::Key_PageUp) << ctrl << false << 0;
}

void TestRTabControl::keyboard() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, inPage);
    QFETCH(int, expected);
    auto tabs = MakeShown();
    auto* edit = new QLineEdit("50");
    tabs->Page()->layout()->addWidget(edit);
    tabs->SetTabIndex(start);
    QWidget* target = inPage ? static_cast<QWidget*>(edit) : tabs.get();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QSignalSpy changed(tabs.get(), &RTabControl::TabChanged);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(tabs->TabIndex(), expected);
    QCOMPARE(changed.count(), expected == start ? 0 : 1);
    if (expected != start)
        QCOMPARE(changed.first().first().toInt(), expected);
}

void TestRTabControl::hotTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("dy"); // from the top of the tab row; negative from the bottom
    QTest::addColumn<int>("expected");
    QTest::newRow("unselected") << 0 << 5 << 0;
    QTest::newRow("last") << 2 << 5 << 2;
    QTest::newRow("selected is never hot") << 1 << 5 << -1;
    QTest::newRow("second row of the strip") << 0 << 1 << 0;
    QTest::newRow("top row of the strip") << 0 << 0 << -1;
    QTest::newRow("second-last row") << 0 << -2 << 0;
    QTest::newRow("last row") << 0 << -1 << -1;
    QTest::newRow("over the page") << 0 << -30 << -1;
}

void TestRTabControl::hotTab() {
    QFETCH(int, tab);
    QFETCH(int, dy);
    QFETCH(int, expected);
    auto tabs = MakeShown();
    const int y = dy >= 0 ? YTabs(*tabs) + dy : tabs->height() + dy;
    QTest::mouseMove(tabs.get(), QPoint(tabs->GetTabRect(tab).left() + 3, y));
    QTRY_COMPARE(tabs->HotTab(), expected);
}

void TestRTabControl::hotTabRepaints() {
    auto tabs = MakeShown();
    const QRect tab0 = tabs->GetTabRect(0).translated(0, YTabs(*tabs));
    const QRect tab2 = tabs->GetTabRect(2).translated(0, YTabs(*tabs));
    const QImage before = tabs->grab().toImage();
    QTest::mouseMove(tabs.get(), tab2.center());
    QTRY_COMPARE(tabs->HotTab(), 2);
    const QImage hot = tabs->grab().toImage();
    QVERIFY(before.copy(tab2) != hot.copy(tab2));
    QCOMPARE(before.copy(tab0), hot.copy(tab0));

    // Choosing the hot tab makes it the selected one, which is never hot.
    QTest::mouseClick(tabs.get(), Qt::LeftButton, {}, tab2.center());
    QCOMPARE(tabs->HotTab(), -1);
}

void TestRTabControl::ownPainting_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("styles");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("expected");
    const int bottom = int(RTabControl::Position::Bottom);
    const int top = int(RTabControl::Position::Top);
    QTest::newRow("bottom") << bottom << true << "Fusion" << true;
    QTest::newRow("styles off") << bottom << false << "Fusion" << false;
    QTest::newRow("top") << top << true << "Fusion" << false;
    QTest::newRow("classic look") << bottom << true << "Windows" << false;
}

void TestRTabControl::ownPainting() {
    QFETCH(int, position);
    QFETCH(bool, styles);
    QFETCH(QString, style);
    QFETCH(bool, expected);
    std::unique_ptr<QStyle> theStyle(QStyleFactory::create(style));
    RTabControl tabs;
    tabs.setStyle(theStyle.get());
    tabs.SetTabPosition(RTabControl::Position(position));
    tabs.SetVisualStylesEnabled(styles);
    QCOMPARE(tabs.UsesOwnPainting(), expected);
}

void TestRTabControl::captionsSitInTheTabRow_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("styles");
    QTest::newRow("hanging below") << int(RTabControl::Position::Bottom) << true;
    QTest::newRow("plain at the bottom") << int(RTabControl::Position::Bottom) << false;
    QTest::newRow("plain at the top") << int(RTabControl::Position::Top) << true;
}

void TestRTabControl::captionsSitInTheTabRow() {
    QFETCH(int, position);
    QFETCH(bool, styles);
    auto tabs = MakeShown(RTabControl::Position(position));
    tabs->SetVisualStylesEnabled(styles);
    const int th = tabs->GetTabHeight();
    const int tabsTop = position == int(RTabControl::Position::Bottom) ? YTabs(*tabs) : 0;
    const int pageTop = tabsTop == 0 ? th + 2 : 2;
    const QImage image = tabs->grab().toImage();
    const QRect selected = tabs->GetTabRect(1);
    const QRect inRow(selected.left() + 2, tabsTop + 1, selected.width() - 4, th - 2);
    const QRect inPage(selected.left() + 2, pageTop, selected.width() - 4, th - 2);
    QVERIFY(DarkPixels(image, inRow) > 10);
    QCOMPARE(DarkPixels(image, inPage), 0);
}

void TestRTabControl::selectedTabJoinsPage_data() {
    QTest::addColumn<int>("selected");
    QTest::newRow("middle tab raised") << 1;
    QTest::newRow("none raised") << -1;
}

// The pane's lower edge runs unbroken under the tabs, except where the
// selected tab hangs from the page.
void TestRTabControl::selectedTabJoinsPage() {
    QFETCH(int, selected);
    auto tabs = MakeShown();
    tabs->SetTabIndex(selected);
    const QImage image = tabs->grab().toImage();
    const int edge = YTabs(*tabs) - 1;
    const QRgb border = image.pixel(tabs->width() - 20, edge);
    QCOMPARE(image.pixel(tabs->GetTabRect(0).center().x(), edge), border);
    QCOMPARE(image.pixel(tabs->GetTabRect(2).center().x(), edge), border);
    const QRgb underMiddle = image.pixel(tabs->GetTabRect(1).center().x(), edge);
    QCOMPARE(underMiddle == border, selected < 0);
    if (selected >= 0)
        QCOMPARE(underMiddle, image.pixel(tabs->width() / 2, tabs->height() / 2));
}

void TestRTabControl::pageHoldsPanel() {
    auto tabs = MakeShown();
    QWidget* page = tabs->Page();
    QCOMPARE(page->objectName(), QString("TabCalculationPage"));
    QCOMPARE(tabs->findChild<QWidget*>("TabCalculationPage"), page);
    auto* panel = new QWidget;
    page->layout()->addWidget(panel);
    tabs->resize(500, 300);
    QTRY_COMPARE(panel->size(), page->size());
    QCOMPARE(panel->pos(), QPoint(0, 0));
    QVERIFY(page->geometry().top() > 0);
    QVERIFY(page->geometry().bottom() < YTabs(*tabs) - 1);
    QVERIFY(page->width() > 490);
    QVERIFY(tabs->sizeHint().height() >= page->sizeHint().height() + tabs->GetTabHeight());
}

QTEST_MAIN(TestRTabControl)
#include "tst_rtabcontrol.moc"
