#pragma once

#include <QString>

#include <memory>

class QTextDocument;
struct WorksheetReport;

// The report laid out for paper: the HTML report as a rich-text document.
std::unique_ptr<QTextDocument> ReportDocument(const WorksheetReport& report);
// The document as a PDF file, written whole or not at all.
bool WritePdfReport(const QString& path, const WorksheetReport& report);
