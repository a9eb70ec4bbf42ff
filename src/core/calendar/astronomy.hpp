#pragma once
// The moments behind the Chinese calendar: when the Sun's apparent geocentric
// longitude reaches a given value (the solar terms) and when the Moon's
// longitude equals the Sun's (new moons). Positions come from ERFA; civil time
// from Terrestrial Time through the observed ΔT table. Every moment here is in
// "CST days": days since 1970-01-01 00:00 China Standard Time (UTC+8).
namespace tavrin::astronomy {

// ΔT = TT − UT in seconds at a moment, interpolated linearly in the built-in
// table by year and held at its end values outside it.
double DeltaTSeconds(double cst_days);

// The Sun's apparent longitude (aberration, precession and nutation of date), in
// degrees 0 ≤ λ < 360.
double SunApparentLongitude(double cst_days);

// The Moon's apparent longitude minus the Sun's, in degrees −180 < d ≤ 180.
double MoonSunElongation(double cst_days);

// The moment nearest `guess` (within some days) when the Sun's apparent
// longitude is `degrees`, to a few milliseconds.
double SolarLongitudeMoment(double degrees, double guess);

// The new moon nearest `guess` (within a quarter of a month), to a few
// milliseconds.
double NewMoonMoment(double guess);

}  // namespace tavrin::astronomy
