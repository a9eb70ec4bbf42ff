#include "calendar/astronomy.hpp"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin::astronomy {
namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UTC
constexpr double kChinaOffsetDays = 8.0 / 24.0;
constexpr double kDaysPerYear = 365.2425;
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

struct DeltaTPoint {
  double year, seconds;
};

// DeltaT.txt: one "year<TAB>seconds" line per year, ascending.
std::vector<DeltaTPoint> ReadDeltaTTable() {
  std::vector<DeltaTPoint> points;
  for (std::string_view line : SplitText(data::DeltaT(), "\n")) {
    const std::vector<std::string_view> fields = SplitText(line, "\t");
    if (fields.size() < 2) continue;
    double seconds = 0;
    const std::string_view value = fields[1];
    if (std::from_chars(value.data(), value.data() + value.size(), seconds).ec != std::errc()) continue;
    points.push_back({static_cast<double>(ReadNumber(fields[0])), seconds});
  }
  return points;
}

const std::vector<DeltaTPoint>& DeltaTTable() {
  static const std::vector<DeltaTPoint> table = ReadDeltaTTable();
  return table;
}

// The two-part Julian date in Terrestrial Time that ERFA takes.
struct TtDate {
  double whole, part;
};
TtDate TerrestrialTime(double cst_days) {
  return {kUnixEpochJd, cst_days - kChinaOffsetDays + DeltaTSeconds(cst_days) / ERFA_DAYSEC};
}

double Wrap180(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 180.0) degrees -= 360.0;
  if (degrees <= -180.0) degrees += 360.0;
  return degrees;
}

// The apparent direction of the Sun from the Earth's centre, in the GCRS: the
// Sun where it was when its light left (about 8.3 minutes earlier), displaced by
// the aberration of the Earth's barycentric velocity.
void SunApparentDirection(const TtDate& tt, double direction[3]) {
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(tt.whole, tt.part, heliocentric, barycentric);
  const double distance = eraPm(heliocentric[0]);
  const double light_time = distance * kLightDaysPerAu;
  double sun[3];
  for (int i = 0; i < 3; ++i) {
    const double sun_velocity = barycentric[1][i] - heliocentric[1][i];
    sun[i] = -heliocentric[0][i] - light_time * sun_velocity;
  }
  double length = 0, natural[3], velocity[3];
  eraPn(sun, &length, natural);
  for (int i = 0; i < 3; ++i) velocity[i] = barycentric[1][i] * kLightDaysPerAu;
  const double inverse_lorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
  eraAb(natural, velocity, distance, inverse_lorentz, direction);
}

double LongitudeDegrees(const double p[3]) {
  const double degrees = std::atan2(p[1], p[0]) * ERFA_DR2D;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

// Finds where `offset` (degrees, signed, growing at about `rate` degrees a day)
// is zero, by secant steps from `guess`; stops when a step is below 10 ms.
template <typename Offset>
double SolveMoment(Offset offset, double guess, double rate) {
  double t0 = guess, f0 = offset(t0);
  double t1 = t0 - f0 / rate;
  for (int step = 0; step < 30 && std::fabs(t1 - t0) > 1e-7; ++step) {
    const double f1 = offset(t1);
    double slope = (f1 - f0) / (t1 - t0);
    if (!(slope > rate * 0.5 && slope < rate * 2.0)) slope = rate;
    t0 = t1;
    f0 = f1;
    t1 -= f1 / slope;
  }
  return t1;
}

}  // namespace

double DeltaTSeconds(double cst_days) {
  const std::vector<DeltaTPoint>& table = DeltaTTable();
  if (table.empty()) return 0;
  const double year = 1970.0 + cst_days / kDaysPerYear;
  if (year <= table.front().year) return table.front().seconds;
  if (year >= table.back().year) return table.back().seconds;
  const auto after = std::upper_bound(table.begin(), table.end(), year,
                                      [](double y, const DeltaTPoint& point) { return y < point.year; });
  const DeltaTPoint& a = *(after - 1);
  const DeltaTPoint& b = *after;
  return a.seconds + (b.seconds - a.seconds) * (year - a.year) / (b.year - a.year);
}

double SunApparentLongitude(double cst_days) {
  const TtDate tt = TerrestrialTime(cst_days);
  double direction[3];
  SunApparentDirection(tt, direction);
  // To the true equator and equinox of date (precession with the truncated
  // nutation series, good to a milliarcsecond), then to the ecliptic of date.
  double gamma, phi, psi, mean_obliquity, nutation_longitude, nutation_obliquity;
  eraPfw06(tt.whole, tt.part, &gamma, &phi, &psi, &mean_obliquity);
  eraNut00b(tt.whole, tt.part, &nutation_longitude, &nutation_obliquity);
  const double obliquity = mean_obliquity + nutation_obliquity;
  double rotation[3][3], p[3];
  eraFw2m(gamma, phi, psi + nutation_longitude, obliquity, rotation);
  eraRxp(rotation, direction, p);
  const double ecliptic[3] = {p[0], p[1] * std::cos(obliquity) + p[2] * std::sin(obliquity), 0.0};
  return LongitudeDegrees(ecliptic);
}

double MoonSunElongation(double cst_days) {
  const TtDate tt = TerrestrialTime(cst_days);
  double sun[3], moon[2][3];
  SunApparentDirection(tt, sun);
  eraMoon98(tt.whole, tt.part, moon);
  // The Moon where it was when its light left, about 1.3 seconds earlier.
  const double light_time = eraPm(moon[0]) * kLightDaysPerAu;
  for (int i = 0; i < 3; ++i) moon[0][i] -= light_time * moon[1][i];
  // Both onto the mean ecliptic of date: nutation would move the two longitudes
  // alike, so it drops out of their difference.
  double rotation[3][3], sun_ecliptic[3], moon_ecliptic[3];
  eraEcm06(tt.whole, tt.part, rotation);
  eraRxp(rotation, sun, sun_ecliptic);
  eraRxp(rotation, moon[0], moon_ecliptic);
  return Wrap180(LongitudeDegrees(moon_ecliptic) - LongitudeDegrees(sun_ecliptic));
}

double SolarLongitudeMoment(double degrees, double guess) {
  return SolveMoment([degrees](double t) { return Wrap180(SunApparentLongitude(t) - degrees); }, guess,
                     360.0 / 365.2422);
}

// The elongation grows by a full turn each synodic month.
double NewMoonMoment(double guess) { return SolveMoment(MoonSunElongation, guess, 360.0 / 29.530589); }

}  // namespace tavrin::astronomy
