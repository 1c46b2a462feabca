#include "screenshotkit.h"

#include "ui/chart/rsmithchart.h"
#include "ui/chart/tformsmithchart.h"
#include "ui/shell/tformmain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return dark;
}

void Check(ShotKit& kit, const char* radio) {
    auto* button = kit.window.findChild<QAbstractButton*>(QLatin1String(radio));
    if (button && !button->isChecked())
        button->click();
}

// Every calculator that has a chart, and one that has none; the last two
// again in a dark palette, and a tooltip over a path.
void Charts(ShotKit& kit, const QString& suffix) {
    TFormSmithChart* chart = kit.window.SmithChart();
    const auto save = [&](const char* name) {
        chart->Redraw();
        kit.Save(QStringLiteral("chart-") + QLatin1String(name) + suffix, chart);
    };
    kit.ShowType(QStringLiteral("Impedance"));
    Check(kit, "RadioParallel");
    Check(kit, "RadioZout");
    kit.Type(QStringLiteral("EditZ1"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("30"));
    kit.Type(QStringLiteral("EditZ2"), QStringLiteral("20"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-40"));
    save("impedance");

    kit.ShowType(QStringLiteral("L Network"));
    Check(kit, "RadioZ1BeforeZ2");
    Check(kit, "RadioZ1Z2");
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("200"));
    kit.Type(QStringLiteral("EditZoutJ"), QStringLiteral("100"));
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    save("lnetwork-design");

    kit.ShowType(QStringLiteral("Pi Network"));
    Check(kit, "RadioZout");
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("-100"));
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZ3J"), QStringLiteral("-200"));
    save("pinetwork");
    Check(kit, "RadioDesign");
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("2000"));
    kit.Type(QStringLiteral("EditZout"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZoutJ"), QString());
    kit.Type(QStringLiteral("EditQ"), QStringLiteral("10"));
    save("pinetwork-design");

    kit.ShowType(QStringLiteral("T Network"));
    Check(kit, "RadioZout");
    kit.Type(QStringLiteral("EditZin"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditZinJ"), QString());
    kit.Type(QStringLiteral("EditZ1J"), QStringLiteral("30"));
    kit.Type(QStringLiteral("EditZ2"), QString());
    kit.Type(QStringLiteral("EditZ2J"), QStringLiteral("-80"));
    kit.Type(QStringLiteral("EditZ3J"), QStringLiteral("20"));
    save("tnetwork");

    kit.ShowType(QStringLiteral("SWR Calculator"));
    kit.Type(QStringLiteral("EditZant"), QStringLiteral("25"));
    kit.Type(QStringLiteral("EditZantJ"), QStringLiteral("25"));
    save("swr");

    kit.ShowType(QStringLiteral("Antenna Impedance"));
    Check(kit, "RadioNoCircuit");
    kit.Type(QStringLiteral("EditF"), QStringLiteral("14.2"));
    kit.Type(QStringLiteral("EditZ"), QStringLiteral("50"));
    kit.Type(QStringLiteral("EditSWR"), QStringLiteral("1.5"));
    kit.Click(QStringLiteral("ButtonCalculate"));
    save("antenna");

    kit.ShowType(QStringLiteral("Weight/Mass"));
    save("none");
}

const SceneRegistration charts(95, [](ShotKit& kit) {
    kit.window.MenuSmithChartClick();
    TFormSmithChart* chart = kit.window.SmithChart();
    chart->resize(520, 700);
    Charts(kit, QString());

    // A tooltip over the middle of the L network's first path, on the screen;
    // the chart exported as PNG and as SVG.
    kit.ShowType(QStringLiteral("L Network"));
    chart->Redraw();
    chart->ExportChart(kit.Path(QStringLiteral("chart-export")));
    chart->ExportChart(kit.Path(QStringLiteral("chart-export")).replace(".png", ".svg"));
    RSmithChart* drawing = chart->Chart();
    const ChartPath& path = drawing->Chart().paths.first();
    const QPoint at = drawing->Frame().At(path.gamma[path.gamma.size() / 2]).toPoint();
    QCursor::setPos(drawing->mapToGlobal(at));
    QHelpEvent help(QEvent::ToolTip, at, drawing->mapToGlobal(at));
    QApplication::sendEvent(drawing, &help);
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(kit.Path(QStringLiteral("chart-tooltip")));

    const QPalette light = QApplication::palette();
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
    chart->findChild<QAbstractButton*>(QStringLiteral("CheckAdmittance"))->setChecked(true);
    Charts(kit, QStringLiteral("-dark"));
    chart->findChild<QAbstractButton*>(QStringLiteral("CheckAdmittance"))->setChecked(false);
    QApplication::setPalette(light);
    QApplication::setStyle(style);
    chart->close();
});

} // namespace
