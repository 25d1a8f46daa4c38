#pragma once
// One KML overlay: the line styles and the placemark geometry (points,
// lines and polygons) of a KMZ archive, ready for the host to draw. The
// archive is extracted beside itself into "Temp\", every KML file found
// there is read with the line-oriented tag tests of CXML, and what was
// extracted is removed again.
//
// What is read, and what is deliberately passed over:
// - a style is "<Style id=...>" with a LineStyle (width, colour) and/or a
//   PolyStyle (colour); a style that sets none of them is dropped;
// - a placemark gives its name and style URL to each Point, LineString and
//   LinearRing read after them, so one placemark may give several records;
// - every ring, outer or inner, becomes a polygon of its own;
// - a geometry's coordinates are looked for only on the lines after its
//   open tag, so a point written on a single line is not read;
// - a tuple is taken only with exactly three fields: "1.5,52" is passed
//   over, and tuples joined by tabs form one field list that is passed over;
// - documents, folders, style maps, icons and anything after a recognised
//   element on the same line are not read;
// - a file that ends inside a style, point, line or ring drops that record.
// Names and style URLs are kept in lower case; style ids keep their case.
// Text is taken from UTF-8 (the KML encoding) into Windows-1252.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "frame/XY.h"
#include "kml/Unzipper.h"
#include "kml/XML.h"

// Colours are 0x00RRGGBB.
struct KMLStyleDef {
  std::string id;
  std::uint16_t width = 1;
  std::uint32_t lineColour = 0xFF0000;
  std::uint32_t polygonColour = 0x008000;
};

// Positions in radians, longitude in x and latitude in y.
struct KMLPointDef {
  std::string name;
  std::string styleUrl;  // as written, '#' included, lower case
  double x = 0.0;
  double y = 0.0;
};

struct KMLPathDef {
  std::string name;
  std::string styleUrl;
  CXYArray points;
};
struct KMLLineDef : KMLPathDef {};
struct KMLPolygonDef : KMLPathDef {};

// Why a load read nothing, and how much it read, for a host to say; the
// module itself shows nothing.
enum class KMLLoadProblem {
  None,
  Archive,            // not a readable archive, or refused: see `archive`
  NoTemporaryFolder,  // "Temp\" beside the archive, or a folder in it, cannot be made
  NoKMLFile,          // no KML file at the top of the archive passed the header check
  NothingRead,        // KML was read but gave no point, line or polygon
};

struct KMLLoadOutcome {
  KMLLoadProblem problem = KMLLoadProblem::None;
  UnzipRefusal archive;  // the archive reader's first problem, also after a load that read something
  std::size_t kmlFiles = 0;         // files that passed the header check
  std::size_t placemarksRead = 0;   // placemarks that gave a position
};

class OVERLAYS_API CKML : public CXML {
 public:
  CKML();
  ~CKML() override;

  // Reads the KMZ archive at `path` (Windows path) into emptied arrays.
  // True when at least one point, line or polygon was read; styles alone do
  // not count. A file that is not a ZIP archive, an archive without KML and
  // KML files that fail the header check give false and nothing is shown.
  bool Load(const std::string& path);
  // Reads one KML file into the arrays as they are, as Load does with each
  // file of an archive; false when the header check refuses it.
  bool ReadKMLFile(const std::string& path);
  // Releases every record.
  void Clear();

  const std::string& GetPath() const { return path_; }
  const KMLLoadOutcome& Outcome() const { return outcome_; }
  const std::vector<std::unique_ptr<KMLStyleDef>>& Styles() const { return styles_; }
  const std::vector<std::unique_ptr<KMLPointDef>>& Points() const { return points_; }
  const std::vector<std::unique_ptr<KMLLineDef>>& Lines() const { return lines_; }
  const std::vector<std::unique_ptr<KMLPolygonDef>>& Polygons() const { return polygons_; }
  bool HasGeometry() const { return !points_.empty() || !lines_.empty() || !polygons_.empty(); }

 private:
  struct Placemark {
    std::string name;
    std::string styleUrl;
    bool positioned = false;  // a geometry of it took coordinates
  };

  void ReadExtractedFiles(const std::string& folder);
  template <class OnLine>
  bool ReadUntilClose(std::string_view closeTag, OnLine&& onLine);

  bool ReadStyle(std::string_view line);
  bool ReadStyleBody(KMLStyleDef& style);
  bool ReadPlacemark(std::string_view line);
  bool ReadPoint(std::string_view line, Placemark& placemark);
  template <class Def>
  bool ReadPath(std::string_view line, std::string_view tag, Placemark& placemark,
                std::vector<std::unique_ptr<Def>>& into);
  KMLLoadProblem ProblemAfterReading() const;
  void ReadCoordinateLines(std::string_view line, CXYArray& points);

  std::string path_;
  std::vector<std::unique_ptr<KMLStyleDef>> styles_;
  std::vector<std::unique_ptr<KMLPointDef>> points_;
  std::vector<std::unique_ptr<KMLLineDef>> lines_;
  std::vector<std::unique_ptr<KMLPolygonDef>> polygons_;
  KMLLoadOutcome outcome_;
  // Where a path's points gather before they go into their record, so the
  // growing is paid once per load rather than once per path.
  CXYArray scratch_;
};
