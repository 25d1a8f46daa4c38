#pragma once
// A latitude band and a longitude window around a point that hold every
// point whose distance from it, by the ellipsoid's own GeodesicInverse, is
// at most a given length. Testing a point against the window costs a
// subtraction or two; the distance costs a fraction of a microsecond, so a
// search over a million records asks the window first and measures only
// what it lets through.
//
// Notation: phi latitude, lam longitude (radians); s a length along the
// surface (metres); a semi-major axis, es = e².
//
// Why no point within reach is ever left out. Along any curve on the
// ellipsoid ds² = (rho·dphi)² + (p·dlam)², where rho = a(1 − es)/W³ is the
// meridian radius, p = a·cos phi/W the radius of the parallel and
// W = √(1 − es·sin²phi) ≤ 1. Hence rho ≥ a(1 − es) and p ≥ a·cos phi, and
// for the geodesic of length s from the centre phi0:
//   1. |phi − phi0| ≤ ∫|dphi| ≤ s / (a(1 − es)) = dphi_max at every point of
//      it, its far end included: the latitude band;
//   2. every point of it lies in the band, where cos phi ≥
//      cos(|phi0| + dphi_max) = c (when |phi0| + dphi_max < pi/2), so the
//      longitude it travels, and with it the shorter way round between the
//      two ends, is |dlam| ≤ ∫|dlam| ≤ s / (a·c): the longitude window.
//      When the band reaches a pole, or the window a half turn, a geodesic
//      may arrive from any longitude and the window is not used.
// The lengths are the true geodesic's; the auxiliary sphere method gives
// them to within 2 mm on every line it answers (geodesic/GeodesicInverse.h),
// and the window is built for the length plus kSlackMetres, far more than
// that. The normal section method answers lines beyond a quarter of the
// globe with lengths that fold back (a point near the antipode comes out
// close), so no bound on the true geodesic holds for it: with that method
// the window lets every point through. So do points whose latitude is not
// within ±pi/2 or not a number, which the proof above does not cover.

class CSpheroid;

class CGeodesicWindow {
 public:
  // Metres beyond the reach that the window still takes in: 500 times the
  // largest error of the auxiliary sphere method's distance.
  static constexpr double kSlackMetres = 1.0;

  // The window of the points within `reach` metres of (lat, lon), radians.
  CGeodesicWindow(const CSpheroid& ellipsoid, double lat, double lon, double reach);

  // False only when the point is certainly farther than the reach.
  bool MayReach(double lat, double lon) const {
    if (!(lat - lat_ <= band_ && lat_ - lat <= band_)) return !IsLatitude(lat);
    return anyLongitude_ || LongitudeWithin(lon);
  }

 private:
  static bool IsLatitude(double lat);
  bool LongitudeWithin(double lon) const;

  double lat_;
  double lon_;
  double band_;      // radians either side of lat_
  double window_;    // radians either side of lon_
  bool anyLongitude_;
};
