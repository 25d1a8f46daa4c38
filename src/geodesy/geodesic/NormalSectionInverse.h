#pragma once
// Method 1 of GeodesicInverse: the short-line formula along the normal
// section through both points, measured on the sphere of radius nu1 centred
// where the normal of the first point meets the polar axis.

class CSpheroid;

// Points distinct, radians in; distance (metres) and azimuth (radians in
// [0, 2pi)) out. Always true.
bool NormalSectionInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                          double& distance, double& azimuth);
