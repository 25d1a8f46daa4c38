#pragma once
// The three tests of the wreck search, set up once per search from the
// search list's criteria: within a radius of a centre, a name holding a
// text, a sunk year within a range. A search runs one of them over a
// million records, so whatever can be worked out before the first record
// is (the window around the centre, the upper-cased text).

#include <string>

#include "frame/Api.h"
#include "geodesy/geodesic/GeodesicWindow.h"

class CSpheroid;
class CWreckList;
struct WreckDef;

inline constexpr double kMetresPerNauticalMile = 1852.0;

class OVERLAYS_API CWreckSearch {
 public:
  // Takes the centre, radius, search name and years of the search list;
  // the list's ellipsoid must outlive the object.
  explicit CWreckSearch(const CWreckList& searchList);

  // Within radius × 1852 m of the centre by the ellipsoid's GeodesicInverse;
  // a match gets its bearing from the centre in degrees. A radius of 0
  // finds nothing.
  bool MatchRadius(WreckDef& record) const;
  // The same with every record measured: what the window must agree with.
  bool MatchRadiusMeasured(WreckDef& record) const;
  // The upper-cased search name occurs in the upper-cased record name.
  bool MatchName(const WreckDef& record) const;
  // A known sunk year within year-from..year-to of the list.
  bool MatchYears(const WreckDef& record) const;

 private:
  const CSpheroid& ellipsoid_;
  double lat_;
  double lon_;
  double reach_;  // metres
  CGeodesicWindow window_;
  std::string upperName_;
  int yearFrom_;
  int yearTo_;
};

// Upper case as the C locale has it: a to z only, every other byte of the
// code page as it is.
char UpperCaseOf(char c);
