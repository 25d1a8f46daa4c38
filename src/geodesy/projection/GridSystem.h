#pragma once
// One grid: a projection kind with its origin, scale and parallels on one
// ellipsoid, turning latitude and longitude into easting and northing and
// back, with the grid convergence and the point scale factor.
//
// Notation: phi latitude, lam longitude (radians); k0 the scale at the
// origin; nu, rho the radii of curvature in the prime vertical and the
// meridian; M the meridional arc (metres); q the isometric latitude.
//
// Lifecycle: set the kind, variant and ellipsoid, then call a setter
// (SetOrigin, SetStandardParallels, SetObliqueConstants); each one ends by
// recomputing the derived constants, which Forward and Inverse rely on.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "frame/Api.h"

class CSpheroid;
struct ProjectionOperations;

// The constants of the latitude of origin that every kind may use.
struct GridOriginTerms {
  double sinLat0 = 0, cosLat0 = 0;
  double tanLat0 = 0;  // 0 where cos lat0 is 0
  double nu0 = 0, rho0 = 0;
  double q0 = 0;  // isometric latitude of lat0
};

class OVERLAYS_API CGridSystem {
 public:
  static constexpr std::size_t kConstantCount = 24;

  // Origin with lat0 and lon0 in radians, false easting and northing in
  // metres.
  void SetOrigin(double falseNorthingMetres, double k0, double lat0Radians, double lon0Radians,
                 double falseEastingMetres);
  // The same with lat0 and lon0 in degrees.
  void SetOriginDegrees(double falseNorthingMetres, double k0, double lat0Degrees, double lon0Degrees,
                        double falseEastingMetres);
  // Standard parallels in degrees. A kind with a single parallel (variant 0)
  // takes lat1 as its latitude of origin instead.
  void SetStandardParallels(double lat1Degrees, double lat2Degrees);
  // The constants of the oblique kinds given directly (eleven, or six),
  // into the leading kind constants; their set-ups derive only the rest.
  void SetObliqueConstants(const std::array<double, 11>& values);
  void SetObliqueConstants(const std::array<double, 6>& values);
  // The origin terms, M0 and the kind's own constants, from the fields.
  void DeriveGrid();

  // Easting and northing (metres), convergence (radians, within [−pi, pi])
  // and point scale of a position in radians. A null output is not
  // written. Without an ellipsoid, with a = 0 or k0 = 0, for a kind not
  // available or a grid its kind refuses (a row past the kind's tables),
  // for a latitude or longitude that is not a finite number, or at a point
  // the kind gives no numbers for (kind 13 away from its tables), the
  // outputs are left as they are and the result is false.
  bool Forward(double phi, double lam, double* easting, double* northing, double* convergence = nullptr,
               double* pointScale = nullptr) const;
  // Latitude and longitude (radians), convergence and point scale of a grid
  // position in metres. An iterating kind starts from the value *lat holds
  // (1 rad when that is 0 or lat is null). A latitude beyond ±pi/2 or a
  // longitude beyond ±pi comes out as 0. False as for Forward (an easting
  // or northing that is not a finite number too), and also when an
  // iteration did not settle (its latitude is then 0; the other outputs
  // are written).
  bool Inverse(double easting, double northing, double* lat, double* lon, double* convergence = nullptr,
               double* pointScale = nullptr) const;

  std::string title;      // file title of a user grid file, else empty
  std::string name;       // shown to the user
  std::string zoneName;   // secondary name
  std::uint32_t kind = 0;     // projection kind 0..14 (ProjectionTable.cpp)
  std::uint32_t variant = 0;  // method within the kind
  std::uint32_t row = 0;      // entry within its kind's catalogue list; kind 14 takes its tables from it
  std::uint32_t zone = 0;     // UTM zone of the UTM-based catalogue grids, else 0
  double lat0 = 0, lon0 = 0;  // radians
  double falseEasting = 0, falseNorthing = 0;  // metres
  double scale = 1;       // k0
  double lat1 = 0, lat2 = 0;  // standard parallels, radians
  std::string unitsName;
  std::uint8_t flag = 0;
  const CSpheroid* spheroid = nullptr;  // not owned
  std::array<double, kConstantCount> constants{};  // layout is the kind's
  double M0 = 0;          // meridional arc of lat0, metres
  GridOriginTerms origin;

 private:
  bool CanProject(const ProjectionOperations& ops) const;
  void SetLeadingConstants(std::span<const double> values);
};
