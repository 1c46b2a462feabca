#include "core/report/reportformats.h"

#include "core/calc/numbertext.h"
#include "core/chart/chartsvg.h"
#include "core/report/worksheetreport.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString Heading = QStringLiteral("Kelvo worksheet: ");

bool AnyComplex(const ReportCalculation& calculation) {
    return std::any_of(calculation.quantities.begin(), calculation.quantities.end(),
                       [](const ReportQuantity& quantity) { return quantity.complex; });
}

// Texts padded by characters; every caption and number is in the Basic
// Multilingual Plane, so a QChar is one column.
void AppendRow(QString& out, const QStringList& cells, const QList<int>& widths) {
    QString line = QStringLiteral("  ");
    for (int i = 0; i < cells.size(); ++i) {
        line += cells[i];
        if (i + 1 < cells.size())
            line += QString(widths[i] - int(cells[i].size()) + 2, u' ');
    }
    while (line.endsWith(u' '))
        line.chop(1);
    out += line + u'\n';
}

// Rows in aligned columns, each followed by its line beneath (when there
// is one), which starts under the second column and counts for no width.
void AppendTable(QString& out, const QList<QStringList>& rows, const QStringList& beneath) {
    QList<int> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (int i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], int(row[i].size()));
    }
    for (int r = 0; r < rows.size(); ++r) {
        AppendRow(out, rows[r], widths);
        if (!beneath.value(r).isEmpty())
            out += QString(widths[0] + 4, u' ') + beneath[r] + u'\n';
    }
}

QStringList PartsHeader() {
    return {"Calculation", "Element", "Value", "Standard part"};
}

QString HtmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString ChartHtml(const ReportCalculation& calculation, int index, ChartEmbedding charts) {
    const QString title = QStringLiteral("Smith chart of ") + calculation.name;
    // On paper the chart may open the next page: its caption names it.
    if (charts == ChartEmbedding::ImageResource)
        return QStringLiteral("<p><img src=\"chart:%1\" width=\"%2\" height=\"%2\" alt=\"")
                   .arg(index)
                   .arg(ReportChartSize) +
               HtmlEscaped(title) + QStringLiteral("\"><br>") + HtmlEscaped(title) +
               QStringLiteral("</p>\n");
    ChartSvgOptions options;
    options.size = ReportChartSize;
    options.document = false;
    options.title = title;
    return QStringLiteral("<div class=\"chart\">\n") + ChartSvg(calculation.chart, options) +
           QStringLiteral("</div>\n");
}

// The pieces of a component line stand two spaces apart, which a page
// would fold into one.
QString SpacedHtml(const QString& text) {
    return HtmlEscaped(text).replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
}

QString Cells(const QStringList& texts) {
    QString cells;
    for (const QString& text : texts)
        cells += QStringLiteral("<td>") + SpacedHtml(text) + QStringLiteral("</td>");
    return cells;
}

// A calculation's table: a row per quantity, and beneath a quantity its
// component line across the columns after the first.
QString QuantitiesHtml(const ReportCalculation& calculation) {
    const bool complex = AnyComplex(calculation);
    QString out = QStringLiteral("<table>\n<tr><th>Quantity</th><th>Value</th>");
    if (complex)
        out += QStringLiteral("<th>+j</th>");
    out += QStringLiteral("<th>Unit</th><th>Role</th></tr>\n");
    for (const ReportQuantity& quantity : calculation.quantities) {
        out += quantity.role == QLatin1String("result") ? QStringLiteral("<tr class=\"result\">")
                                                        : QStringLiteral("<tr>");
        out += QStringLiteral("<td>") + HtmlEscaped(quantity.label) +
               QStringLiteral("</td><td class=\"number\">") + HtmlEscaped(quantity.real) +
               QStringLiteral("</td>");
        if (complex)
            out += QStringLiteral("<td class=\"number\">") + HtmlEscaped(quantity.imag) +
                   QStringLiteral("</td>");
        out += QStringLiteral("<td>") + HtmlEscaped(quantity.unit) + QStringLiteral("</td><td>") +
               HtmlEscaped(quantity.role) + QStringLiteral("</td></tr>\n");
        if (!quantity.component.isEmpty())
            out += QStringLiteral("<tr class=\"component\"><td></td><td colspan=\"%1\">")
                       .arg(complex ? 4 : 3) +
                   SpacedHtml(quantity.component) + QStringLiteral("</td></tr>\n");
    }
    return out + QStringLiteral("</table>\n");
}

