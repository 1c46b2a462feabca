#include "support/mainwindowharness.h"

#include "ui/calculators/rf/tformmessage.h"
#include "ui/framework/tformproblem.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

// The advice window on its own and over the real main window.
class TestFormMessage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void texts_data();
    void texts();
    void centredPosition_data();
    void centredPosition();
    void keptWithin_data();
    void keptWithin();
    void shownCentredAndOnScreen();
    void clickOnItHides_data();
    void clickOnItHides();
    void clickInTheProgramHidesAndGoesOn();
    void anotherWindowActivatedHides();
    void escapeHides();
    void followsItsOwner();
    void followsItsOwnerToAnotherScreen();
    void overTheMainWindow();
};

namespace {

QString Label(const TFormMessage& popup, const char* name) {
    auto* label = popup.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// A main window stand-in: an edit to type into and a button to click.
struct Owner {
    Owner() {
        window.setObjectName(QStringLiteral("Owner"));
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        button = new QPushButton(QStringLiteral("Press"), &window);
        layout->addWidget(edit);
        layout->addWidget(button);
        window.setGeometry(100, 80, 400, 300);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }
    QRect Area() const { return QRect(window.mapToGlobal(QPoint(0, 0)), window.size()); }
    void Advise(TFormMessage& popup, int kind = 1) const {
        const QRect area = Area();
        popup.ShowAdvice(kind, QStringLiteral("7"), QString(), area.left(), area.top(),
                         area.left() + area.width(), area.top() + area.height());
    }
    QWidget window;
    QLineEdit* edit;
    QPushButton* button;
};

} // namespace

void TestFormMessage::texts_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("advice"); // its beginning

    QTest::newRow("1") << 1 << "H"
                       << ""
                       << "WARNING: SWR too high."
                       << "H > 5.0"
                       << "Without changing the frequency add a capacitor";
    QTest::newRow("2") << 2 << "1"
                       << ""
                       << "WARNING: SWR too low."
                       << "1 < 1.2"
                       << "Without changing the frequency add a resistor";
    QTest::newRow("3") << 3 << "1000"
                       << "1"
                       << "WARNING: Impedance is not accurate."
                       << "| 1000 / 1 | > 500"
                       << "Without changing the frequency add a capacitor";
    QTest::newRow("4") << 4 << "1"
                       << "1000"
                       << "WARNING: Impedance is not accurate."
                       << "| 1 / 1000 | < 0.2"
                       << "Without changing the frequency add a resistor";
    QTest::newRow("unknown kind") << 9 << "1"
                                  << "2"
                                  << "WARNING: "
                                  << ""
                                  << "";
    QTest::newRow("long numbers") << 4 << "-1.23456789012345E-100"
                                  << "-1.23456789012345E-100"
                                  << "WARNING: Impedance is not accurate."
                                  << "| -1.23456789012345E-100 / -1.23456789012345E-100 | < 0.2"
                                  << "Without changing the frequency add a resistor";
}

void TestFormMessage::texts() {
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, title);
    QFETCH(QString, equation);
    QFETCH(QString, advice);

    TFormMessage popup;
    QVERIFY(popup.isHidden());
    popup.ShowAdvice(kind, first, second, 0, 0, 400, 300);
    QVERIFY(popup.isVisible());
    QVERIFY(!popup.isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Label(popup, "LabelTitle"), title);
    QCOMPARE(Label(popup, "LabelEquation"), equation);
    const QString shown = Label(popup, "LabelMessage");
    QVERIFY(advice.isEmpty() ? shown.isEmpty() : shown.startsWith(advice));
    QCOMPARE(Label(popup, "LabelDismiss"),
             QStringLiteral("(Click anywhere to dismiss this message.)"));
    QVERIFY(popup.findChild<QLabel*>("LabelTitle")->font().bold());
    QVERIFY(popup.findChild<QLabel*>("LabelEquation")->font().italic());
    QVERIFY(popup.findChild<QWidget*>("PanelMain"));
    QVERIFY(popup.findChild<QWidget*>("BoxBackground"));

    // Every text fits: the equation on one line, the advice in its box.
    for (const char* name : {"LabelTitle", "LabelEquation", "LabelDismiss"}) {
        auto* label = popup.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY(popup.rect().contains(label->geometry()));
    }
    auto* message = popup.findChild<QLabel*>("LabelMessage");
    const QRect needed = message->fontMetrics().boundingRect(QRect(0, 0, message->width(), 10000),
                                                             Qt::TextWordWrap, message->text());
    QVERIFY(needed.height() <= message->height());
    QVERIFY(popup.rect().contains(message->geometry()));
    if (kind != 4 || first.size() < 10)
        QVERIFY2(popup.height() > popup.width(), "somewhat taller than wide");
}

