// The worksheet report from the File menu: printed through the print
// preview, or exported as PDF, HTML, text or CSV.

#include "ui/shell/tformmain.h"

#include "core/filenames.h"
#include "core/filewriting.h"
#include "core/rconfig.h"
#include "core/report/reportfile.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "core/rworksheet.h"
#include "core/standardseriessetting.h"
#include "ui/framework/userdialogs.h"
#include "ui/shell/reportdocument.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

void TFormMain::MenuPrintReportClick() {
    if (!worksheet_ || !config_)
        return;
    const auto document = ReportDocument(BuildReport(
        *worksheet_, config_->Precision, ReportCharts::WithSmithCharts, ReadStandardSeries()));
    dialogs_.PrintPreview(this, *document);
}

void TFormMain::MenuExportReportClick() {
    if (!worksheet_ || !config_)
        return;
    // Proposed beside the worksheet, named after it.
    const QString& worksheetName = worksheet_->FileName;
    const QString folder =
        worksheetName.isEmpty() ? config_->LastFolder : ExtractFilePath(worksheetName);
    const QString base =
        worksheetName.isEmpty() ? QStringLiteral("Untitled") : ExtractBaseName(worksheetName);
    QString path;
    if (!dialogs_.GetReportFileName(this, QDir(folder).filePath(base + QStringLiteral(".pdf")),
                                    path))
        return;
    // The report would replace the worksheet it describes, under any name
    // that leads to that file.
    if (IsSameFile(path, worksheetName)) {
        ShowError(QStringLiteral("The report was not written: '") + path +
                  QStringLiteral("' is the open worksheet, which the report would replace. "
                                 "Choose another file for the report."));
        return;
    }
    if (dialogs_.MayReplace(this, path))
        ExportReport(path);
}

bool TFormMain::ExportReport(const QString& path) {
    const WorksheetReport report = BuildReport(*worksheet_, config_->Precision,
                                               ReportCharts::WithSmithCharts, ReadStandardSeries());
    const ReportFormat format = ReportFormatForFile(path);
    const bool written = format == ReportFormat::Pdf
                             ? WritePdfReport(path, report)
                             : WriteReportFile(path, ReportAs(format, report));
    if (!written)
        ShowError(QStringLiteral("Could not write the report to '") + path + QStringLiteral("'."));
    return written;
}
