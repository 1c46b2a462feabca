#pragma once

#include "core/calc/complexvalue.h"
#include "core/calc/networkchain.h"

#include <QList>
#include <QString>

// The geometry of a Smith chart: where an impedance lies, the arcs the
// elements of a network trace, the SWR circle and the chart's own grid, all
// as points of the reflection plane Γ = (Z − Z0) / (Z + Z0): the chart is the
// unit disc, the centre is Z0, Γ = 1 (right) the open circuit, Γ = −1 (left)
// the short, inductive reactance above the real axis. A drawing maps Γ to
// its own coordinates (remember that y grows downwards on a screen and in
// SVG) and draws only what these functions return.
//
// Z0 is a real reference impedance in ohms. Every function expects a usable
// one (IsChartReference); with another every Γ is the centre. No function
// returns a NaN: an impedance that is not finite (an open circuit) lies at
// Γ = 1, and Z = −Z0, which only a negative resistance reaches, lies at the
// point at infinity, Γ = (+∞, 0), which point lists leave out.

// Whether z0 can be the chart's reference: above 0 and finite.
bool IsChartReference(double z0);

// Γ of an impedance Z (ohms); 1 for an open circuit.
Complex ReflectionOf(const Complex& z, double z0);
// Γ of an admittance Y (siemens), (1 − Y·Z0) / (1 + Y·Z0); −1 for a short
// (Y not finite).
Complex ReflectionOfAdmittance(const Complex& y, double z0);
// The impedance at a point of the chart, Z0 (1 + Γ) / (1 − Γ): (+∞, 0) at
// Γ = 1, −Z0 at the point at infinity.
Complex ImpedanceOf(const Complex& gamma, double z0);

// |Γ|; +∞ at the point at infinity.
double ReflectionMagnitude(const Complex& gamma);
// The angle of Γ in degrees, −180 to 180, counter-clockwise from the open
// circuit's direction; 0 at the centre and at the point at infinity.
double ReflectionAngle(const Complex& gamma);
// (1 + |Γ|) / (1 − |Γ|); +∞ from |Γ| = 1 on (a lossless load, and the
// negative resistances outside the chart).
double SwrOfReflection(double magnitude);
// −20·log10 |Γ| in dB: +∞ at the centre, 0 on the rim, negative outside.
double ReturnLossOf(double magnitude);

// Everything a tooltip or a list of plotted points says about one point.
struct ChartReading {
    Complex z;            // ohms
    Complex gamma;        // Γ
    double magnitude = 0; // |Γ|
    double angle = 0;     // degrees
    double swr = 1;
    double returnLoss = 0; // dB
};
ChartReading ChartReadingOf(const Complex& z, double z0);

// The points Γ an element traces as its value grows from zero, from Γ of
// `before` to Γ of NodeAfter(before, step), both exactly: a series element
// along the straight line before + t·Z in the impedance plane, a shunt
// element along 1/before + t/Z in the admittance plane, 0 ≤ t ≤ 1. A
// reactance thus moves along its circle of constant resistance (series) or
// conductance (shunt), a resistance along its arc of constant reactance or
// susceptance, a lossy element along the circle that its line maps onto.
// The points are spaced evenly along that arc, at most 2.8° of the arc's
// own circle and an arc of 0.05 (the rim's radius is 1) apart, so that
// joining them with straight lines draws a smooth curve. A path that is a
// straight line on the chart (a resistance in series with a resistive node,
// a conductance in shunt with one: along the real axis) is its two ends.
// A step that cannot move the node (a series element of zero impedance, a
// shunt of zero admittance, anything in series with an open or in shunt
// with a short) gives the one point of the node. A shunt short (Z = 0) or
// an open in series jumps: the two ends only. Like every point list, a
// path leaves out the point at infinity, so one that starts or ends at
// Z = −Z0 (negative resistances only) lacks that end, or is empty.
QList<Complex> ElementPath(const Complex& before, const LadderStep& step, double z0);

// What a chart draws for a network: Γ of every node of the chain (nodes[0]
// the termination, the last the port looked into) and the path of every
// step between them (paths[i] from nodes[i] to nodes[i + 1]). Empty for a
// chain that failed.
struct ChainTrace {
    QList<Complex> nodes;
    QList<QList<Complex>> paths;
};
ChainTrace TraceChain(const NodeChain& chain, double z0);

// A circle, an arc or a straight segment of the chart.
enum class CurveKind { Resistance, Reactance, Conductance, Susceptance, Swr };
struct ChartCurve {
    CurveKind kind = CurveKind::Resistance;
    // The normalised resistance r = R/Z0, reactance x = X/Z0, conductance
    // g = G·Z0 or susceptance b = B·Z0 that stays constant along it; for an
    // SWR circle the SWR.
    double value = 0;
    Complex centre;
    double radius = 0; // 0: the straight segment from `from` to `to`
    // The arc in degrees as seen from the centre, counter-clockwise positive
    // (y up): from startAngle through sweep; 360 for a full circle. Drawn
    // with the chart's up on the screen's up, QPainter::drawArc takes both as
    // they are (times 16); an SVG arc ("A") needs sweep-flag 1 for a negative
    // sweep and large-arc-flag 1 beyond 180°.
    double startAngle = 0;
    double sweep = 0;
    Complex from; // the ends; for a full circle both are the start
    Complex to;
    Complex label; // where its label goes: a resistance's on the real axis,
                   // a reactance's on the rim, an SWR circle's at 45°
};

// 0, 0.2, 0.5, 1, 2, 5, 10, 20: the values a chart labels.
const QList<double>& ChartGridValues();
// For each value v: the circle of constant resistance v (for 0 the rim,
// touching at Γ = 1) and the arcs of reactance +v and −v from Γ = 1 to the
// rim (for 0 the real axis from −1 to 1). Circles first, then arcs, each in
// the order of the values.
QList<ChartCurve> ImpedanceGrid(const QList<double>& values = ChartGridValues());
// The same for admittances (the impedance grid turned by 180°): circles of
// constant conductance touching at Γ = −1, arcs of susceptance ±v, capacitive
// (+v) below the real axis. Without the rim and the real axis, which the
// impedance grid already has.
QList<ChartCurve> AdmittanceGrid(const QList<double>& values = ChartGridValues());
// The circle of the SWR of a load on Z0, around the centre with radius |Γ|;
// the rim with an infinite SWR for a load without resistance or outside the
// chart; for a matched load a point, radius 0 at the centre.
ChartCurve SwrCircle(const Complex& z, double z0);

// A curve as points, `perTurn` to a full turn (at least one segment), first
// and last exactly `from` and `to`; a straight segment as its two ends.
QList<Complex> CurvePoints(const ChartCurve& curve, int perTurn = 128);
