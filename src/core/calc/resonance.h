#pragma once

#include "core/calc/solved.h"

// An LC circuit resonates at f = 1 / (2π·√(L·C)). Each function gives one
// of the three from the other two, in henrys, farads and hertz. The
// arithmetic works in microhenrys, picofarads and kilohertz.
Solved ResonantFrequency(double inductance, double capacitance);
Solved ResonantInductance(double frequency, double capacitance);
Solved ResonantCapacitance(double frequency, double inductance);
