#pragma once

// π and 2π as the calculators write them. Results are compared to 15
// digits, so every calculator uses these very doubles.
constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;
