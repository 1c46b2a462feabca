#include "core/report/worksheetreport.h"

#include "core/calctypes.h"
#include "core/componentlines.h"
#include "core/filenames.h"
#include "core/rworksheet.h"
#include "core/units.h"

#include <algorithm>

namespace {

// A text from a file as a report may show it: a control character could
// recolour a terminal, break the text report's lines or make the HTML
// invalid. Tabs and line breaks become spaces, as they read; any other
// control character becomes the replacement mark, so that it stays visible.
bool IsControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

QString Visible(const QString& text) {
    if (std::none_of(text.begin(), text.end(), IsControl))
        return text; // shared, not copied: almost every text
    QString visible = text;
    for (QChar& c : visible) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029))
            c = u' ';
        else if (IsControl(c))
            c = QChar(QChar::ReplacementCharacter);
    }
    return visible;
}

ReportQuantity QuantityOf(const QString& label, const RField& field, bool complex, int precision,
                          const QString& role) {
    ReportQuantity quantity;
    quantity.label = label;
    quantity.real = Visible(field.FormatReal(precision));
    quantity.complex = complex;
    if (complex)
        quantity.imag = Visible(field.FormatImag(precision));
    quantity.unit = UnitSymbol(field.unitKind, field.unitIndex);
    quantity.role = role;
    return quantity;
}

