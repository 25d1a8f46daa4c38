#pragma once
// The British OSTN15 transformation: ETRS89 latitude and longitude to
// OSGB36 by the ETRS89 -> OSGB36 grid (file 1), then the British National
// Grid; and back by the inverse grid projection and the OSGB36 -> ETRS89
// grid (file 2). Both grids come from the "OSTN" data folder at
// construction; without file 2 the transformer is not loaded, and without
// file 1 it has no forward shift (every forward position gives (0, 0)).
//
// Notation: lat, lon radians (east positive); lat″, lon″ arc-seconds with
// longitudes positive west, as the grids store them.

#include <cstdint>
#include <optional>
#include <string>

#include "frame/Api.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/shift/NTv2File.h"

inline constexpr char kOstnDataFolder[] = "OSTN";
inline constexpr char kOstnEtrsToOsgbFile[] = "%sOSTN15_NTv2_ETRStoOSGB.gsb";
inline constexpr char kOstnOsgbToEtrsFile[] = "%sOSTN15_NTv2_OSGBtoETRS.gsb";

// A grid's extent (arc-seconds, longitudes positive west) and row length.
struct OstnExtent {
  double eLong = 0, sLat = 0, wLong = 0, nLat = 0;
  double longInc = 0, latInc = 0;
  std::uint16_t nodesPerRow = 0;
};

class OVERLAYS_API COstn15 {
 public:
  // Reads both grids from the "OSTN" data folder (made when missing).
  COstn15();
  // Reads both grids from a Windows folder ending in "\".
  explicit COstn15(const std::string& folder);
  COstn15(const COstn15&) = delete;
  COstn15& operator=(const COstn15&) = delete;

  bool IsLoaded() const { return !osgbToEtrs_.shifts.empty(); }
  // Whether an ETRS89 position lies within file 1's extent, edges included.
  bool InExtent(double lat, double lon) const;

  // ETRS89 to OSGB36 by file 1's nodes; (0, 0) when a node of the cell
  // lies outside the grid.
  void ShiftToOsgb36(double lat, double lon, double& osgbLat, double& osgbLon) const;
  // ETRS89 to British National Grid easting and northing (metres); (0, 0)
  // outside the grid.
  void Forward(double lat, double lon, double& easting, double& northing) const;
  // British National Grid to ETRS89; false, with (0, 0), when the OSGB36
  // position lies outside file 2's extent or its cell.
  bool Inverse(double easting, double northing, double& lat, double& lon) const;

  const CGridSystem& BritishGrid() const { return britishGrid_; }
  const CSpheroid& Osgb36Ellipsoid() const { return osgb36_; }
  const CSpheroid& Etrs89Ellipsoid() const { return etrs89_; }
  const OstnExtent& Extent() const { return extent_; }

 private:
  void Load(const std::string& folder);
  void SetUpBritishGrid(double majorF, double minorF, double majorT, double minorT);

  // The nodes' shifts alone: the forward shift is bound by reading them,
  // and half the bytes stay in the cache twice as often.
  ShiftGridDef etrsToOsgb_;  // file 1
  ShiftGridDef osgbToEtrs_;  // file 2
  OstnExtent extent_;      // file 1's
  OstnExtent inverseExtent_;  // file 2's
  CSpheroid osgb36_;       // file 2's source ellipsoid: the British grid's
  CSpheroid etrs89_;       // file 2's target ellipsoid
  CGridSystem britishGrid_;
};
