#pragma once

#include "core/calc/standardvalues.h"
#include "core/chart/smithchart.h"

#include <QList>
#include <QString>

class RWorksheet;

// A worksheet described for people: every calculation with its quantities
// as the calculator form shows them. Labels, unit captions and configuration
// names come from the type table, so a report and the forms always agree.
// No text of a report holds a control character: what a file brings in
// (names, value texts, the file's name) has tabs and line breaks as spaces
// and every other control character as U+FFFD; the worksheet keeps its own.

struct ReportQuantity {
    QString label; // as on the form: "Result", "Z1 (Solution 2)"
    QString real;  // the display text at the configured precision; empty stays empty
    QString imag;  // the "+j" part; only for complex quantities
    bool complex = false;
    QString unit; // the unit's caption on the form: "K", "uH", "ft²", "Ω"
    // "input", "result", "value" (two-way forms), "solution 1", "solution 2";
    // the solution the form shows is marked "(shown)".
    QString role;
    // The component line beneath its box (componentlines.h); usually empty.
    QString component;
};

struct ReportCalculation {
    QString name;
    QString type;          // the calculator's caption: "Resistor", "L Network"
    QString configuration; // in words; empty for calculators without a choice
    // The choice of unknown where the roles alone do not tell it: a design
    // from settings beyond the fields ("Design"); usually empty.
    QString unknown;
    QList<ReportQuantity> quantities;
    // Its Smith chart on 50 Ω (or the calculation's own reference); empty
    // where there is nothing to plot or charts were not asked for.
    SmithChart chart;
};

// One entry of the parts list: a component line with where it belongs.
struct ReportPart {
    QString calculation; // its name
    QString element;     // the quantity's label: "Z1 (Solution 2)", "Result"
    QString value;       // "C = 224.16189 pF"
    QString part;        // "E12: 220 pF (−1.9 %)"
};

struct WorksheetReport {
    QString title; // the worksheet's file name, or "Untitled"
    QList<ReportCalculation> calculations;
    // Every component line of the report, in its order; empty when there is
    // none, and then the report has no parts list.
    QList<ReportPart> parts;
};

enum class ReportCharts { Without, WithSmithCharts };

// Calculations in the order of the type tree (types 1 to 20), each type's in
// the order of its tabs; calculations of types the program does not know
// follow at the end, with their fields numbered. Component lines name parts
// of the series given (the user's "Standard values" preference); a
// calculation that has any lists its design frequency as a quantity after
// its fields, and one designed from a setting such as a loaded Q lists that
// setting after its fields too.
WorksheetReport BuildReport(const RWorksheet& worksheet, int precision,
                            ReportCharts charts = ReportCharts::Without,
                            ESeries series = DefaultESeries);