void TestFormMessage::centredPosition_data() {
    QTest::addColumn<QRect>("area"); // left, top, right, bottom as x1, y1, x2, y2
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("centred") << QRect(QPoint(0, 0), QPoint(800, 600)) << QSize(250, 300)
                             << QPoint(275, 150);
    QTest::newRow("odd halves round down")
        << QRect(QPoint(1, 1), QPoint(10, 20)) << QSize(5, 7) << QPoint(3, 7);
    // (-100 - 1) / 2 = -50 and (-10 - 1) / 2 = -5: toward zero, not down.
    QTest::newRow("centre left of and above the origin")
        << QRect(QPoint(-100, -10), QPoint(-1, -1)) << QSize(251, 301) << QPoint(-175, -155);
}

void TestFormMessage::centredPosition() {
    QFETCH(QRect, area);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QCOMPARE(TFormMessage::CentredPosition(area.x(), area.y(), area.right(), area.bottom(), size),
             position);
}

void TestFormMessage::keptWithin_data() {
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("kept");
    const QRect screen(0, 30, 800, 570);
    QTest::newRow("inside") << QPoint(100, 100) << QSize(200, 200) << screen << QPoint(100, 100);
    QTest::newRow("left and above")
        << QPoint(-175, -155) << QSize(250, 300) << screen << QPoint(0, 30);
    QTest::newRow("right and below")
        << QPoint(700, 500) << QSize(250, 300) << screen << QPoint(550, 300);
    QTest::newRow("second screen to the left") << QPoint(-1500, 100) << QSize(250, 300)
                                               << QRect(-1280, 0, 1280, 1024) << QPoint(-1280, 100);
    QTest::newRow("larger than the screen: top left shows")
        << QPoint(-50, -50) << QSize(900, 700) << screen << QPoint(0, 30);
}

void TestFormMessage::keptWithin() {
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    QFETCH(QRect, available);
    QFETCH(QPoint, kept);
    QCOMPARE(TFormMessage::KeptWithin(position, size, available), kept);
}

void TestFormMessage::shownCentredAndOnScreen() {
    TFormMessage popup;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect middle = available.adjusted(100, 100, -100, -100);
    popup.ShowAdvice(2, QStringLiteral("1"), QString(), middle.left(), middle.top(),
                     middle.left() + middle.width(), middle.top() + middle.height());
    QCOMPARE(popup.pos(), TFormMessage::CentredPosition(
                              middle.left(), middle.top(), middle.left() + middle.width(),
                              middle.top() + middle.height(), popup.size()));
    // A further advice replaces the texts and moves the window, on the
    // screen nearest to the rectangle: never beyond its edge.
    popup.ShowAdvice(3, QStringLiteral("1000"), QStringLiteral("1"), -400, -300, -100, -100);
    QCOMPARE(Label(popup, "LabelEquation"), QStringLiteral("| 1000 / 1 | > 500"));
    QCOMPARE(popup.screen(), QGuiApplication::screenAt(QPoint(0, 0)));
    QCOMPARE(popup.pos(), popup.screen()->availableGeometry().topLeft());
    popup.ShowAdvice(1, QStringLiteral("6"), QString(), 9000, 5000, 9100, 5100);
    const QRect last = popup.screen()->availableGeometry();
    QVERIFY(last.contains(popup.geometry()));
    QCOMPARE(popup.geometry().bottomRight(), last.bottomRight());
}

