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

// The Sun seen from the Earth's centre, in the GCRS: its apparent direction (the
// Sun where it was when its light left, about 8.3 minutes earlier, displaced by
// the aberration of the Earth's barycentric velocity) and its geometric position
// and velocity (au, au/day), from which the rate of its longitude follows.
struct SunView {
  double direction[3];
  double motion[2][3];
};
SunView ViewSun(const TtDate& tt) {
  SunView view;
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(tt.whole, tt.part, heliocentric, barycentric);
  const double distance = eraPm(heliocentric[0]);
  const double light_time = distance * kLightDaysPerAu;
  double sun[3];
  for (int i = 0; i < 3; ++i) {
    const double sun_velocity = barycentric[1][i] - heliocentric[1][i];
    sun[i] = -heliocentric[0][i] - light_time * sun_velocity;
    view.motion[0][i] = -heliocentric[0][i];
    view.motion[1][i] = -heliocentric[1][i];
  }
  double length = 0, natural[3], velocity[3];
  eraPn(sun, &length, natural);
  for (int i = 0; i < 3; ++i) velocity[i] = barycentric[1][i] * kLightDaysPerAu;
  const double inverse_lorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
  eraAb(natural, velocity, distance, inverse_lorentz, view.direction);
  return view;
}

double LongitudeDegrees(double x, double y) {
  const double degrees = std::atan2(y, x) * ERFA_DR2D;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

// The rate of the longitude, degrees a day, of a body at position p with
// velocity v in an ecliptic frame (the frame's own slow turn left out).
double LongitudeRate(const double p[3], const double v[3]) {
  return (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]) * ERFA_DR2D;
}

struct Angle {
  double degrees, rate;  // the value and its rate in degrees a day
};

Angle SunLongitude(double cst_days) {
  const TtDate tt = TerrestrialTime(cst_days);
  SunView sun = ViewSun(tt);
  // To the true equator and equinox of date (precession with the truncated
  // nutation series, good to a milliarcsecond), then to the ecliptic of date.
  double gamma, phi, psi, mean_obliquity, nutation_longitude, nutation_obliquity;
  eraPfw06(tt.whole, tt.part, &gamma, &phi, &psi, &mean_obliquity);
  eraNut00b(tt.whole, tt.part, &nutation_longitude, &nutation_obliquity);
  const double obliquity = mean_obliquity + nutation_obliquity;
  const double c = std::cos(obliquity), s = std::sin(obliquity);
  double rotation[3][3], p[3], motion[2][3];
  eraFw2m(gamma, phi, psi + nutation_longitude, obliquity, rotation);
  eraRxp(rotation, sun.direction, p);
  eraRxpv(rotation, sun.motion, motion);
  // Equator of date to ecliptic of date: a turn by the obliquity about x.
  for (double* vector : {motion[0], motion[1]}) {
    const double y = vector[1] * c + vector[2] * s, z = vector[2] * c - vector[1] * s;
    vector[1] = y;
    vector[2] = z;
  }
  return {LongitudeDegrees(p[0], p[1] * c + p[2] * s), LongitudeRate(motion[0], motion[1])};
}

Angle MoonSunAngle(double cst_days) {
  const TtDate tt = TerrestrialTime(cst_days);
  SunView sun = ViewSun(tt);
  double moon[2][3];
  eraMoon98(tt.whole, tt.part, moon);
  // The Moon where it was when its light left, about 1.3 seconds earlier.
  const double light_time = eraPm(moon[0]) * kLightDaysPerAu;
  for (int i = 0; i < 3; ++i) moon[0][i] -= light_time * moon[1][i];
  // Both onto the mean ecliptic of date: nutation would move the two longitudes
  // alike, so it drops out of their difference.
  double rotation[3][3], sun_direction[3], sun_motion[2][3], moon_motion[2][3];
  eraEcm06(tt.whole, tt.part, rotation);
  eraRxp(rotation, sun.direction, sun_direction);
  eraRxpv(rotation, sun.motion, sun_motion);
  eraRxpv(rotation, moon, moon_motion);
  return {Wrap180(LongitudeDegrees(moon_motion[0][0], moon_motion[0][1]) -
                  LongitudeDegrees(sun_direction[0], sun_direction[1])),
          LongitudeRate(moon_motion[0], moon_motion[1]) - LongitudeRate(sun_motion[0], sun_motion[1])};
}

// Finds where `angle` (an offset in degrees, signed, that grows at about `rate`
// degrees a day) is zero, by Newton steps from `guess`. The rates vary slowly,
// so the error after a step is far below the step: a step under two seconds
// leaves a few microseconds.
template <typename AngleAt>
double SolveMoment(AngleAt angle_at, double guess, double rate) {
  double t = guess;
  for (int step = 0; step < 20; ++step) {
    const Angle angle = angle_at(t);
    const double slope = angle.rate > rate * 0.5 && angle.rate < rate * 2.0 ? angle.rate : rate;
    const double change = angle.degrees / slope;
    t -= change;
    if (std::fabs(change) < 2.0 / 86400.0) break;
  }
  return t;
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

double SunApparentLongitude(double cst_days) { return SunLongitude(cst_days).degrees; }

double MoonSunElongation(double cst_days) { return MoonSunAngle(cst_days).degrees; }

double SolarLongitudeMoment(double degrees, double guess) {
  return SolveMoment(
      [degrees](double t) {
        const Angle sun = SunLongitude(t);
        return Angle{Wrap180(sun.degrees - degrees), sun.rate};
      },
      guess, 360.0 / 365.2422);
}

// The elongation grows by a full turn each synodic month.
double NewMoonMoment(double guess) { return SolveMoment(MoonSunAngle, guess, 360.0 / 29.530589); }

}  // namespace tavrin::astronomy
