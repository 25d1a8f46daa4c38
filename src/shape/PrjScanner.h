#pragma once
// The reader of the one-line well-known text that ESRI software writes into
// a shapefile's .prj. It is a small keyword scanner, not a WKT parser: it
// looks for "KEYWORD[" and the clause name up to the next ",", acts on the
// nine keywords below and passes over everything else, so any text, however
// malformed, is scanned to its end without failing. Values are taken as
// written: no datum or grid is looked up by name, no unit factor is applied
// (angles are degrees, lengths metres), and numbers are read with the C
// library's decimal conversion.
//
// Keywords, tested as substrings of the text before "[" in this order:
//   GEOGCS      Area text := name, "_" as blanks
//   PROJCS      grid name := name, "_" as blanks
//   DATUM       Area text := name without a leading "D_", "_" as blanks
//   SPHEROID    ellipsoid name, a and 1/f (1/f outside 290..310 is 297)
//   PRIMEM      skipped to past "]" and ","
//   UNIT        likewise
//   AUTHORITY   skipped to past "]" and the next "," or "]"
//   PROJECTION  kind 1 ("Transverse") or 5 ("Mercator"), variant 0; the
//               grid's origin, scale and parallel reset; not geographic
//   PARAMETER   False_Easting, False_Northing, Latitude_of_Origin,
//               Central_Meridian, Scale_Factor, Standard_Parallel_1,
//               names compared ignoring case
// A search for "," or "]" inside an action that finds nothing ends the
// action and leaves the scanner where the action began.

#include <string>
#include <string_view>

class CGridSystem;
class CSpheroid;

// Where the scanner writes: the datum object's Area text, the shapefile's
// own ellipsoid and grid (on that ellipsoid), and its geographic flag.
struct PrjTargets {
  std::string& area;
  CSpheroid& ellipsoid;
  CGridSystem& projection;
  bool& geographic;
};

class CPrjScanner {
 public:
  explicit CPrjScanner(PrjTargets targets) : targets_(targets) {}

  // Scans one line; the geographic flag is set before the first clause.
  void Scan(std::string_view line);

 private:
  using Action = void (CPrjScanner::*)(std::string_view clauseName);
  struct KeywordDef {
    const char* word;
    Action action;
  };
  static const KeywordDef kKeywords[];

  // One "KEYWORD[name," clause; false when the text holds no more.
  bool NextClause();

  void SetArea(std::string_view name);
  void SetGridName(std::string_view name);
  void SetDatumArea(std::string_view name);
  void SetSpheroid(std::string_view name);
  void SkipPastBracketAndComma(std::string_view name);
  void SkipAuthority(std::string_view name);
  void SetProjection(std::string_view name);
  void SetParameter(std::string_view name);

  PrjTargets targets_;
  std::string_view unread_;
};

// The first line of the .prj beside a shapefile (folder and name of the
// shapefile's Windows path, lower-case "prj"), scanned into the targets.
// False, with every target unchanged, when there is no such file or it is
// empty.
bool ReadPrjFile(const std::string& shapePath, PrjTargets targets);
