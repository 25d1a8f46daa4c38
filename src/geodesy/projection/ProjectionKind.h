#pragma once
// The shape every projection kind has: a set-up that derives the kind's
// constants into the grid, a forward and an inverse that work on one point
// with no I/O and no allocation. ProjectionTable.cpp lists the kinds; a new
// kind is one new file and one row there.
//
// Notation: phi latitude, lam longitude, dlam = lam − lon0 (radians); nu and
// rho the radii of curvature in the prime vertical and the meridian (metres).

#include <cstdint>

#include "frame/Api.h"
#include "geodesy/projection/LatitudeTerms.h"

class CGridSystem;

struct GridPoint {
  double easting = 0, northing = 0;  // metres
  double convergence = 0;            // radians
  double scale = 0;                  // point scale factor
  bool onGrid = true;                // false: the grid has no numbers for this point; the outputs stay untouched
};

struct GeographicPoint {
  double lat = 0, lon = 0;  // radians
  double convergence = 0;   // radians
  double scale = 0;         // point scale factor
  bool settled = true;      // false when an iteration ran out of steps (lat is then 0)
  bool onGrid = true;       // false: the grid has no position for these numbers; the outputs stay untouched
};

using ProjectionSetup = void (*)(CGridSystem& grid);
// withFactors: the convergence and point scale are wanted; without, they
// are left at 0 and not computed.
using ProjectionForward = GridPoint (*)(const CGridSystem& grid, double phi, double lam, const LatitudeTerms& at,
                                        bool withFactors);
// startLat is the caller's latitude, which iterations may start from.
using ProjectionInverse = GeographicPoint (*)(const CGridSystem& grid, double easting, double northing,
                                              double startLat, bool withFactors);

// Whether the kind can compute this grid at all, beyond the checks common
// to every kind: a kind whose tables were made for given grids refuses any
// other (ProjectionKindDef::computes says which it takes).
using ProjectionAccepts = bool (*)(const CGridSystem& grid);

struct ProjectionOperations {
  ProjectionSetup setup;
  ProjectionForward forward;
  ProjectionInverse inverse;
  ProjectionAccepts accepts = nullptr;  // null: every grid of the kind
};

inline constexpr std::uint32_t kAnyVariant = 0xFFFFFFFF;

struct ProjectionKindDef {
  std::uint32_t kind;
  std::uint32_t variant;  // kAnyVariant: the kind has no variants
  const char* name;
  const ProjectionOperations* operations;  // null: not available yet
  const char* computes = nullptr;  // the grids a kind with an accepts hook takes, for the user
};

// The row of a kind and variant, or null for a pair the module does not know.
OVERLAYS_API const ProjectionKindDef* FindProjectionKind(std::uint32_t kind, std::uint32_t variant);
