#include "wrecks/WreckSearch.h"

#include <algorithm>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "wrecks/WreckList.h"

namespace {

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperCaseOf);
  return upper;
}

// `upper` (already upper-cased, not empty) within `text`, comparing each
// byte of the text upper-cased, without copying the text: the name search
// runs over every record.
bool ContainsUpperCased(std::string_view text, std::string_view upper) {
  if (upper.size() > text.size()) return false;
  const std::size_t last = text.size() - upper.size();
  for (std::size_t i = 0; i <= last; ++i) {
    if (UpperCaseOf(text[i]) != upper[0]) continue;
    std::size_t k = 1;
    while (k < upper.size() && UpperCaseOf(text[i + k]) == upper[k]) ++k;
    if (k == upper.size()) return true;
  }
  return false;
}

}  // namespace

char UpperCaseOf(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

CWreckSearch::CWreckSearch(const CWreckList& searchList)
    : ellipsoid_(searchList.ellipsoid),
      lat_(searchList.centreLatitude),
      lon_(searchList.centreLongitude),
      reach_(searchList.searchRadius * kMetresPerNauticalMile),
      window_(searchList.ellipsoid, lat_, lon_, reach_),
      upperName_(UpperCased(searchList.searchName)),
      yearFrom_(std::min(searchList.yearFrom, searchList.yearTo)),
      yearTo_(std::max(searchList.yearFrom, searchList.yearTo)) {}

bool CWreckSearch::MatchRadius(WreckDef& record) const {
  return window_.MayReach(record.data.latitude, record.data.longitude) && MatchRadiusMeasured(record);
}

bool CWreckSearch::MatchRadiusMeasured(WreckDef& record) const {
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

bool CWreckSearch::MatchName(const WreckDef& record) const {
  return !upperName_.empty() && ContainsUpperCased(record.Name(), upperName_);
}

bool CWreckSearch::MatchYears(const WreckDef& record) const {
  return record.sunkYear != 0 && record.sunkYear >= yearFrom_ && record.sunkYear <= yearTo_;
}
