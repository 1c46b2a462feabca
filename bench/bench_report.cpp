// The worksheet report of large worksheets in every format, to show that it
// stays well under a second at 20,000 calculations and grows linearly. The
// networks have a design frequency, so that every calculation that can have
// component lines has them, and the report ends with a long parts list.

#include "core/calctypes.h"
#include "core/designfrequency.h"
#include "core/rconfig.h"
#include "core/report/reportformats.h"
#include "core/report/worksheetreport.h"
#include "core/rworksheet.h"

#include <QElapsedTimer>

#include <cstdio>
#include <memory>

namespace {

// Calculations of every type in turn, each with values in every box.
void Fill(RWorksheet& sheet, int count) {
    const RConfig config;
    for (int i = 0; i < count; ++i) {
        auto calculation = std::make_unique<RCalculation>();
        InitCalculationOfType(i % CalcTypeCount + 1, *calculation, config);
        calculation->SetName(QStringLiteral("Calculation, \"%1\" <&>").arg(i));
        for (RField& field : calculation->Fields())
            field.SetTexts(QStringLiteral("123.456789012345"), QStringLiteral("-0.001"));
        SetDesignFrequency(calculation->Extras(), {QStringLiteral("7.1"), 2});
        sheet.Insert(i, std::move(calculation));
    }
}

template <typename Work> double Milliseconds(Work work) {
    QElapsedTimer timer;
    timer.start();
    const int rounds = 3;
    for (int i = 0; i < rounds; ++i)
        work();
    return timer.nsecsElapsed() / 1e6 / rounds;
}

} // namespace

int main() {
    std::printf("%8s %10s %10s %10s %10s %12s %8s\n", "count", "model ms", "text ms", "html ms",
                "csv ms", "us per calc", "parts");
    for (int count : {1250, 2500, 5000, 10000, 20000}) {
        RWorksheet sheet;
        Fill(sheet, count);
        WorksheetReport report;
        const double model = Milliseconds([&] { report = BuildReport(sheet, 8); });
        qsizetype sink = 0;
        const double text = Milliseconds([&] { sink += ReportAsText(report).size(); });
        const double html = Milliseconds([&] { sink += ReportAsHtml(report).size(); });
        const double csv = Milliseconds([&] { sink += ReportAsCsv(report).size(); });
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %12.2f %8d\n", count, model, text, html, csv,
                    (model + text + html + csv) * 1000 / count, int(report.parts.size()));
        if (sink == 0)
            return 1;
    }
    return 0;
}
