#include "text/numbers.hpp"

#include <cmath>
#include <cstdio>

namespace tavrin {

GbkText RealText(double value) {
  char buffer[64];
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.2e18) {
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
  }
  return buffer;
}

double RoundHalfAway(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double magnitude = std::fabs(value) * scale + 1e-12;
  double whole = std::floor(magnitude);
  if (magnitude - whole >= 0.5) whole += 1.0;
  return std::copysign(whole / scale, value);
}

int CompareReals(double a, double b) {
  constexpr double kTolerance = 1e-7;
  if (std::fabs(a - b) <= kTolerance) return 0;
  return a < b ? -1 : 1;
}

}  // namespace tavrin
