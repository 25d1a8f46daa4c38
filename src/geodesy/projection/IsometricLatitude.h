#pragma once
// The isometric latitude q(phi) = atanh(sin phi) − e·atanh(e·sin phi) and
// its inverse, shared by the conformal kinds (Mercator, Lambert, Hotine).
// Snyder (1987), eq. 3-7 written with atanh.

// q of a latitude given by its sine; infinite at the poles.
double IsometricLatitude(double e, double sinPhi);

// The latitude whose isometric latitude is q, by Newton's method from the
// latitude of the conformal sphere, atan(sinh q), until a step is within
// 0.001". Three or four steps reach 1e-15 rad at any latitude short of the
// poles. False, with phi = 0, after 100 steps (q infinite or NaN).
//
// A step of half the miss in q, from phi = q, would be simpler, but it only
// contracts where dq/dphi < 4 (below 75.5°), it leaves the first guess past
// the pole from about 60° on (and then gives up), and stopping on a miss of
// 0.001" in q leaves up to 3 cm in the latitude.
bool LatitudeFromIsometric(double e, double q, double& phi);
