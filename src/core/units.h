#pragma once

#include <QString>

// The kinds of quantity a field can hold. Every kind has a base unit in which
// all calculations are done, and up to five units the user can choose from.
enum class UnitKind : int {
    Resistance = 0,
    Capacitance,
    Inductance,
    Frequency,
    UsLength,
    MetricLength,
    UsArea,
    MetricArea,
    UsVolume,
    MetricVolume,
    UsFluid,
    MetricFluid,
    UsWeight,
    MetricWeight,
    FeetMeters,
    InchesCentimeters,
    Dimensionless,
};

constexpr int UnitKindCount = 17;
constexpr int MaxUnitsPerKind = 5;

constexpr int KindNumber(UnitKind kind) { return static_cast<int>(kind); }

// The unit an index stands for: the index itself when the kind lists it,
// else the kind's first unit (0). A damaged worksheet or configuration may
// hold any index; every reader of one goes through this, so that the forms,
// the arithmetic and the reports agree on the unit.
int ListedUnit(int unitKind, int unitIndex);

// Value of one unit in the kind's base unit, for the unit the index stands
// for (every index of Dimensionless gives 1); a kind outside 0 to 16 reports
// "Unknown unit type." and gives 0.
double UnitMultiplier(int unitIndex, int unitKind);
double ToBaseUnits(double value, int unitIndex, int unitKind);
// Divides by the multiplier; 0 when the multiplier is not positive.
double FromBaseUnits(double value, int unitIndex, int unitKind);

// Number of units the kind offers (0 for Dimensionless and unknown kinds).
int UnitCount(int unitKind);
// The caption of a unit radio ("K", "pF", "ft²"); empty for the ohm unit,
// which is shown as a picture, and for units the kind does not list.
QString UnitCaption(int unitKind, int unitIndex);
// The unit as a reader sees it on the form: the caption of the unit the index
// stands for, or "Ω" for the ohm unit, which the form shows as a picture.
QString UnitSymbol(int unitKind, int unitIndex);
// The unit a new field of the kind gets until the user chooses another default.
int FactoryDefaultUnit(int unitKind);
