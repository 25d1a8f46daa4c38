#pragma once
// Transverse Mercator by Redfearn's series (kinds 0, 1, 2, 4 and 12/0), and
// its south-orientated form (kind 3), whose easting and northing change sign.
//
// Accuracy against the exact projection (PROJ's Poder/Engsager tmerc, five
// ellipsoids, latitudes 80° S to 84° N): forward within 1 mm up to 2° from
// the central meridian, 2.5 mm at 3° and 0.16 m at 6°, the truncation of
// the series (no omega⁶ northing, no omega⁷ easting term), plus up to
// 0.35 mm from the meridional arc's e⁶ series far from the origin. The
// inverse series stop one order sooner: 1.3 mm at 2°, 4.8 mm at 3°, 0.29 m
// at 6°. Convergence within 3e-5" and point scale within 2e-9 up to 3°.
// Far beyond 6° the results are garbage.

#include <cstddef>

#include "geodesy/projection/ProjectionKind.h"

// The kind constants the Transverse Mercator set-up writes, from the first;
// a kind built on it keeps its own after them.
inline constexpr std::size_t kTransverseMercatorConstantCount = 1;

extern const ProjectionOperations kTransverseMercator;
extern const ProjectionOperations kSouthOrientatedTransverseMercator;
