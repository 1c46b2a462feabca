#include "commandline.h"

#include "core/calctypes.h"
#include "core/filewriting.h"
#include "core/installation.h"
#include "core/messages.h"
#include "core/rconfig.h"
#include "core/report/reportfile.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "core/rworksheet.h"
#include "core/standardseriessetting.h"
#include "core/worksheetrepair.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace {

// Every message the readers give becomes one line on standard error.
class StandardErrorLines final : public MessageSink {
public:
    void ShowBox(MessageBoxKind, const QString& text) override { Print(text); }
    void ShowWarning(const QString& text) override { Print(text); }
    void ClearWarning() override {}
    void Terminate() override {}

    static void Print(const QString& text) {
        std::fprintf(stderr, "kelvo: %s\n", text.toLocal8Bit().constData());
    }
};

bool Writes(QFile& out, const QByteArray& bytes) {
    return out.write(bytes) == bytes.size() && out.flush();
}

// The report of the worksheet, at the display precision of the user's
// preferences, in the format to the output (standard output when empty); the
// program's exit status.
int WriteReport(const QString& worksheetName, ReportFormat format, const QString& outputName) {
    RConfig config;
    config.FileName = DefaultConfigFileName();
    config.Read();
    const TypeCatalog catalog(config);
    RWorksheet worksheet;
    worksheet.FileName = worksheetName;
    if (!worksheet.Read(catalog))
        return 1; // the reader has said why
    RepairWorksheet(worksheet, catalog);

    // The standard parts of the user's preference, as the window shows them.
    const QByteArray bytes =
        ReportAs(format, BuildReport(worksheet, config.Precision, ReportCharts::WithSmithCharts,
                                     ReadStandardSeries()));
    QFile out;
    if (outputName.isEmpty() ? out.open(stdout, QIODevice::WriteOnly) && Writes(out, bytes)
                             : WriteReportFile(outputName, bytes))
        return 0;
    StandardErrorLines::Print(outputName.isEmpty()
                                  ? QStringLiteral("could not write the report to standard output.")
                                  : QStringLiteral("could not write the report to '") + outputName +
                                        QStringLiteral("'."));
    return 1;
}

} // namespace

bool IsCommandLineRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            return false;
        for (const char* option : {"--report", "--help", "-h", "-?", "--help-all", "--version",
                                   "-v", "--format", "--output"}) {
            const size_t length = std::strlen(option);
            if (std::strncmp(argument, option, length) == 0 &&
                (argument[length] == '\0' || argument[length] == '='))
                return true;
        }
    }
    return false;
}

int RunCommandLine(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelvo, the calculator for the radio bench.\n"
                       "Without options it opens the worksheet given, if any, in its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Write a report of the worksheet <file> and exit, without a window."),
        QStringLiteral("file"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("Report format: text, html or csv (default: by the output's extension, "
                       "else text)."),
        QStringLiteral("format"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        QStringLiteral("Write the report to <file> instead of standard output."),
        QStringLiteral("file"));
    parser.addOptions({report, format, output});
    parser.addPositionalArgument(QStringLiteral("worksheet"),
                                 QStringLiteral("A worksheet (.kvw) to open."),
                                 QStringLiteral("[worksheet]"));
    parser.process(application); // answers --help and --version, and refuses bad options

    StandardErrorLines sink;
    SetMessageSink(&sink);
    const auto fail = [&](const QString& message, int status) {
        StandardErrorLines::Print(message);
        SetMessageSink(nullptr);
        return status;
    };
    if (!parser.isSet(report))
        return fail(QStringLiteral("--format and --output go with --report FILE.kvw."), 2);
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("a report is made of one worksheet, given after --report."), 2);

    const QString outputName = parser.value(output);
    ReportFormat chosen = ReportFormat::Text;
    if (parser.isSet(format)) {
        if (!ReportFormatFromName(parser.value(format), chosen))
            return fail(QStringLiteral("unknown report format '") + parser.value(format) +
                            QStringLiteral("'; choose text, html or csv."),
                        2);
    } else if (!outputName.isEmpty()) {
        chosen = ReportFormatForFile(outputName);
        if (chosen == ReportFormat::Pdf)
            return fail(QStringLiteral("PDF reports are exported from the program's File menu; "
                                       "choose --format text, html or csv."),
                        2);
    }

    // A report written over its own worksheet would destroy it; the files are
    // compared, not their names, which a link or "./" can disguise.
    const QString worksheetName = parser.value(report);
    if (IsSameFile(worksheetName,
                   outputName.isEmpty() ? QStringLiteral("/dev/stdout") : outputName))
        return fail(QStringLiteral("the report would overwrite the worksheet '") + worksheetName +
                        QStringLiteral("' it describes; choose another output."),
                    2);

    const int status = WriteReport(worksheetName, chosen, outputName);
    SetMessageSink(nullptr);
    return status;
}
