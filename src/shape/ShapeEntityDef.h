#pragma once
// One entity of a loaded shapefile: the shapefile library's object record,
// owned, with the length of its vertex chain beside it.

#include <memory>

#include <shapefil.h>

struct ShapeObjectRelease {
  void operator()(SHPObject* object) const noexcept { SHPDestroyObject(object); }
};
using ShapeObjectPtr = std::unique_ptr<SHPObject, ShapeObjectRelease>;

struct ShapeEntityDef {
  ShapeObjectPtr object;  // never null inside a CShape
  double length = 0;      // metres on WGS 1984; 0 for the point types
};

// Sum of the geodesic distances between consecutive vertices, read as
// longitude (x) and latitude (y) in degrees, on WGS 1984 by the ellipsoid's
// default method; the step from one part to the next counts like any other,
// since the overlay draws the parts as one chain. 0 for a type without a
// length and for fewer than two vertices. A step the method cannot settle
// (vertices within about a degree of antipodal) adds the method's last
// estimate, good to about 1 %, rather than nothing.
double EntityLength(const SHPObject& object);
