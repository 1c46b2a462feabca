#include "ui/shell/reportdocument.h"

#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

std::unique_ptr<QTextDocument> ReportDocument(const WorksheetReport& report) {
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(ReportAsHtml(report)));
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 QStringLiteral("Kelvo worksheet: ") + report.title);
    return document;
}

bool WritePdfReport(const QString& path, const WorksheetReport& report) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Kelvo worksheet: ") + report.title);
        writer.setCreator(QStringLiteral("Kelvo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        ReportDocument(report)->print(&writer);
    }
    return file.commit();
}
