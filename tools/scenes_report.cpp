#include "screenshotkit.h"

#include "core/designfrequency.h"
#include "core/rconfig.h"
#include "core/report/worksheetreport.h"
#include "core/rworksheet.h"
#include "core/standardseriessetting.h"
#include "ui/shell/reportdocument.h"
#include "ui/shell/tformmain.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

// The report of the worksheet the earlier scenes filled, its networks
// designed at 7.1 MHz: in the print preview, as the HTML page a browser
// shows, and as the PDF and HTML files an export writes.
const SceneRegistration report(90, [](ShotKit& kit) {
    RWorksheet& worksheet = *kit.window.Worksheet();
    for (int i = 0; i < worksheet.Count(); ++i)
        SetDesignFrequency(worksheet.At(i)->Extras(), {QStringLiteral("7.1"), 2});
    const WorksheetReport content =
        BuildReport(worksheet, kit.window.Config()->Precision, ReportCharts::WithSmithCharts,
                    ReadStandardSeries());
    const auto document = ReportDocument(content);
    QString exported = kit.Path(QStringLiteral("report"));
    exported.chop(4); // ".png"
    kit.window.ExportReport(exported + QStringLiteral(".pdf"));
    kit.window.ExportReport(exported + QStringLiteral(".html"));

    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &kit.window);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { document->print(target); });
    preview.resize(900, 800);
    preview.show();
    kit.Save(QStringLiteral("report-print-preview"), &preview);
    preview.close();

    QTextBrowser browser;
    browser.setDocument(document.get());
    browser.resize(700, 800);
    browser.show();
    kit.Save(QStringLiteral("report-html"), &browser);
});

} // namespace
