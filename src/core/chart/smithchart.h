#pragma once

#include "core/calc/smith.h"

#include <QList>
#include <QString>

class RCalculation;

// What a Smith chart of one calculation shows, in the reflection plane of a
// reference impedance Z0 (smith.h): labelled points, the paths the elements
// of a network trace, SWR circles. The chart window, its exports and the
// reports all draw this and nothing else.

struct ChartPoint {
    QString label;       // beside the point: "Zin", "Z1", "Solution 1"; empty: a bare node
    QString description; // in the list of points and the tooltip: "Zout (load)"
    ChartReading reading;
    bool secondary = false; // belongs to the solution not shown: drawn hollow
};

struct ChartPath {
    QString label;        // at the path's middle: "Z2", or "Z2′" for the other solution
    QString description;  // "Z2 in shunt, Solution 1"
    QList<Complex> gamma; // the points of the path, from the load's side
    bool dashed = false;  // the solution not shown
};

struct ChartCircle {
    QString label; // "SWR 2.618"
    ChartCurve curve;
    bool dashed = false;
};

struct SmithChart {
    // False for a calculator whose quantities are no impedances; the window
    // then says NoImpedanceText() instead of drawing.
    bool hasImpedance = false;
    double z0 = 50;
    // The calculation brings its own reference: the line's Ro of an SWR
    // calculation, the analyser's 50 Ω of an antenna reading. 0 when that
    // Ro is no usable reference.
    bool ownReference = false;
    // One line on what could not be drawn ("Error: No solution.",
    // "Z1 lies outside the chart."); empty when everything is drawn.
    QString note;
    QList<ChartPoint> points;
    QList<ChartPath> paths;
    QList<ChartCircle> circles;

    bool IsEmpty() const { return points.isEmpty() && paths.isEmpty() && circles.isEmpty(); }
};

// "This calculation has no impedance to plot."
QString NoImpedanceText();
// "Nothing to plot yet."
QString NothingYetText();

// The reference every chart uses unless the calculation brings its own.
constexpr double DefaultChartReference = 50.0;

// The chart of a calculation on the reference z0 (ohms), from its fields as
// its calculator reads them:
// - Impedance: Z1, Z2 and the result, each where its box holds a number;
// - L, Pi and T networks: the impedance at every node from the port that
//   terminates the network to the port solved for, joined by the paths of
//   the elements, computed from the inputs as the calculator computes them:
//   from the load Zout to Zin when Zin is solved (and for a design), from
//   Zin to Zout when Zout is; a design of the L network draws the shown
//   solution solid and the other dashed; a Pi or T design draws the
//   elements designed from Zin, Zout and the loaded Q;
// - SWR: the load and its SWR circle, on the calculation's own Ro;
// - antenna impedance: both solutions and their SWR circles on 50 Ω;
// - any other calculator: hasImpedance false.
// Texts that are empty or no number leave out what depends on them, with a
// note; no point, path or circle is ever NaN or outside the chart. Numbers
// in labels have `precision` significant digits.
SmithChart ChartOfCalculation(const RCalculation& calculation, double z0, int precision);

// The significant digits of the chart's numbers for a display precision:
// at most 4, which a chart can show.
int ChartPrecision(int displayPrecision);

// "Zout (load): Z = 200 + j100 Ω, Γ = 0.6 ∠ 26.57°, SWR = 4" as the list of
// points and the tooltips say it.
QString PointText(const ChartPoint& point, int precision);
// A place on a path or circle: its description and the reading there.
QString ReadingAtText(const QString& description, const Complex& gamma, double z0, int precision);
