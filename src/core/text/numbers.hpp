#pragma once
// Reals as the system shows and compares them.
#include <string>

#include "text/gbk_text.hpp"

namespace tavrin {

// "%.13g": at most 13 significant digits and no trailing zeros (90, 87.5,
// -0.56); a whole number is written in plain decimal, never with an exponent.
GbkText RealText(double value);

// Rounds to `decimals` places, halves away from zero. The scaled magnitude is
// nudged up by 1e-12 first, so 2.675 (stored as 2.67499999…) rounds to 2.68 as
// a person expects.
double RoundHalfAway(double value, int decimals);

// Compares two reals treating values within 1e-7 as equal: -1, 0 or 1.
int CompareReals(double a, double b);

}  // namespace tavrin
