#include "screenshotkit.h"

#include "core/rconfig.h"
#include "core/report/worksheetreport.h"
#include "ui/shell/reportdocument.h"
#include "ui/shell/tformmain.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

// The report of the worksheet the earlier scenes filled: in the print
// preview, and as the HTML page a browser shows.
const SceneRegistration report(90, [](ShotKit& kit) {
    const WorksheetReport content = BuildReport(
        *kit.window.Worksheet(), kit.window.Config()->Precision, ReportCharts::WithSmithCharts);
    const auto document = ReportDocument(content);

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
