#include "ui/shell/windowplacement.h"

#include <QtTest>

#include <limits>

// Where the main window goes for a placement from the configuration file.
class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
};

using Numbers = QList<qint32>; // left, top, width, height as stored

void TestWindowPlacement::fit_data() {
    QTest::addColumn<Numbers>("stored");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QList<QRect>>("screens"); // available areas, the primary first
    QTest::addColumn<QRect>("expected");       // the frame's corner, the inner size
    constexpr qint32 Most = std::numeric_limits<qint32>::max();
    const QList<QRect> one = {{0, 0, 1280, 1000}};
    const QList<QRect> two = {{0, 0, 1280, 1000}, {1280, 0, 1920, 1080}};
    const QMargins frame(4, 30, 4, 4);
    QTest::newRow("fits: kept") << Numbers{40, 50, 760, 540} << QMargins() << one
                                << QRect(40, 50, 760, 540);
    QTest::newRow("below the minimum, which wins over the screen")
        << Numbers{16, 16, 600, -5} << QMargins() << QList<QRect>{{0, 0, 640, 480}}
        << QRect(0, 0, 700, 520);
    QTest::newRow("100000 square") << Numbers{16, 16, 100000, 100000} << frame << one
                                   << QRect(0, 0, 1272, 966);
    QTest::newRow("left edge at the end of int: centred")
        << Numbers{Most, 16, 673, 495} << QMargins() << one << QRect(290, 240, 700, 520);
    QTest::newRow("over the lower right edge, title bar above the top")
        << Numbers{700, -20, 700, 520} << frame << one << QRect(572, 0, 700, 520);
    QTest::newRow("over the second screen's edge")
        << Numbers{2500, 100, 800, 600} << QMargins() << two << QRect(2400, 100, 800, 600);
    QTest::newRow("beyond every screen: the primary's middle")
        << Numbers{3300, 100, 800, 600} << QMargins() << two << QRect(240, 200, 800, 600);
    QTest::newRow("no screen") << Numbers{Most, 0, 100000, 3} << QMargins() << QList<QRect>()
                               << QRect(0, 0, 100000, 520);
}

void TestWindowPlacement::fit() {
    QFETCH(Numbers, stored);
    QFETCH(QMargins, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(FitWindowPlacement(stored[0], stored[1], stored[2], stored[3], {700, 520}, frame,
                                screens),
             expected);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
