#pragma once
// The host's list of wrecks. The host keeps two: the wreck list, which owns
// every record read from the database, and the search list, which refers to
// the records that match the current search and carries the search
// settings. Neither ever deletes a record; the owner of the wreck list does.
//
// Invariant: wreckCount + obstructionCount == the number of records added
// since the list was last emptied.

#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "wrecks/WreckRecord.h"

enum WreckSearchMethod : std::int32_t {
  kSearchNone = 0,
  kSearchLocation = 1,  // centre and radius
  kSearchName = 2,
  kSearchYears = 3,
  kSearchArea = 4,
};

class OVERLAYS_API CWreckList {
 public:
  // Adds a record at the end and counts it as a wreck or an obstruction.
  void Add(WreckDef* record);
  // Forgets every record (without deleting any) and zeroes the counts.
  void RemoveAll();
  std::size_t GetSize() const { return records.size(); }
  WreckDef* GetAt(std::size_t i) const { return records[i]; }

  std::vector<WreckDef*> records;
  std::string databaseTitle;
  std::int32_t wreckCount = 0;
  std::int32_t obstructionCount = 0;
  std::int16_t earliestYear = 0;  // smallest non-zero sunk year read; 0 none
  std::int16_t latestYear = 0;    // last year the year search offers; set by the host
  bool loading = false;           // true while the database thread fills the list
  CSpheroid ellipsoid;            // set up by the host; used for search distances

  std::int32_t searchMethod = kSearchNone;
  double centreLongitude = 0;  // radians
  double centreLatitude = 0;   // radians
  double searchRadius = 0;     // nautical miles
  std::int16_t yearFrom = 0;
  std::int16_t yearTo = 0;
  std::string searchName;
  double areaWest = 0, areaSouth = 0, areaEast = 0, areaNorth = 0;  // radians
  bool label = false;
  bool showSearchRadius = false;
  bool showWrecks = false;
  bool showObstructions = false;
};
