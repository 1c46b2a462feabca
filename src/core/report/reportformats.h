#pragma once

#include <QByteArray>
#include <QString>

struct WorksheetReport;

enum class ReportFormat { Text, Html, Csv, Pdf };

// Every format lists a quantity's component line beneath it and ends with the
// parts list (calculation, element, value, standard part) when the report
// has any; a report without component lines has neither.

// Plain text in UTF-8: one block per calculation, its quantities in aligned
// columns, a component line indented under the values.
QByteArray ReportAsText(const WorksheetReport& report);
// How the HTML report shows a calculation's Smith chart: as inline SVG, or
// as an image named "chart:N" (N the calculation's place in the report)
// that the reader of the page provides.
enum class ChartEmbedding { InlineSvg, ImageResource };
// The size of a chart on the page, in CSS pixels.
constexpr int ReportChartSize = 340;
// One self-contained HTML page with a table per calculation, styled for
// print, and below it the calculation's Smith chart where it has one.
QByteArray ReportAsHtml(const WorksheetReport& report,
                        ChartEmbedding charts = ChartEmbedding::InlineSvg);
// One row per quantity: calculation, type, quantity, real, imaginary, unit,
// role (one row with empty quantity cells for a calculation without any); a
// component line is a row of its own after its quantity's, the line in the
// "real" cell and the role "component". The parts list follows after an
// empty line, with its own header row. Quoted as RFC 4180 asks, lines ended
// by CR LF. A cell that is not a number
// and starts with "=", "+", "-", "@", a tab or a carriage return begins with
// "'", so that a spreadsheet shows it rather than taking it for a formula.
QByteArray ReportAsCsv(const WorksheetReport& report);

// The report in a format made of text: text, HTML or CSV (a PDF is laid out
// on pages by the window side; asked for here it gives the text).
QByteArray ReportAs(ReportFormat format, const WorksheetReport& report);

// The format a file name asks for by its extension (any case): ".pdf",
// ".html" or ".htm", ".csv"; anything else is text.
ReportFormat ReportFormatForFile(const QString& fileName);
// "text", "html", "csv" as typed on the command line; false for anything else.
bool ReportFormatFromName(const QString& name, ReportFormat& format);
