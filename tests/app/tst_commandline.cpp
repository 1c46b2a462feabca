#include "core/report/samplesheet.h"
#include "support/filebytes.h"
#include "support/specialfiles.h"
#include "support/testsettings.h"

#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "core/standardseriessetting.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program on the command line, as a shell user runs it: without a
// display, its answers on standard output and standard error, and its exit
// status.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();

private:
    QTemporaryDir folder_;
    QString program_;
    QString sample_;
    QByteArray sampleBytes_;
    QString settings_; // the user's configuration folder the program is given
    int fifo_ = -1; // $DIR/fifo, held open for reading
};

using FileBytes::Load;
using FileBytes::Save;

namespace {

QString Expand(QString text, const QString& folder) {
    return text.replace(QStringLiteral("$DIR"), folder);
}

} // namespace

void TestCommandLine::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // A copy of the program in a folder of its own, so that no preferences
    // file beside the built program changes the precision.
    program_ = folder_.filePath(QStringLiteral("kelvo"));
    QVERIFY(QFile::copy(QStringLiteral(KELVO_PROGRAM), program_));
    // The user's "Standard values" preference, which the report follows.
    settings_ = UseTestSettings();
    StoreStandardSeries(ESeries::E24);
    RWorksheet sheet;
    FillSampleSheet(sheet);
    sample_ = folder_.filePath(QStringLiteral("antenna.kvw"));
    sheet.FileName = sample_;
    QVERIFY(sheet.Write());
    sampleBytes_ = Load(sample_);
    // Places a report cannot be written to as to a file.
    QVERIFY(QFile::link(sample_, folder_.filePath(QStringLiteral("link.kvw"))));
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("taken")));
    CharacterDevice(folder_.path(), QStringLiteral("null"));
    CharacterDevice(folder_.path(), QStringLiteral("full"));
    fifo_ = HeldFifo(folder_.filePath(QStringLiteral("fifo")));
    QVERIFY(fifo_ >= 0);
    QVERIFY(Save(folder_.filePath(QStringLiteral("damaged.kvw")), sampleBytes_.left(200)));
    QVERIFY(Save(folder_.filePath(QStringLiteral("notes.txt")), "73 de Kelvo\n"));
}

