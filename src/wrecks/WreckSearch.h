#pragma once
// The three searches of the wreck search, set up once per search from the
// search list's criteria: within a radius of a centre, a name holding a
// text, a sunk year within a range. Each runs over a range of the wreck
// list at a time (the dialog moves its progress bar between ranges) and
// reads the records through the search index, so that whatever can be
// worked out before the first record is (the window around the centre,
// the upper-cased text).

#include <cstddef>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "geodesy/geodesic/GeodesicWindow.h"

class CSpheroid;
class CWreckList;
class CWreckSearchIndex;
struct WreckDef;

inline constexpr double kMetresPerNauticalMile = 1852.0;

class OVERLAYS_API CWreckSearch {
 public:
  // One of the searches: the matches among records [begin, end) of the
  // wreck list, in order, appended to `found` as indices.
  using Method = void (CWreckSearch::*)(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const;

  // Takes the centre, radius, search name and years of the search list.
  // Every argument must outlive the object; the index must be the wreck
  // list's.
  CWreckSearch(CWreckList& wrecks, const CWreckSearchIndex& index, const CWreckList& searchList);

  // Within radius × 1852 m of the centre; a match gets its bearing.
  void FindWithinRadius(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const;
  // The upper-cased search name occurs in the upper-cased record name.
  void FindName(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const;
  // A known sunk year within year-from..year-to of the search list.
  void FindYears(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const;

  // The radius test of one record, measured whatever the window says: the
  // distance by the search list's ellipsoid's GeodesicInverse is at most
  // radius × 1852 m (a radius of 0 finds nothing), and a match gets its
  // bearing from the centre in degrees.
  bool MatchRadius(WreckDef& record) const;

 private:
  CWreckList& wrecks_;
  const CWreckSearchIndex& index_;
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
