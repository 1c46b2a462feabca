#include "ui/shell/reportdocument.h"

#include "core/report/reportfile.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

std::unique_ptr<QTextDocument> ReportDocument(const WorksheetReport& report) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(ReportAsHtml(report)));
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
