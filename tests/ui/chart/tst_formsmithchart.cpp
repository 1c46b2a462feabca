#include "support/mainwindowharness.h"

#include "core/chart/chartframe.h"
#include "core/chart/chartsvg.h"
#include "ui/chart/rsmithchart.h"
#include "ui/chart/tformsmithchart.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

// The Smith chart window through the real main window: opened from the
// menu, following the calculation as the user types and switches types,
// and exporting an SVG whose points lie where the core puts them.
class TestFormSmithChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }
    void followsTheCalculationAndExports();
};

void TestFormSmithChart::followsTheCalculationAndExports() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    // F7 opens it; its shortcut is no other command's.
    QList<QKeySequence> shortcuts;
    for (const QAction* action : h.Window().findChildren<QAction*>())
        if (!action->shortcut().isEmpty())
            shortcuts << action->shortcut();
    QCOMPARE(QSet<QKeySequence>(shortcuts.begin(), shortcuts.end()).size(), shortcuts.size());

    QTest::keyClick(&h.Window(), Qt::Key_F7);
    TFormSmithChart* form = h.Window().SmithChart();
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Smith Chart - Resistor1"));
    QVERIFY(!form->Chart()->Chart().hasImpedance);
    auto* list = form->findChild<QListWidget*>(QStringLiteral("ListPoints"));
    auto* z0 = form->findChild<QLineEdit*>(QStringLiteral("EditZ0"));
    auto* exportButton = form->findChild<QPushButton*>(QStringLiteral("ButtonExport"));
    QVERIFY(!exportButton->isEnabled());

    // Typed into the main window, drawn in the chart.
    h.ClickTreeItem(QStringLiteral("L Network"));
    h.Click(QStringLiteral("RadioZ1Z2"));
    h.Type(QStringLiteral("EditZout"), QStringLiteral("200"));
    h.Type(QStringLiteral("EditZoutJ"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    QTRY_COMPARE(list->count(), 4);
    QCOMPARE(form->windowTitle(), QStringLiteral("Smith Chart - LNetwork1"));
    const QString first = QStringLiteral(
        "Zout (load): Z = 200 + j100 \u03A9, \u0393 = 0.6695 \u2220 11.89\u00B0, SWR = 5.052");
    QCOMPARE(list->item(0)->text(), first);
    RSmithChart* drawing = form->Chart();
    const QPointF load = drawing->Frame().At(drawing->Chart().points[0].reading.gamma);
    QCOMPARE(drawing->TooltipAt(load.toPoint()), first);
    h.Type(QStringLiteral("EditZout"), QStringLiteral("50"));
    QTRY_COMPARE(list->count(), 2); // Zin = Zout: no design, the two ports

    // The SWR calculator brings its own reference; the user's comes back after.
    h.ClickTreeItem(QStringLiteral("SWR Calculator"));
    QTRY_COMPARE(form->windowTitle(), QStringLiteral("Smith Chart - SWR1"));
    h.Type(QStringLiteral("EditRo"), QStringLiteral("75"));
    QTRY_COMPARE(z0->text(), QStringLiteral("75"));
    QVERIFY(!z0->isEnabled());
    h.ClickTreeItem(QStringLiteral("L Network"));
    QTRY_VERIFY(z0->isEnabled());
    QCOMPARE(z0->text(), QStringLiteral("50"));
    h.Type(QStringLiteral("EditZout"), QStringLiteral("200"));
    QTRY_COMPARE(list->count(), 4);

    // Exported as SVG: the drawing of the chart shown, titled as the window.
    const QString path = h.Path(QStringLiteral("chart.svg"));
    h.dialogs.chartPaths << path;
    QTest::mouseClick(exportButton, Qt::LeftButton);
    const auto asked = h.dialogs.Of(RecordingDialogs::Call::ChartFile);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(QFileInfo(asked[0].initial).fileName(), QStringLiteral("LNetwork1.png"));
    ChartSvgOptions options;
    options.size = 400;
    options.title = QStringLiteral("Smith Chart - LNetwork1");
    const QByteArray svg =
        ChartSvg(ChartOfCalculation(*h.Window().CurrentCalculation(), 50, 4), options).toUtf8();
    QCOMPARE(FileBytes::Load(path), svg);

    // Again onto the same file: asked first, and No keeps it.
    h.dialogs.chartPaths << path;
    h.dialogs.answers << UserDialogs::Answer::No;
    h.Type(QStringLiteral("EditZin"), QStringLiteral("75"));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(h.dialogs.Questions(), QStringList{"Overwrite file '" + path + "'?"});
    QCOMPARE(FileBytes::Load(path), svg);

    // Its placement is kept in the user's settings, not in Kelvo.cfg.
    form->close();
    QVERIFY(QSettings().contains(QStringLiteral("SmithChart/geometry")));
}

QTEST_MAIN(TestFormSmithChart)
#include "tst_formsmithchart.moc"
