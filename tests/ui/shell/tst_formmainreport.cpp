#include "support/mainwindowharness.h"

#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "core/standardseriessetting.h"

#include <QMenu>
#include <QtTest>

// The worksheet report from the File menu: the entries, the export in every
// format, the overwrite question, a failed write, and the print preview.
class TestFormMainReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void fileMenuEntries();
    void exportReport_data();
    void exportReport();
    void overwriteIsAsked();
    void exportOntoTheWorksheet_data();
    void exportOntoTheWorksheet();
    void failedWriteNamesTheFile();
    void printPreviewShowsTheWorksheet();
};

void TestFormMainReport::fileMenuEntries() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    auto* file = h.Find<QMenu>(QStringLiteral("MenuFile"));
    QStringList entries;
    for (QAction* action : file->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << action->text() + u' ' + action->shortcut().toString();
    }
    // The report comes above Exit; every earlier entry keeps its caption,
    // access key and shortcut, and no access key is used twice.
    QCOMPARE(entries, (QStringList{"&New Worksheet ", "&Open Worksheet... Ctrl+O",
                                   "&Save Worksheet Ctrl+S", "Save &As... Ctrl+A", "-",
                                   "&Print Report... ", "&Export Report... ", "-", "E&xit "}));
}

void TestFormMainReport::exportReport_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "report.pdf";
    QTest::newRow("html") << "report.html";
    QTest::newRow("text") << "report.txt";
    QTest::newRow("csv") << "report.csv";
}

void TestFormMainReport::exportReport() {
    QFETCH(QString, name);
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Window().Config()->AutoCalculate = 1;
    h.Type(QStringLiteral("EditR1"), QStringLiteral("100"));
    h.Type(QStringLiteral("EditR2"), QStringLiteral("100"));
    StoreStandardSeries(ESeries::E24); // the parts come from the user's series
    const QString path = h.Path(name);
    h.dialogs.reportPaths << path;
    h.Trigger(QStringLiteral("MenuExportReport"));

    const auto records = h.dialogs.Of(RecordingDialogs::Call::ReportFile);
    QCOMPARE(records.size(), 1);
    QCOMPARE(QFileInfo(records[0].initial).fileName(), QStringLiteral("Untitled.pdf"));
    QVERIFY(h.dialogs.Messages().isEmpty());
    const QByteArray bytes = FileBytes::Load(path);
    // The worksheet as it stands in memory, unsaved changes included.
    const WorksheetReport report =
        BuildReport(*h.Window().Worksheet(), 8, ReportCharts::Without, ESeries::E24);
    if (name.endsWith(".pdf"))
        QVERIFY(bytes.startsWith("%PDF-"));
    else if (name.endsWith(".html"))
        QCOMPARE(bytes, ReportAsHtml(report));
    else if (name.endsWith(".csv"))
        QCOMPARE(bytes, ReportAsCsv(report));
    else
        QCOMPARE(bytes, ReportAsText(report));
    QVERIFY(report.calculations[0].quantities[2].real == QStringLiteral("50"));
    QCOMPARE(report.calculations[0].quantities[2].component,
             QStringLiteral("E24: 51 Ω (+2.0 %)  pair: 30 Ω + 20 Ω (0 %)"));
    QVERIFY(h.Window().Worksheet()->Modified); // a report is no save
}

void TestFormMainReport::overwriteIsAsked() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("old.txt"));
    QVERIFY(FileBytes::Save(path, "keep me"));
    h.dialogs.reportPaths << path << path;
    h.dialogs.PressEnter(); // the default keeps the file
    h.dialogs.answers << UserDialogs::Answer::Yes;
    h.Trigger(QStringLiteral("MenuExportReport"));
    QCOMPARE(h.dialogs.Questions(), QStringList{"Overwrite file '" + path + "'?"});
    QCOMPARE(h.dialogs.records.last().defaultAnswer, UserDialogs::Answer::No);
    QCOMPARE(FileBytes::Load(path), QByteArray("keep me"));
    h.Trigger(QStringLiteral("MenuExportReport"));
    QVERIFY(FileBytes::Load(path).startsWith("Kelvo worksheet: Untitled"));
}

void TestFormMainReport::exportOntoTheWorksheet_data() {
    QTest::addColumn<QString>("name"); // as chosen in the dialog, in the worksheet's folder
    QTest::addColumn<bool>("refused");
    QTest::newRow("its own name") << "w.kvw" << true;
    QTest::newRow("./ and ../ inside") << "./sub/../w.kvw" << true;
    QTest::newRow("a link to it") << "link.txt" << true;
    QTest::newRow("a copy of it") << "copy.kvw" << false;
}

// The report never replaces the worksheet it describes, under any name: the
// window says why and writes nothing. Another file is only asked about.
void TestFormMainReport::exportOntoTheWorksheet() {
    QFETCH(QString, name);
    QFETCH(bool, refused);
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString sheet = WriteWorksheet(h.Path(QStringLiteral("w.kvw")), QStringLiteral("68"));
    QVERIFY(QDir(h.Folder()).mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::link(sheet, h.Path(QStringLiteral("link.txt"))));
    QVERIFY(QFile::copy(sheet, h.Path(QStringLiteral("copy.kvw"))));
    const QByteArray before = FileBytes::Load(sheet);
    QVERIFY(h.Window().OpenWorksheet(sheet));
    h.Type(QStringLiteral("EditR1"), QStringLiteral("47"));
    const QString path = h.Folder() + u'/' + name;
    h.dialogs.reportPaths << path;
    h.dialogs.answers << UserDialogs::Answer::Yes;
    h.Trigger(QStringLiteral("MenuExportReport"));

    QCOMPARE(FileBytes::Load(sheet), before);
    QCOMPARE(h.dialogs.Questions().size(), refused ? 0 : 1);
    QCOMPARE(h.dialogs.Messages(),
             refused ? QStringList{"Error: The report was not written: '" + path +
                                   "' is the open worksheet, which the report would replace. "
                                   "Choose another file for the report."}
                     : QStringList());
}

void TestFormMainReport::failedWriteNamesTheFile() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    const QString path = h.Path(QStringLiteral("missing/report.csv"));
    h.dialogs.reportPaths << path << std::nullopt;
    h.Trigger(QStringLiteral("MenuExportReport"));
    QCOMPARE(h.dialogs.Messages(),
             QStringList{"Error: Could not write the report to '" + path + "'."});
    h.Trigger(QStringLiteral("MenuExportReport")); // cancelled: nothing more
    QCOMPARE(h.dialogs.Messages().size(), 1);
}

void TestFormMainReport::printPreviewShowsTheWorksheet() {
    MainWindowHarness h;
    QVERIFY(h.Start());
    h.Type(QStringLiteral("EditR1"), QStringLiteral("47"));
    h.Trigger(QStringLiteral("MenuPrintReport"));
    QCOMPARE(h.dialogs.printed.size(), 1);
    const QString text = h.dialogs.printed[0];
    QVERIFY(text.startsWith(QStringLiteral("Kelvo worksheet: Untitled")));
    QVERIFY(text.contains(QStringLiteral("Resistor1 (Resistor)")));
    QVERIFY(text.contains(QStringLiteral("AntImped1 (Antenna Impedance using the Autek RF 1)")));
    QVERIFY(text.contains(QStringLiteral("47")));
}

QTEST_MAIN(TestFormMainReport)
#include "tst_formmainreport.moc"
