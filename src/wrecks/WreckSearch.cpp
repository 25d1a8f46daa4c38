#include "wrecks/WreckSearch.h"

#include <algorithm>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckSearchIndex.h"

namespace {

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperCaseOf);
  return upper;
}

}  // namespace

char UpperCaseOf(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

CWreckSearch::CWreckSearch(CWreckList& wrecks, const CWreckSearchIndex& index, const CWreckList& searchList)
    : wrecks_(wrecks),
      index_(index),
      ellipsoid_(searchList.ellipsoid),
      lat_(searchList.centreLatitude),
      lon_(searchList.centreLongitude),
      reach_(searchList.searchRadius * kMetresPerNauticalMile),
      window_(searchList.ellipsoid, lat_, lon_, reach_),
      upperName_(UpperCased(searchList.searchName)),
      yearFrom_(std::min(searchList.yearFrom, searchList.yearTo)),
      yearTo_(std::max(searchList.yearFrom, searchList.yearTo)) {}

void CWreckSearch::FindWithinRadius(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const {
  for (std::size_t i = begin; i < end; ++i) {
    const IndexedPosition& p = index_.PositionOf(i);
    if (window_.MayReach(p.lat, p.lon) && MatchRadius(*wrecks_.GetAt(i))) found.push_back(i);
  }
}

void CWreckSearch::FindName(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const {
  if (!upperName_.empty()) index_.FindInNames(upperName_, begin, end, found);
}

void CWreckSearch::FindYears(std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const {
  for (std::size_t i = begin; i < end; ++i) {
    const int year = index_.SunkYearOf(i);
    if (year != 0 && year >= yearFrom_ && year <= yearTo_) found.push_back(i);
  }
}

bool CWreckSearch::MatchRadius(WreckDef& record) const {
  if (reach_ == 0) return false;
  double distance = 0;
  double azimuth = 0;
  // A line the method cannot settle ends within about a degree of the
  // antipode, farther than the largest radius the dialog takes (9999.99 NM
  // is 93% of half the meridian), so it never matches.
  if (!ellipsoid_.GeodesicInverse(lat_, lon_, record.data.latitude, record.data.longitude, &distance, &azimuth))
    return false;
  if (!(distance <= reach_)) return false;
  record.bearing = azimuth * kDegreesPerRadian;
  return true;
}
