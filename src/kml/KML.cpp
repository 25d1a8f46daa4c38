#include "kml/KML.h"

#include <cstdlib>

#include "frame/PathText.h"
#include "kml/CoordinateText.h"
#include "kml/TemporaryExtraction.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"

namespace {

constexpr char kTempFolderName[] = "Temp\\";
constexpr char kKMLPattern[] = "*.kml";
constexpr std::string_view kStyleOpen = "<Style id=";

// The element text of a line taken from UTF-8 into the module's code page;
// the tag test is the same either way, as tags are ASCII.
bool GetTextElement(std::string_view line, std::string_view tag, std::string& text) {
  return CXML::IsOpenTag(line, tag) && CXML::GetElementText(platform::text::AnsiFromUtf8(line), tag, text);
}

bool BeginsWithIgnoringCase(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && platform::text::EqualsIgnoringCase(line.substr(0, prefix.size()), prefix);
}

// The id of "<Style id=...": the rest of the line with leading blanks and
// every '"' and '>' removed.
std::string StyleId(std::string_view rest) {
  std::string id;
  for (char c : TrimBlanks(rest))
    if (c != '"' && c != '>') id.push_back(c);
  return platform::text::AnsiFromUtf8(id);
}

// A path of at least this many points leaves with the gathering array
// itself; a smaller one is copied out at its exact size, and the gathering
// array keeps its room for the next path.
constexpr std::size_t kPointsMovedWhole = 1 << 16;

CXYArray TakePoints(CXYArray& gathered) {
  CXYArray points;
  if (gathered.GetSize() >= kPointsMovedWhole) {
    std::swap(points, gathered);
    return points;
  }
  points.Reserve(gathered.GetSize());
  for (const auto& p : gathered) points.Add(p);
  return points;
}

// A width as a decimal integer, as atoi reads it, kept to 16 bits.
std::uint16_t WidthOf(const std::string& text) {
  return static_cast<std::uint16_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

CKML::CKML() = default;

CKML::~CKML() = default;

void CKML::Clear() {
  styles_.clear();
  points_.clear();
  lines_.clear();
  polygons_.clear();
}

bool CKML::Load(const std::string& path) {
  Clear();
  path_ = path;
  outcome_ = {};
  {
    CTemporaryExtraction extraction(FolderOfPath(path) + kTempFolderName);
    const bool extracted = extraction.Extract(path);
    outcome_.archive = extraction.Refusal();
    if (extracted) ReadExtractedFiles(extraction.Folder());
    Close();
    const bool noFolder = outcome_.archive.problem == UnzipProblem::CannotWrite && outcome_.archive.entry.empty();
    outcome_.problem = noFolder     ? KMLLoadProblem::NoTemporaryFolder
                       : !extracted ? KMLLoadProblem::Archive
                                    : ProblemAfterReading();
  }
  return HasGeometry();
}

KMLLoadProblem CKML::ProblemAfterReading() const {
  if (HasGeometry()) return KMLLoadProblem::None;
  return outcome_.kmlFiles == 0 ? KMLLoadProblem::NoKMLFile : KMLLoadProblem::NothingRead;
}

void CKML::ReadExtractedFiles(const std::string& folder) {
  for (const auto& found : platform::fs::FindFiles(folder + kKMLPattern))
    if (!found.folder) ReadKMLFile(folder + found.name);
}

bool CKML::ReadKMLFile(const std::string& path) {
  if (!OpenKML(path)) return false;
  ++outcome_.kmlFiles;
  std::string_view line;
  while (ReadNextLine(line))
    if (!ReadStyle(line)) ReadPlacemark(line);
  Close();
  return true;
}

// Hands each next line to `onLine` until one begins with the closing tag:
// true then, false when the file ends first.
template <class OnLine>
bool CKML::ReadUntilClose(std::string_view closeTag, OnLine&& onLine) {
  std::string_view line;
  while (ReadNextLine(line)) {
    if (BeginsWithCloseTag(line, closeTag)) return true;
    onLine(line);
  }
  return false;
}

bool CKML::ReadStyle(std::string_view line) {
  if (!BeginsWithIgnoringCase(line, kStyleOpen)) return false;
  auto style = std::make_unique<KMLStyleDef>();
  style->id = StyleId(line.substr(kStyleOpen.size()));
  if (ReadStyleBody(*style)) styles_.push_back(std::move(style));
  return true;
}

// True when the style closed and set at least one width or colour.
bool CKML::ReadStyleBody(KMLStyleDef& style) {
  bool set = false;
  std::string text;
  const bool closed = ReadUntilClose("Style", [&](std::string_view line) {
    if (IsOpenTag(line, "LineStyle")) {
      ReadUntilClose("LineStyle", [&](std::string_view inner) {
        if (GetElementText(inner, "Width", text)) {
          style.width = WidthOf(text);
          set = true;
        } else if (GetColour(inner, "color", style.lineColour)) {
          set = true;
        }
      });
    } else if (IsOpenTag(line, "PolyStyle")) {
      ReadUntilClose("PolyStyle", [&](std::string_view inner) { set |= GetColour(inner, "color", style.polygonColour); });
    }
  });
  return closed && set;
}

bool CKML::ReadPlacemark(std::string_view line) {
  if (!IsOpenTag(line, "Placemark")) return false;
  Placemark placemark;
  ReadUntilClose("Placemark", [&](std::string_view inner) {
    if (GetTextElement(inner, "name", placemark.name) || GetTextElement(inner, "styleUrl", placemark.styleUrl)) return;
    if (ReadPoint(inner, placemark)) return;
    if (ReadPath(inner, "LineString", placemark, lines_)) return;
    ReadPath(inner, "LinearRing", placemark, polygons_);
  });
  if (placemark.positioned) ++outcome_.placemarksRead;
  return true;
}

bool CKML::ReadPoint(std::string_view line, Placemark& placemark) {
  if (!IsOpenTag(line, "Point")) return false;
  auto point = std::make_unique<KMLPointDef>();
  // Only coordinates of exactly three fields give the point its position
  // and its placemark's name; otherwise it stays unnamed at 0, 0.
  const bool closed = ReadUntilClose("Point", [&](std::string_view inner) {
    tagXY position;
    if (!StripCoordinatesOpen(inner) || !ReadCoordinateTuple(inner, position)) return;
    point->name = placemark.name;
    point->styleUrl = placemark.styleUrl;
    point->x = position.x;
    point->y = position.y;
    placemark.positioned = true;
  });
  if (closed) points_.push_back(std::move(point));
  return true;
}

template <class Def>
bool CKML::ReadPath(std::string_view line, std::string_view tag, Placemark& placemark,
                    std::vector<std::unique_ptr<Def>>& into) {
  if (!IsOpenTag(line, tag)) return false;
  auto path = std::make_unique<Def>();
  path->name = placemark.name;
  path->styleUrl = placemark.styleUrl;
  scratch_.RemoveAll();
  const bool closed = ReadUntilClose(tag, [&](std::string_view inner) {
    if (StripCoordinatesOpen(inner)) ReadCoordinateLines(inner, scratch_);
  });
  if (closed) {
    placemark.positioned |= scratch_.GetSize() > 0;
    path->points = TakePoints(scratch_);
    into.push_back(std::move(path));
  }
  return true;
}

// Coordinates run from the open tag's line to the line that ends with the
// closing tag, or to the end of the file.
void CKML::ReadCoordinateLines(std::string_view line, CXYArray& points) {
  for (;;) {
    const bool last = StripCoordinatesClose(line);
    AppendCoordinateTuples(line, points);
    if (last || !ReadNextLine(line)) return;
  }
}
