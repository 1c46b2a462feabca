#pragma once

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
};

struct ReportCalculation {
    QString name;
    QString type;          // the calculator's caption: "Resistor", "L Network"
    QString configuration; // in words; empty for calculators without a choice
    QList<ReportQuantity> quantities;
    // Its Smith chart on 50 Ω (or the calculation's own reference); empty
    // where there is nothing to plot or charts were not asked for.
    SmithChart chart;
};

struct WorksheetReport {
    QString title; // the worksheet's file name, or "Untitled"
    QList<ReportCalculation> calculations;
};

enum class ReportCharts { Without, WithSmithCharts };

// Calculations in the order of the type tree (types 1 to 20), each type's in
// the order of its tabs; calculations of types the program does not know
// follow at the end, with their fields numbered.
WorksheetReport BuildReport(const RWorksheet& worksheet, int precision,
                            ReportCharts charts = ReportCharts::Without);
