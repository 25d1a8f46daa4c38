#pragma once
// The isometric latitude q(phi) = atanh(sin phi) − e·atanh(e·sin phi) and
// its inverse, shared by the conformal kinds (Mercator, Lambert, Hotine,
// the stereographic kinds). Snyder (1987), eq. 3-7 written with atanh, and
// the conformal-latitude series, eq. 3-5.

// q of a latitude given by its sine; infinite at the poles.
double IsometricLatitude(double e, double sinPhi);

// The latitude of a conformal latitude chi (radians) given with its sine
// and cosine, by the series in e² to e⁸: within 1e-11 rad on the earth's
// ellipsoids.
double LatitudeFromConformal(double es, double chi, double sinChi, double cosChi);

// The latitude whose isometric latitude is q: the conformal-latitude
// series from chi = atan(sinh q), then Newton steps until a step is within
// 0.001"; the first step, some 1e-11 rad, confirms the series. False, with
// phi = 0, after 100 steps (q infinite or NaN).
//
// A step of half the miss in q from phi = q would be simpler, but it only
// contracts where dq/dphi < 4 (below 75.5°), it throws the first guess past
// the pole from about 60° on (and then gives up), and stopping on a miss of
// 0.001" in q leaves up to 3 cm in the latitude.
bool LatitudeFromIsometric(double e, double q, double& phi);
