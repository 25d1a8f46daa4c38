#pragma once
// The regional ED87 to ED50 rule of the Norwegian mapping authority, which
// the "Statens Kartwerk" transformation applies after its own WGS 1984 to
// ED87 Helmert step:
// - south of 62° a fourth-order polynomial in the latitude and longitude
//   (degrees) gives the shift;
// - north of 65° a seven-parameter step does (kLocalHelmertRows, "North of
//   Lat 65N");
// - from 62° to 65° inclusive the two shifts, each taken at its own zone
//   edge, are blended linearly by latitude, so the result is continuous at
//   both edges.
//
// Notation: phi latitude, lam longitude (radians); h ellipsoidal height
// (metres); U = phi° − 55, V = lam° (degrees); d the direction, +1 ED87 to
// ED50, −1 back (an approximate inverse: the shift is evaluated at the
// point given, not at the point it came from).

#include <array>
#include <cstdint>

// The zone edges, in radians as the rule states them: 62°, 65° and 3°.
inline constexpr double kNorwaySouthEdge = 1.082104136236466;
inline constexpr double kNorwayNorthEdge = 1.1344640137962951;
inline constexpr double kNorwayBlendWidth = 0.05235987755982907;

// Polynomial coefficients, degrees of shift, for the 15 terms in the order
// 1, U, V, U², UV, V², U³, U²V, UV², V³, U⁴, U³V, U²V², UV³, V⁴.
inline constexpr std::array<double, 15> kNorwayLatitudeCoefficients{
    5.56098e-06,  1.55391e-06, 4.0262e-07,   5.09693e-07, 8.19775e-07,  2.47592e-07, -1.36682e-07, -1.86198e-07,
    -1.2335e-07,  -5.68797e-08, 2.32217e-09, 7.69931e-09, 7.86953e-09, 6.12216e-09, 4.01382e-09};
inline constexpr std::array<double, 15> kNorwayLongitudeCoefficients{
    -1.48944e-05, -2.68191e-06, -2.4529e-06,  -2.944e-07,   -1.5226e-06,  -9.10592e-07, 3.68241e-07, 8.51732e-07,
    5.66713e-07,  1.85188e-07,  -2.84312e-08, -6.84853e-08, -5.00828e-08, -4.15937e-08, -7.62236e-09};

// Moves an ED87 position (on the International ellipsoid) to ED50 when d
// is +1, the other way when it is −1. The rule has no limits: points far
// from Norway and its waters still get a number, and there the polynomial
// soon grows to hundreds of metres.
void ApplyNorwayRule(double& phi, double& lam, double h, int d);

// The polynomial's shift alone at (phi, lam), radians, for direction d.
void NorwayPolynomialShift(double phi, double lam, int d, double& dPhi, double& dLam);

// Family rows "Norway South 62" (1) and "Norway North 62" (2) stand for one
// transformation whose parameters change at 62°: the row that applies at
// latitude phi (radians). Any other row stays as it is.
std::uint32_t NorwayRowAt(std::uint32_t row, double phi);