void TestCommandLine::run_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");  // "text", "html", "csv": the sample's report; else as is
    QTest::addColumn<QString>("written"); // a file the report goes to, or empty
    QTest::addColumn<QString>("error");   // standard error, exactly

    QTest::newRow("version") << QStringList{"--version"} << 0 << "kelvo 2.0.1\n"
                             << ""
                             << "";
    QTest::newRow("text to standard output")
        << QStringList{"--report", "$DIR/antenna.kvw"} << 0 << "text"
        << ""
        << "";
    QTest::newRow("csv") << QStringList{"--report", "$DIR/antenna.kvw", "--format", "csv"} << 0
                         << "csv"
                         << ""
                         << "";
    QTest::newRow("html to a file")
        << QStringList{"--report=$DIR/antenna.kvw", "--format=html", "--output", "$DIR/out.html"}
        << 0 << ""
        << "html"
        << "";
    QTest::newRow("format by the output's extension")
        << QStringList{"--output", "$DIR/out.csv", "--report", "$DIR/antenna.kvw"} << 0 << ""
        << "csv"
        << "";
    QTest::newRow("missing worksheet")
        << QStringList{"--report", "$DIR/missing.kvw"} << 1 << ""
        << ""
        << "kelvo: Error: Could not read the file '$DIR/missing.kvw'.\n";
    QTest::newRow("damaged worksheet")
        << QStringList{"--report", "$DIR/damaged.kvw"} << 1 << ""
        << ""
        << "kelvo: Error: Error reading the file '$DIR/damaged.kvw'.\n";
    QTest::newRow("not a worksheet")
        << QStringList{"--report", "$DIR/notes.txt"} << 1 << ""
        << ""
        << "kelvo: Error: The file '$DIR/notes.txt' did not contain a valid worksheet.\n";
    QTest::newRow("unknown format")
        << QStringList{"--report", "$DIR/antenna.kvw", "--format", "pdf"} << 2 << ""
        << ""
        << "kelvo: unknown report format 'pdf'; choose text, html or csv.\n";
    QTest::newRow("output folder missing")
        << QStringList{"--report", "$DIR/antenna.kvw", "--output", "$DIR/no/out.txt"} << 1 << ""
        << ""
        << "kelvo: could not write the report to '$DIR/no/out.txt'.\n";
    QTest::newRow("format without a report")
        << QStringList{"--format", "csv"} << 2 << ""
        << ""
        << "kelvo: --format and --output go with --report FILE.kvw.\n";

    // Never over the worksheet itself, however it is named; straight into a
    // device or FIFO; never in place of a folder.
    const QString same =
        QStringLiteral("kelvo: the report would overwrite the worksheet "
                       "'$DIR/antenna.kvw' it describes; choose another output.\n");
    for (const char* name : {"./antenna.kvw", "link.kvw"})
        QTest::addRow("output is the worksheet: %s", name)
            << QStringList{"--report", "$DIR/antenna.kvw", "--output", "$DIR/" + QString(name)} << 2
            << ""
            << "" << same;
    for (const char* name : {"null", "full", "fifo", "taken"}) {
        const bool fails = QLatin1String(name) == "full" || QLatin1String(name) == "taken";
        QTest::addRow("output %s", name)
            << QStringList{"--report", "$DIR/antenna.kvw", "--output", "$DIR/" + QString(name)}
            << (fails ? 1 : 0) << "" << (QLatin1String(name) == "fifo" ? "fifo" : "")
            << (fails ? "kelvo: could not write the report to '$DIR/" + QString(name) + "'.\n"
                      : QString());
    }
}

void TestCommandLine::run() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, written);
    QFETCH(QString, error);
    const QString dir = folder_.path();
    for (QString& argument : arguments)
        argument = Expand(argument, dir);
    for (const char* made : {"null", "full"}) {
        if (arguments.contains(dir + '/' + made) && !IsOfType(dir + '/' + made, S_IFCHR))
            QSKIP("This system cannot make that device here.");
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_);
    process.setProcessEnvironment(environment);
    process.start(program_, arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QByteArray out = process.readAllStandardOutput();
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), Expand(error, dir));
    QCOMPARE(process.exitCode(), status);

    RWorksheet sheet;
    FillSampleSheet(sheet);
    sheet.FileName = sample_;
    const WorksheetReport report =
        BuildReport(sheet, 8, ReportCharts::WithSmithCharts, ESeries::E24);
    auto bytesOf = [&report](const QString& format) {
        return format == QLatin1String("html")  ? ReportAsHtml(report)
               : format == QLatin1String("csv") ? ReportAsCsv(report)
                                                : ReportAsText(report);
    };
    if (output == QLatin1String("text") || output == QLatin1String("csv"))
        QCOMPARE(out, bytesOf(output));
    else
        QCOMPARE(QString::fromUtf8(out), output);
    if (written == QLatin1String("fifo")) {
        QCOMPARE(TakeFromFifo(fifo_), bytesOf(QStringLiteral("text")));
    } else if (!written.isEmpty()) {
        QCOMPARE(Load(dir + (written == QLatin1String("html") ? "/out.html" : "/out.csv")),
                 bytesOf(written));
    }
    // The worksheet is never written over; what is not a file stays what it is.
    QCOMPARE(Load(sample_), sampleBytes_);
    QVERIFY(IsOfType(dir + "/fifo", S_IFIFO) && IsOfType(dir + "/taken", S_IFDIR));
    QVERIFY(!QFileInfo::exists(dir + "/null") || IsOfType(dir + "/null", S_IFCHR));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
