#pragma once
// Method 0 of GeodesicInverse: the geodesic mapped onto the auxiliary sphere
// of reduced latitudes, its length summed by the series in sigma, and the
// azimuth taken from the normal section through both points.

class CSpheroid;

// Points distinct, radians in; distance (metres) and azimuth (radians in
// [0, 2pi)) out. False when the longitude on the auxiliary sphere does not
// settle (points within about a degree of antipodal); the outputs then hold
// the last estimate, which may be off by up to about 1 %.
bool AuxiliarySphereInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                            double& distance, double& azimuth);
