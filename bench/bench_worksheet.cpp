// Reads and writes worksheets of growing size and prints the times, so that
// linear growth can be checked: the time per calculation should stay flat.

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void Fill(RWorksheet& worksheet, const CalculatorCatalog& catalog, int count) {
    worksheet.Clear();
    for (int i = 0; i < count; ++i) {
        auto calculation = std::make_unique<RCalculation>();
        const int type = i % CalcTypeCount + 1;
        catalog.InitCalculation(type, *calculation);
        calculation->SetName(catalog.GetTypeName(type) + QString::number(i / CalcTypeCount + 1));
        calculation->SetCurrent(i < CalcTypeCount);
        for (RField& field : calculation->Fields())
            field.SetTexts(QStringLiteral("123.456"), QStringLiteral("-7.5"));
        worksheet.Insert(worksheet.Count(), std::move(calculation));
    }
    worksheet.CurrentIndex = 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    RConfig config;
    TypeCatalog catalog(config);

    std::printf("%12s %12s %12s %12s %14s %14s\n", "calcs", "bytes", "write ms", "read ms",
                "write us/calc", "read us/calc");
    for (int count : {1250, 2500, 5000, 10000, 20000}) {
        RWorksheet worksheet;
        Fill(worksheet, catalog, count);
        worksheet.FileName = dir.filePath(QStringLiteral("bench.kvw"));

        QElapsedTimer timer;
        timer.start();
        if (!worksheet.Write())
            return 1;
        const double writeMs = timer.nsecsElapsed() / 1e6;

        RWorksheet read;
        read.FileName = worksheet.FileName;
        timer.restart();
        if (!read.Read(catalog) || read.Count() != count)
            return 1;
        const double readMs = timer.nsecsElapsed() / 1e6;

        std::printf("%12d %12lld %12.2f %12.2f %14.3f %14.3f\n", count,
                    QFileInfo(worksheet.FileName).size(), writeMs, readMs, writeMs * 1000 / count,
                    readMs * 1000 / count);
    }
    return 0;
}
