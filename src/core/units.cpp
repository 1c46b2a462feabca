#include "core/units.h"

#include "core/messages.h"

#include <array>

namespace {

struct Unit {
    const char* caption;
    double multiplier;
};

struct KindTable {
    int count;
    std::array<Unit, MaxUnitsPerKind> units;
    int factoryDefault;
};

// Captions use UTF-8 for the superscripts of the area and volume units.
const std::array<KindTable, UnitKindCount> kinds = {{
    /* Resistance */ {3, {{{"", 1.0}, {"K", 1000.0}, {"M", 1000000.0}}}, 0},
    /* Capacitance */ {3, {{{"pF", 1E-12}, {"uF", 1E-6}, {"F", 1.0}}}, 0},
    /* Inductance */ {3, {{{"uH", 1E-6}, {"mH", 0.001}, {"H", 1.0}}}, 0},
    /* Frequency */ {3, {{{"Hz", 1.0}, {"KHz", 1000.0}, {"MHz", 1000000.0}}}, 2},
    /* UsLength */
    {4, {{{"in", 1.0 / 12.0}, {"ft", 1.0}, {"yd", 3.0}, {"mile", 5280.0}}}, 1},
    /* MetricLength */
    {4, {{{"mm", 0.001}, {"cm", 0.01}, {"m", 1.0}, {"km", 1000.0}}}, 2},
    /* UsArea */
    {5,
     {{{"in\xC2\xB2", 1.0 / 144.0},
       {"ft\xC2\xB2", 1.0},
       {"yd\xC2\xB2", 9.0},
       {"acre", 43560.0},
       {"mi\xC2\xB2", 27878400.0}}},
     1},
    /* MetricArea */
    {5,
     {{{"mm\xC2\xB2", 1E-6},
       {"cm\xC2\xB2", 1E-4},
       {"m\xC2\xB2", 1.0},
       {"hectare", 10000.0},
       {"km\xC2\xB2", 1000000.0}}},
     2},
    /* UsVolume */
    {3, {{{"in\xC2\xB3", 1.0 / 1728.0}, {"ft\xC2\xB3", 1.0}, {"yd\xC2\xB3", 27.0}}}, 1},
    /* MetricVolume */
    {3, {{{"mm\xC2\xB3", 1E-9}, {"cm\xC2\xB3", 1E-6}, {"m\xC2\xB3", 1.0}}}, 2},
    /* UsFluid */ {3, {{{"US fl oz", 1.0}, {"US quart", 32.0}, {"US gallon", 128.0}}}, 0},
    /* MetricFluid */ {2, {{{"ml", 1.0}, {"l", 1000.0}}}, 0},
    /* UsWeight */ {3, {{{"US oz", 1.0}, {"US lb", 16.0}, {"US ton", 32000.0}}}, 1},
    /* MetricWeight */ {3, {{{"g", 1.0}, {"kg", 1000.0}, {"tonne", 1000000.0}}}, 1},
    /* FeetMeters */ {2, {{{"ft", 1.0 / 3.28084}, {"meters", 1.0}}}, 1},
    /* InchesCentimeters */ {2, {{{"in", 1.0}, {"cm", 1.0 / 2.54}}}, 1},
    /* Dimensionless */ {0, {}, 0},
}};

bool KnownKind(int unitKind) { return unitKind >= 0 && unitKind < UnitKindCount; }

} // namespace

int ListedUnit(int unitKind, int unitIndex) {
    return unitIndex >= 0 && unitIndex < UnitCount(unitKind) ? unitIndex : 0;
}

double UnitMultiplier(int unitIndex, int unitKind) {
    if (!KnownKind(unitKind)) {
        ShowError(QStringLiteral("Unknown unit type."));
        return 0.0;
    }
    const KindTable& table = kinds[unitKind];
    if (table.count == 0)
        return 1.0;
    return table.units[ListedUnit(unitKind, unitIndex)].multiplier;
}

double ToBaseUnits(double value, int unitIndex, int unitKind) {
    return value * UnitMultiplier(unitIndex, unitKind);
}

double FromBaseUnits(double value, int unitIndex, int unitKind) {
    const double multiplier = UnitMultiplier(unitIndex, unitKind);
    return multiplier > 0.0 ? value / multiplier : 0.0;
}

int UnitCount(int unitKind) { return KnownKind(unitKind) ? kinds[unitKind].count : 0; }

QString UnitCaption(int unitKind, int unitIndex) {
    if (!KnownKind(unitKind) || unitIndex < 0 || unitIndex >= kinds[unitKind].count)
        return QString();
    return QString::fromUtf8(kinds[unitKind].units[unitIndex].caption);
}

QString UnitSymbol(int unitKind, int unitIndex) {
    const int unit = ListedUnit(unitKind, unitIndex);
    if (unitKind == KindNumber(UnitKind::Resistance) && unit == 0)
        return QString(QChar(0x03A9));
    return UnitCaption(unitKind, unit);
}

int FactoryDefaultUnit(int unitKind) {
    return KnownKind(unitKind) ? kinds[unitKind].factoryDefault : 0;
}