void TestFormMessage::clickOnItHides_data() {
    QTest::addColumn<QString>("part");
    for (const char* part : {"PanelMain", "BoxBackground", "LabelTitle", "LabelEquation",
                             "LabelMessage", "LabelDismiss"})
        QTest::newRow(part) << QString::fromLatin1(part);
}

void TestFormMessage::clickOnItHides() {
    QFETCH(QString, part);
    Owner owner;
    QPointer<TFormMessage> popup = new TFormMessage(&owner.window);
    owner.Advise(*popup);
    QVERIFY(popup->isVisible());
    auto* widget = popup->findChild<QWidget*>(part);
    QVERIFY(widget);
    QPoint point = widget->rect().center();
    if (part == QStringLiteral("PanelMain") || part == QStringLiteral("BoxBackground"))
        point = QPoint(3, 3); // within the margin, off every label
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QVERIFY(!popup->isVisible());
    // Hidden, not destroyed: it shows again on the next advice.
    QVERIFY(popup);
    owner.Advise(*popup, 2);
    QVERIFY(popup->isVisible());
    QCOMPARE(Label(*popup, "LabelTitle"), QStringLiteral("WARNING: SWR too low."));
}

void TestFormMessage::clickInTheProgramHidesAndGoesOn() {
    Owner owner;
    TFormMessage popup(&owner.window);
    int presses = 0;
    connect(owner.button, &QPushButton::clicked, this, [&] { ++presses; });
    owner.Advise(popup);

    // Typing goes on in the edit that had the keyboard: the window neither
    // takes it nor hides.
    QCOMPARE(QApplication::activeWindow(), &owner.window);
    QCOMPARE(QApplication::focusWidget(), owner.edit);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(owner.edit->text(), QStringLiteral("12"));
    QVERIFY(popup.isVisible());

    // A click elsewhere in the program hides it and still does its work.
    QTest::mouseClick(owner.button, Qt::LeftButton);
    QVERIFY(!popup.isVisible());
    QCOMPARE(presses, 1);
    // A click when it is hidden changes nothing.
    QTest::mouseClick(owner.button, Qt::LeftButton);
    QCOMPARE(presses, 2);
}

void TestFormMessage::anotherWindowActivatedHides() {
    Owner owner;
    TFormMessage popup(&owner.window);
    owner.Advise(popup);
    QVERIFY(popup.isVisible());
    QWidget other;
    other.setGeometry(600, 400, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!popup.isVisible());
}

void TestFormMessage::escapeHides() {
    Owner owner;
    TFormMessage popup(&owner.window);
    owner.Advise(popup);
    QTest::keyClick(owner.edit, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
}

void TestFormMessage::followsItsOwner() {
    Owner owner;
    TFormMessage popup(&owner.window);
    owner.Advise(popup);
    const QPoint before = popup.pos();
    owner.window.move(owner.window.pos() + QPoint(40, 30));
    QTRY_COMPARE(popup.pos(), before + QPoint(40, 30));
    // Larger: still centred over it.
    owner.window.resize(owner.window.width() + 100, owner.window.height() + 60);
    QTRY_COMPARE(popup.pos(), before + QPoint(40 + 50, 30 + 30));
    QVERIFY(popup.isVisible());
}

void TestFormMessage::followsItsOwnerToAnotherScreen() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("one screen only");
    QScreen* right = screens[1];
    const QRect far = right->availableGeometry();
    QWidget owner;
    owner.setGeometry(far.right() - 150, far.top() + 40, 400, 300); // partly beyond the edge
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QCOMPARE(owner.screen(), right);
    TFormMessage popup(&owner);
    const QRect area(owner.mapToGlobal(QPoint(0, 0)), owner.size());
    popup.ShowAdvice(2, QStringLiteral("1"), QString(), area.left(), area.top(),
                     area.left() + area.width(), area.top() + area.height());
    QCOMPARE(popup.screen(), right);
    QVERIFY(far.contains(popup.geometry()));
    QCOMPARE(popup.geometry().right(), far.right());

    // The main window goes to the first screen: the advice goes with it.
    owner.move(200, 100);
    QTRY_COMPARE(popup.screen(), screens[0]);
    QVERIFY(screens[0]->availableGeometry().contains(popup.geometry()));
    const QPoint client = owner.mapToGlobal(QPoint(0, 0));
    QCOMPARE(popup.pos(), TFormMessage::CentredPosition(client.x(), client.y(), client.x() + 400,
                                                        client.y() + 300, popup.size()));
}

