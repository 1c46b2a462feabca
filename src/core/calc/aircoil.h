#pragma once

#include "core/calc/solved.h"

// A single-layer air-core coil by Wheeler's approximation
// L[µH] = d²·n² / (18·d + 40·l), with the diameter d and the winding length
// l in inches and n turns. Each function gives one of the four quantities
// from the other three; inductances are in henrys.
Solved CoilInductance(double diameter, double length, double turns);
Solved CoilDiameter(double inductance, double length, double turns);
Solved CoilLength(double diameter, double inductance, double turns);
Solved CoilTurns(double diameter, double inductance, double length);