QString TypeCaption(const CalcTypeInfo& info) {
    QString caption = QString::fromLatin1(info.formCaption);
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QString Configuration(const CalcTypeInfo& info, int configuration) {
    if (info.configurations.empty())
        return QString();
    const QString caption = ConfigurationCaption(info, configuration);
    return caption.isEmpty() ? QStringLiteral("Configuration %1").arg(configuration) : caption;
}

// The design frequency as a quantity of its own, after the fields: the
// frequency the calculation's component lines are worked out at.
ReportQuantity DesignFrequencyQuantity(const RCalculation& calculation, int precision) {
    const DesignFrequency frequency = GetDesignFrequency(calculation.Extras());
    RField field;
    field.text = frequency.text;
    field.unitKind = KindNumber(UnitKind::Frequency);
    field.unitIndex = frequency.unitIndex;
    return QuantityOf(QStringLiteral("Design frequency"), field, false, precision,
                      QStringLiteral("input"));
}

// The settings beyond the fields that the chosen unknown reads (a design's
// loaded Q), as quantities after the fields; and the unknown's caption, which
// then says what the results came from.
void AddExtraInputs(const RCalculation& calculation, const UnknownSpec* unknown, int precision,
                    ReportCalculation& entry) {
    if (!unknown)
        return;
    for (const ReadSpec& read : unknown->solve.reads) {
        if (!read.IsExtra())
            continue;
        entry.quantities << QuantityOf(QString::fromLatin1(read.extraName),
                                       calculation.ExtraAsField(read.extraKey), false, precision,
                                       QStringLiteral("input"));
        entry.unknown = QString::fromLatin1(unknown->caption);
    }
}

// The component line of a field's value, or of one of its solutions, under
// its quantity and in the parts list.
void AddLine(const ComponentLines& lines, int field, int solution, ReportQuantity& quantity,
             const QString& calculationName, QList<ReportPart>& parts, bool listed) {
    const ComponentLine* line = lines.Find(field, solution);
    if (!line)
        return;
    quantity.component = Visible(line->text);
    if (listed)
        parts << ReportPart{calculationName, quantity.label, Visible(line->value),
                            Visible(line->part)};
}

ReportCalculation Describe(const RCalculation& calculation, const CalcTypeInfo& info, int precision,
                           ReportCharts charts, ESeries series, QList<ReportPart>& parts) {
    ReportCalculation entry;
    entry.name = Visible(calculation.Name());
    entry.type = TypeCaption(info);
    entry.configuration = Configuration(info, calculation.Configuration());
    if (charts == ReportCharts::WithSmithCharts)
        entry.chart =
            ChartOfCalculation(calculation, DefaultChartReference, ChartPrecision(precision));
    const ComponentLines lines = ComponentLinesOf(calculation, series, precision);

    // The fields the unknown writes.
    const UnknownSpec* unknown = UnknownOf(info, calculation);
    const QString otherRole =
        info.unknowns.empty() ? QStringLiteral("value") : QStringLiteral("input");
    const int solution = calculation.Solution();
    const int shown = std::min(calculation.FieldCount(), int(info.fields.size()));
    for (int i = 0; i < shown; ++i) {
        const RField& field = calculation.Field(i);
        const bool complex = info.fields[size_t(i)].complex;
        const QString label = FieldLabel(info, i, calculation.Configuration());
        const std::vector<int> written = unknown ? unknown->solve.writes : std::vector<int>();
        const bool result = std::find(written.begin(), written.end(), i) != written.end();
        const QString role = result ? QStringLiteral("result") : otherRole;
        // While a solution is chosen the form shows it in the quantity's box,
        // and the alternatives are worth listing.
        const bool solutions = solution >= 0 && !field.solutions.empty();
        const int shownSolution = ShownSolution(calculation, i);
        const RField& shownField =
            shownSolution >= 0 ? field.solutions[size_t(shownSolution)] : field;
        entry.quantities << QuantityOf(label, shownField, complex, precision, role);
        // The parts list names a shown solution once, under its own label.
        AddLine(lines, i, shownSolution, entry.quantities.last(), entry.name, parts,
                shownSolution < 0);
        if (!solutions)
            continue;
        for (int k = 0; k < int(field.solutions.size()); ++k) {
            QString role = QStringLiteral("solution %1").arg(k + 1);
            if (k == solution)
                role += QStringLiteral(" (shown)");
            entry.quantities << QuantityOf(label + QStringLiteral(" (Solution %1)").arg(k + 1),
                                           field.solutions[size_t(k)], complex, precision, role);
            AddLine(lines, i, k, entry.quantities.last(), entry.name, parts, true);
        }
    }
    AddExtraInputs(calculation, unknown, precision, entry);
    if (!lines.lines.empty() && HasDesignFrequency(calculation.Type()))
        entry.quantities << DesignFrequencyQuantity(calculation, precision);
    return entry;
}

// A calculation the program cannot show: its texts as they stand.
ReportCalculation DescribeForeign(const RCalculation& calculation, int precision) {
    ReportCalculation entry;
    entry.name = Visible(calculation.Name());
    entry.type = QStringLiteral("Unknown type %1").arg(calculation.Type());
    for (int i = 0; i < calculation.FieldCount(); ++i) {
        const RField& field = calculation.Field(i);
        entry.quantities << QuantityOf(QStringLiteral("Field %1").arg(i + 1), field,
                                       !field.imagText.isEmpty(), precision,
                                       QStringLiteral("input"));
    }
    return entry;
}

} // namespace

WorksheetReport BuildReport(const RWorksheet& worksheet, int precision, ReportCharts charts,
                            ESeries series) {
    WorksheetReport report;
    report.title = worksheet.FileName.isEmpty() ? QStringLiteral("Untitled")
                                                : Visible(ExtractFileName(worksheet.FileName));
    // Group by type in one pass, keeping the worksheet's order within a type.
    QList<QList<const RCalculation*>> byType(CalcTypeCount + 1);
    for (int i = 0; i < worksheet.Count(); ++i) {
        const RCalculation* calculation = worksheet.At(i);
        const int type = FindCalcType(calculation->Type()) ? calculation->Type() : 0;
        byType[type] << calculation;
    }
    for (int type = 1; type <= CalcTypeCount; ++type) {
        const CalcTypeInfo& info = *FindCalcType(type);
        for (const RCalculation* calculation : byType[type])
            report.calculations << Describe(*calculation, info, precision, charts, series,
                                            report.parts);
    }
    for (const RCalculation* calculation : byType[0])
        report.calculations << DescribeForeign(*calculation, precision);
    return report;
}