void TestFormMessage::overTheMainWindow() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    TFormMain& window = h.Window();
    // One advice window, hidden until needed.
    TFormMessage* popup = window.Message();
    const QList<TFormMessage*> popups = window.findChildren<TFormMessage*>();
    QCOMPARE(popups.size(), 1);
    QCOMPARE(popups.first(), popup);
    QVERIFY(popup->isHidden());

    window.Config()->AutoCalculate = 1;
    h.ClickTreeItem(QStringLiteral("Antenna Impedance"));
    QCOMPARE(h.Caption(), QStringLiteral("Antenna Impedance using the Autek RF 1"));
    h.Type(QStringLiteral("EditZ"), QStringLiteral("50"));
    // Too low while nothing is typed into the SWR box.
    QVERIFY(popup->isVisible());
    QCOMPARE(Label(*popup, "LabelTitle"), QStringLiteral("WARNING: SWR too low."));
    QCOMPARE(Label(*popup, "LabelEquation"), QStringLiteral(" < 1.2"));
    QCOMPARE(QApplication::focusWidget(), h.Edit(QStringLiteral("EditZ")));
    QVERIFY(window.isActiveWindow());
    auto* central =
        window.findChild<QWidget*>(QStringLiteral("SplitterMain"))
            ->findChild<QWidget*>(QStringLiteral("PanelMain"), Qt::FindDirectChildrenOnly);
    QVERIFY(central);
    const QRect area(central->mapToGlobal(QPoint(0, 0)), central->size());
    QCOMPARE(popup->pos(),
             TFormMessage::KeptWithin(
                 TFormMessage::CentredPosition(area.left(), area.top(), area.left() + area.width(),
                                               area.top() + area.height(), popup->size()),
                 popup->size(), window.screen()->availableGeometry()));

    // Typing into the SWR box goes on while the advice shows and changes.
    QLineEdit* swr = h.Edit(QStringLiteral("EditSWR"));
    swr->setFocus();
    QTest::keyClicks(swr, QStringLiteral("9"));
    QCOMPARE(swr->text(), QStringLiteral("9"));
    QCOMPARE(Label(*popup, "LabelEquation"), QStringLiteral("9 > 5.0"));
    QTest::keyClick(swr, Qt::Key_Backspace);
    QTest::keyClicks(swr, QStringLiteral("1.5"));
    QCOMPARE(h.Edit(QStringLiteral("EditImpedance"))->text(), QStringLiteral("46.153846"));
    QCOMPARE(QApplication::focusWidget(), swr);
    // The switch to the added circuit did not mark the worksheet by itself;
    // the typing did.
    QVERIFY(window.Worksheet()->Modified);
    QVERIFY(h.Find<QRadioButton>(QStringLiteral("RadioResistorCapacitor"))->isChecked());

    // A click in the main window hides it.
    QVERIFY(popup->isVisible());
    h.Click(QStringLiteral("RadioSolution2"));
    QVERIFY(!popup->isVisible());
    QCOMPARE(h.Edit(QStringLiteral("EditJImpedance"))->text(), QStringLiteral("-19.230769"));
}

// On the offscreen platform the tests run on two screens side by side, the
// second at twice the pixel density.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && folder.isValid()) {
        QFile screens(folder.filePath(QStringLiteral("screens.json")));
        if (screens.open(QIODevice::WriteOnly)) {
            screens.write(R"({"screens": [
                {"name": "first", "x": 0, "y": 0, "width": 1280, "height": 1024,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                {"name": "second", "x": 1280, "y": 0, "width": 1024, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})");
            screens.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
        }
    }
    QApplication application(argc, argv);
    TestFormMessage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_formmessage.moc"
