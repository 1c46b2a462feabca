#include "ui/shell/reportdocument.h"

#include "core/report/reportfile.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "ui/chart/chartpainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

std::unique_ptr<QTextDocument> ReportDocument(const WorksheetReport& report) {
    auto document = std::make_unique<QTextDocument>();
    // The charts as pictures drawn at twice their size on the page.
    for (int i = 0; i < report.calculations.size(); ++i) {
        const SmithChart& chart = report.calculations[i].chart;
        if (!chart.IsEmpty())
            document->addResource(QTextDocument::ImageResource,
                                  QUrl(QStringLiteral("chart:%1").arg(i)),
                                  ChartImage(chart, ReportChartSize, 2, false));
    }
    document->setHtml(QString::fromUtf8(ReportAsHtml(report, ChartEmbedding::ImageResource)));
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 QStringLiteral("Kelvo worksheet: ") + report.title);
    return document;
}

bool WritePdfReport(const QString& path, const WorksheetReport& report) {
    // Laid out in memory first, so that the file is written whole or not at all.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Kelvo worksheet: ") + report.title);
        writer.setCreator(QStringLiteral("Kelvo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        ReportDocument(report)->print(&writer);
    }
    return WriteReportFile(path, bytes);
}
