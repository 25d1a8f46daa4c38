#include "shape/PrjScanner.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "frame/PathText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"

namespace {

constexpr std::uint32_t kTransverseMercatorKind = 1;
constexpr std::uint32_t kMercatorKind = 5;

// Real .prj lines are well under 2 KiB. Reading stops here so that a huge
// or binary file costs neither memory nor the scanner's repeated searches.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

constexpr std::size_t kNone = std::string_view::npos;

// strtod on a bounded copy: leading blanks skipped, stopping at the first
// character that cannot continue a number, 0 when there is none.
double Number(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

std::string WithBlanks(std::string_view name) {
  std::string text(name);
  for (char& c : text)
    if (c == '_') c = ' ';
  return text;
}

std::string WithoutQuotesAndBrackets(std::string_view text) {
  std::string name;
  for (char c : text)
    if (c != '"' && c != ']') name += c;
  return name;
}

// Moves `text` past the first of `delimiters`; false, leaving it, when there
// is none.
bool MovePast(std::string_view& text, std::string_view delimiters) {
  const std::size_t at = text.find_first_of(delimiters);
  if (at == kNone) return false;
  text.remove_prefix(at + 1);
  return true;
}

struct ParameterDef {
  const char* name;
  void (*store)(CGridSystem& grid, double value);
};

// The single standard parallel of a one-parallel variant is its latitude of
// origin.
double& StandardParallel(CGridSystem& grid) { return grid.variant != 0 ? grid.lat1 : grid.lat0; }

constexpr ParameterDef kParameters[] = {
    {"False_Easting", [](CGridSystem& g, double v) { g.falseEasting = v; }},
    {"False_Northing", [](CGridSystem& g, double v) { g.falseNorthing = v; }},
    {"Latitude_of_Origin", [](CGridSystem& g, double v) { g.lat0 = v * kRadiansPerDegree; }},
    {"Central_Meridian", [](CGridSystem& g, double v) { g.lon0 = v * kRadiansPerDegree; }},
    {"Scale_Factor", [](CGridSystem& g, double v) { g.scale = v; }},
    {"Standard_Parallel_1", [](CGridSystem& g, double v) { StandardParallel(g) = v * kRadiansPerDegree; }},
};

}  // namespace

const CPrjScanner::KeywordDef CPrjScanner::kKeywords[] = {
    {"GEOGCS", &CPrjScanner::SetArea},
    {"PROJCS", &CPrjScanner::SetGridName},
    {"DATUM", &CPrjScanner::SetDatumArea},
    {"SPHEROID", &CPrjScanner::SetSpheroid},
    {"PRIMEM", &CPrjScanner::SkipPastBracketAndComma},
    {"UNIT", &CPrjScanner::SkipPastBracketAndComma},
    {"AUTHORITY", &CPrjScanner::SkipAuthority},
    {"PROJECTION", &CPrjScanner::SetProjection},
    {"PARAMETER", &CPrjScanner::SetParameter},
};

void CPrjScanner::Scan(std::string_view line) {
  unread_ = line;
  targets_.geographic = true;
  while (NextClause()) {
  }
}

bool CPrjScanner::NextClause() {
  const std::size_t open = unread_.find('[');
  if (open == kNone) return false;
  const std::string_view keyword = unread_.substr(0, open);
  unread_.remove_prefix(open + 1);
  const std::size_t comma = unread_.find(',');
  if (comma == kNone) return false;
  const std::string name = WithoutQuotesAndBrackets(unread_.substr(0, comma));
  unread_.remove_prefix(comma + 1);
  for (const KeywordDef& k : kKeywords) {
    if (keyword.find(k.word) != kNone) {
      (this->*k.action)(name);
      break;
    }
  }
  return true;
}

void CPrjScanner::SetArea(std::string_view name) { targets_.area = WithBlanks(name); }

void CPrjScanner::SetGridName(std::string_view name) { targets_.projection.name = WithBlanks(name); }

void CPrjScanner::SetDatumArea(std::string_view name) {
  if (name.starts_with("D_")) name.remove_prefix(2);
  SetArea(name);
}

void CPrjScanner::SetSpheroid(std::string_view name) {
  targets_.ellipsoid.name = WithBlanks(name);
  std::string_view rest = unread_;
  const std::size_t comma = rest.find(',');
  if (comma == kNone) return;
  const double semiMajor = Number(rest.substr(0, comma));
  rest.remove_prefix(comma + 1);
  const double inverseFlattening = Number(rest.substr(0, rest.find_first_of(",]")));
  targets_.ellipsoid.SetSpheroidParameters(semiMajor, inverseFlattening);
  if (MovePast(rest, ",]") && MovePast(rest, ",")) unread_ = rest;
}

void CPrjScanner::SkipPastBracketAndComma(std::string_view) {
  std::string_view rest = unread_;
  if (MovePast(rest, "]") && MovePast(rest, ",")) unread_ = rest;
}

void CPrjScanner::SkipAuthority(std::string_view) {
  std::string_view rest = unread_;
  if (MovePast(rest, "]") && MovePast(rest, ",]")) unread_ = rest;
}

void CPrjScanner::SetProjection(std::string_view name) {
  CGridSystem& grid = targets_.projection;
  if (grid.name.empty()) grid.name = name;
  if (name.find("Transverse") != kNone) {
    grid.kind = kTransverseMercatorKind, grid.variant = 0;
  } else if (name.find("Mercator") != kNone) {
    grid.kind = kMercatorKind, grid.variant = 0;
  }
  grid.falseEasting = 0, grid.falseNorthing = 0;
  grid.lat0 = 0, grid.lon0 = 0;
  grid.scale = 1.0;
  StandardParallel(grid) = 0;
  // Each reset is a setter of the grid that derives its constants again;
  // deriving once after all of them leaves the same grid.
  grid.DeriveGrid();
  targets_.geographic = false;
}

void CPrjScanner::SetParameter(std::string_view name) {
  std::string_view rest = unread_;
  const std::size_t close = rest.find(']');
  if (close == kNone) return;
  const double value = Number(rest.substr(0, close));
  for (const ParameterDef& p : kParameters) {
    if (platform::text::EqualsIgnoringCase(name, p.name)) {
      p.store(targets_.projection, value);
      targets_.projection.DeriveGrid();
      break;
    }
  }
  rest.remove_prefix(close + 1);
  if (MovePast(rest, ",")) unread_ = rest;
}

bool ReadPrjFile(const std::string& shapePath, PrjTargets targets) {
  const PathParts parts = SplitPath(shapePath);
  const platform::fs::FilePtr file = platform::fs::OpenFile(parts.folder + parts.name + ".prj", "r");
  if (!file) return false;
  std::string line;
  for (int c; line.size() < kMaxLineBytes && (c = std::fgetc(file.get())) != EOF && c != '\n';)
    line += static_cast<char>(c);
  if (line.empty() && std::feof(file.get())) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  CPrjScanner(targets).Scan(line);
  return true;
}