// Across the page, so that a standard part and its pair keep to one line
// where they can (the columns' shares give the width on paper too).
QString PartsHtml(const QList<ReportPart>& parts) {
    static const int shares[] = {21, 17, 27, 35};
    QString out =
        QStringLiteral("<div class=\"parts\">\n<h2>Parts list</h2>\n<table width=\"100%\">\n<tr>");
    const QStringList header = PartsHeader();
    for (int i = 0; i < header.size(); ++i)
        out += QStringLiteral("<th width=\"%1%\">").arg(shares[i]) + header[i] +
               QStringLiteral("</th>");
    out += QStringLiteral("</tr>\n");
    for (const ReportPart& part : parts)
        out += QStringLiteral("<tr>") +
               Cells({part.calculation, part.element, part.value, part.part}) +
               QStringLiteral("</tr>\n");
    return out + QStringLiteral("</table>\n</div>\n");
}

// A spreadsheet takes a cell starting with one of these for a formula; a
// number such as "-5" it reads as the number it is.
bool LooksLikeFormula(const QString& text) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front()) && !IsNumber(text);
}

QString CsvField(const QString& field) {
    const QString text = LooksLikeFormula(field) ? u'\'' + field : field;
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray ReportAsText(const WorksheetReport& report) {
    QString out = Heading + report.title + u'\n';
    for (const ReportCalculation& calculation : report.calculations) {
        out += u'\n' + calculation.name + QStringLiteral(" (") + calculation.type +
               QStringLiteral(")\n");
        if (!calculation.configuration.isEmpty())
            out += QStringLiteral("  Configuration: ") + calculation.configuration + u'\n';
        if (!calculation.unknown.isEmpty())
            out += QStringLiteral("  Unknown: ") + calculation.unknown + u'\n';
        const bool complex = AnyComplex(calculation);
        QList<QStringList> rows;
        rows << (complex ? QStringList{"Quantity", "Value", "+j", "Unit", "Role"}
                         : QStringList{"Quantity", "Value", "Unit", "Role"});
        QStringList components{QString()};
        for (const ReportQuantity& quantity : calculation.quantities) {
            QStringList row{quantity.label, quantity.real};
            if (complex)
                row << quantity.imag;
            row << quantity.unit << quantity.role;
            rows << row;
            components << quantity.component;
        }
        AppendTable(out, rows, components);
    }
    if (!report.parts.isEmpty()) {
        out += QStringLiteral("\nParts list\n");
        QList<QStringList> rows{PartsHeader()};
        for (const ReportPart& part : report.parts)
            rows << QStringList{part.calculation, part.element, part.value, part.part};
        AppendTable(out, rows, {});
    }
    return out.toUtf8();
}

QByteArray ReportAsHtml(const WorksheetReport& report, ChartEmbedding charts) {
    const QString title = HtmlEscaped(Heading + report.title);
    QString out;
    out.reserve(256 + report.calculations.size() * 600);
    out += QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>") +
           title +
           QStringLiteral("</title>\n<style>\n"
                          "body { font-family: sans-serif; font-size: 10pt; color: #000; }\n"
                          "h1 { font-size: 14pt; }\n"
                          "h2 { font-size: 11pt; margin: 14pt 0 2pt 0; }\n"
                          "div.calculation { page-break-inside: avoid; }\n"
                          "p.configuration { margin: 0 0 4pt 0; }\n"
                          "table { border-collapse: collapse; }\n"
                          "th, td { border: 1px solid #888; padding: 2px 8px; text-align: left; }\n"
                          "th { background: #e8e8e8; }\n"
                          "td.number { text-align: right; }\n"
                          "tr.result td { font-weight: bold; }\n"
                          "span.type { font-weight: normal; color: #444; }\n");
    if (!report.parts.isEmpty())
        out += QStringLiteral("tr.component td { font-weight: normal; font-style: italic; }\n");
    out += QStringLiteral("</style>\n</head>\n<body>\n<h1>") + title + QStringLiteral("</h1>\n");
    for (int index = 0; index < report.calculations.size(); ++index) {
        const ReportCalculation& calculation = report.calculations[index];
        out += QStringLiteral("<div class=\"calculation\">\n<h2>") + HtmlEscaped(calculation.name) +
               QStringLiteral(" <span class=\"type\">(") + HtmlEscaped(calculation.type) +
               QStringLiteral(")</span></h2>\n");
        if (!calculation.configuration.isEmpty())
            out += QStringLiteral("<p class=\"configuration\">Configuration: ") +
                   HtmlEscaped(calculation.configuration) + QStringLiteral("</p>\n");
        if (!calculation.unknown.isEmpty())
            out += QStringLiteral("<p class=\"configuration\">Unknown: ") +
                   HtmlEscaped(calculation.unknown) + QStringLiteral("</p>\n");
        out += QuantitiesHtml(calculation);
        if (!calculation.chart.IsEmpty())
            out += ChartHtml(calculation, index, charts);
        out += QStringLiteral("</div>\n");
    }
    if (!report.parts.isEmpty())
        out += PartsHtml(report.parts);
    out += QStringLiteral("</body>\n</html>\n");
    return out.toUtf8();
}

QByteArray ReportAsCsv(const WorksheetReport& report) {
    QString out = QStringLiteral("calculation,type,quantity,real,imaginary,unit,role\r\n");
    for (const ReportCalculation& calculation : report.calculations) {
        const QString prefix =
            CsvField(calculation.name) + u',' + CsvField(calculation.type) + u',';
        for (const ReportQuantity& quantity : calculation.quantities) {
            out += prefix + CsvField(quantity.label) + u',' + CsvField(quantity.real) + u',' +
                   CsvField(quantity.imag) + u',' + CsvField(quantity.unit) + u',' +
                   CsvField(quantity.role) + QStringLiteral("\r\n");
            if (!quantity.component.isEmpty())
                out += prefix + CsvField(quantity.label) + u',' + CsvField(quantity.component) +
                       QStringLiteral(",,,component\r\n");
        }
        // Listed even without quantities, as the other formats list it.
        if (calculation.quantities.isEmpty())
            out += prefix + QStringLiteral(",,,,\r\n");
    }
    if (!report.parts.isEmpty()) {
        out += QStringLiteral("\r\n") + PartsHeader().join(u',').toLower() + QStringLiteral("\r\n");
        for (const ReportPart& part : report.parts)
            out += CsvField(part.calculation) + u',' + CsvField(part.element) + u',' +
                   CsvField(part.value) + u',' + CsvField(part.part) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

QByteArray ReportAs(ReportFormat format, const WorksheetReport& report) {
    switch (format) {
    case ReportFormat::Html:
        return ReportAsHtml(report);
    case ReportFormat::Csv:
        return ReportAsCsv(report);
    case ReportFormat::Text:
    case ReportFormat::Pdf:
        break;
    }
    return ReportAsText(report);
}

ReportFormat ReportFormatForFile(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ReportFormat::Html;
    if (suffix == QLatin1String("csv"))
        return ReportFormat::Csv;
    return ReportFormat::Text;
}

bool ReportFormatFromName(const QString& name, ReportFormat& format) {
    if (name == QLatin1String("text"))
        format = ReportFormat::Text;
    else if (name == QLatin1String("html"))
        format = ReportFormat::Html;
    else if (name == QLatin1String("csv"))
        format = ReportFormat::Csv;
    else
        return false;
    return true;
}
