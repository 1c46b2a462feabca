#include "ui/shell/windowplacement.h"

#include <QtTest>

#include <limits>

// Where the main window goes for a placement from the configuration file,
// against screens given as their available areas.
class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void frameTakesRoom();
};

using Areas = QList<QRect>;

namespace {

constexpr qint32 Most = std::numeric_limits<qint32>::max();
constexpr qint32 Least = std::numeric_limits<qint32>::min();
const QRect Primary(0, 0, 1280, 1000); // below it a task bar
const QRect Second(1280, 0, 1920, 1080);
const QSize Minimum(700, 520);

} // namespace

void TestWindowPlacement::fit_data() {
    QTest::addColumn<QList<qint32>>("numbers"); // left, top, width, height as stored
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<Areas>("areas");
    QTest::addColumn<QRect>("expected");
    auto row = [](const char* name, QList<qint32> numbers, QSize minimum, Areas areas,
                  QRect expected) {
        QTest::newRow(name) << numbers << minimum << areas << expected;
    };
    row("on the screen: kept", {40, 50, 760, 540}, Minimum, {Primary}, {40, 50, 760, 540});
    row("below the minimum: grown", {16, 16, 673, 495}, Minimum, {Primary}, {16, 16, 700, 520});
    row("no size at all", {16, 16, -5, 0}, Minimum, {Primary}, {16, 16, 700, 520});
    row("100000 square: the screen", {16, 16, 100000, 100000}, Minimum, {Primary},
        {0, 0, 1280, 1000});
    row("largest size: the screen", {Most, Most, Most, Most}, Minimum, {Primary},
        {0, 0, 1280, 1000});
    row("far right: centred", {Most, 16, 673, 495}, Minimum, {Primary}, {290, 240, 700, 520});
    row("left edge 5000: centred", {5000, 16, 673, 495}, Minimum, {Primary}, {290, 240, 700, 520});
    row("far left and up: centred", {Least, Least, 673, 495}, Minimum, {Primary},
        {290, 240, 700, 520});
    row("hanging over the right edge", {700, 100, 700, 520}, Minimum, {Primary},
        {580, 100, 700, 520});
    row("title bar above the screen", {100, -50, 700, 520}, Minimum, {Primary}, {100, 0, 700, 520});
    row("a minimum larger than the screen wins", {16, 16, 673, 495}, QSize(1400, 1100), {Primary},
        {0, 0, 1400, 1100});
    row("on the second screen: kept", {1500, 100, 800, 600}, Minimum, {Primary, Second},
        {1500, 100, 800, 600});
    row("over the second screen's edge", {2500, 100, 800, 600}, Minimum, {Primary, Second},
        {2400, 100, 800, 600});
    row("beyond every screen: the primary's middle", {3300, 100, 800, 600}, Minimum,
        {Primary, Second}, {240, 200, 800, 600});
    row("no screen at all", {Most, Most, 100000, 3}, Minimum, {}, {0, 0, 100000, 520});
}

// The frame's corner is what is stored; the frame takes room beside the size.
void TestWindowPlacement::frameTakesRoom() {
    const QMargins frame(4, 30, 4, 4);
    QCOMPARE(FitWindowPlacement(16, 16, 100000, 100000, Minimum, frame, {Primary}),
             QRect(0, 0, 1272, 966));
    QCOMPARE(FitWindowPlacement(700, 600, 700, 520, Minimum, frame, {Primary}),
             QRect(572, 446, 700, 520));
}

void TestWindowPlacement::fit() {
    QFETCH(QList<qint32>, numbers);
    QFETCH(QSize, minimum);
    QFETCH(Areas, areas);
    QFETCH(QRect, expected);
    QCOMPARE(FitWindowPlacement(numbers[0], numbers[1], numbers[2], numbers[3], minimum, {}, areas),
             expected);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
