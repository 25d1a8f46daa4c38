#include "KmlLayoutWriter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>

namespace normalise {
namespace {

constexpr char kHeader[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
constexpr char kFooter[] = "</Document>\n</kml>\n";
// Style maps may point at style maps; real files chain one or two.
constexpr int kMaxStyleMapHops = 8;
constexpr long kMaxWidth = 65535;

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out.push_back(c);
  }
  return out;
}

std::string Number(double value) {
  std::array<char, 32> text;
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return std::string(text.data(), result.ptr);
}

std::string Tuple(const KmlPosition& p) {
  return Number(p.longitude) + "," + Number(p.latitude) + "," + Number(p.altitude);
}

// The part of a style URL after its '#': styles are found by id whichever
// file of the archive they stand in.
std::string Fragment(const std::string& url) {
  const auto hash = url.find_last_of('#');
  return hash == std::string::npos ? url : url.substr(hash + 1);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

class Writer {
 public:
  explicit Writer(const KmlDocument& document) : document_(document) { NameStyles(); }

  std::string Text() {
    out_ = kHeader;
    for (const auto& style : document_.styles)
      if (auto id = ids_.find(style.id); id != ids_.end() && id->second.first == &style)
        WriteStyle(style, id->second.second);
    for (const auto& placemark : document_.placemarks) WritePlacemark(placemark);
    out_ += kFooter;
    return std::move(out_);
  }

 private:
  // Output ids for the styles that set something, first of an id wins.
  void NameStyles() {
    std::set<std::string> taken;
    for (const auto& style : document_.styles) {
      if (!style.SetsSomething() || ids_.count(style.id)) continue;
      std::string id;
      for (char c : style.id)
        id.push_back(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-' ? c : '_');
      if (id.empty()) id = "style";
      std::string unique = id;
      for (int n = 2; !taken.insert(Lower(unique)).second; ++n) unique = id + "-" + std::to_string(n);
      ids_[style.id] = {&style, unique};
    }
  }

  std::string StyleUrlOf(const KmlPlacemark& placemark) const {
    std::string id = Fragment(placemark.styleUrl);
    for (int hop = 0; hop < kMaxStyleMapHops; ++hop) {
      const auto map = document_.styleMaps.find(id);
      if (map == document_.styleMaps.end()) break;
      id = Fragment(map->second);
    }
    const auto found = ids_.find(id);
    return found == ids_.end() ? std::string() : "#" + found->second.second;
  }

  void Line(const std::string& text) { out_ += text + "\n"; }

  void WriteStyle(const KmlStyle& style, const std::string& id) {
    Line("<Style id=\"" + id + "\">");
    if (style.lineColour || style.width) {
      Line("<LineStyle>");
      if (style.lineColour) Line("<color>" + *style.lineColour + "</color>");
      if (style.width)
        Line("<width>" + std::to_string(std::clamp(std::lround(*style.width), 0L, kMaxWidth)) + "</width>");
      Line("</LineStyle>");
    }
    if (style.polygonColour) {
      Line("<PolyStyle>");
      Line("<color>" + *style.polygonColour + "</color>");
      Line("</PolyStyle>");
    }
    Line("</Style>");
  }

  void WritePlacemark(const KmlPlacemark& placemark) {
    Line("<Placemark>");
    if (!placemark.name.empty()) Line("<name>" + Escaped(placemark.name) + "</name>");
    if (const std::string url = StyleUrlOf(placemark); !url.empty()) Line("<styleUrl>" + url + "</styleUrl>");
    const bool several =
        placemark.geometries.size() > 1 && std::any_of(placemark.geometries.begin() + 1, placemark.geometries.end(),
                                                       [](const KmlGeometry& g) { return !g.innerRing; });
    if (several) Line("<MultiGeometry>");
    WriteGeometries(placemark.geometries);
    if (several) Line("</MultiGeometry>");
    Line("</Placemark>");
  }

  void Coordinates(const std::vector<KmlPosition>& positions) {
    out_ += "<coordinates>";
    for (std::size_t i = 0; i < positions.size(); ++i) out_ += (i ? " " : "") + Tuple(positions[i]);
    out_ += "</coordinates>\n";
  }

  // An outer ring opens a polygon; the inner rings after it are its holes.
  void WriteGeometries(const std::vector<KmlGeometry>& geometries) {
    bool inPolygon = false;
    for (const auto& g : geometries) {
      const bool hole = g.kind == KmlGeometryKind::LinearRing && g.innerRing && inPolygon;
      if (inPolygon && !hole) Line("</Polygon>");
      inPolygon = g.kind == KmlGeometryKind::LinearRing;
      if (g.kind == KmlGeometryKind::Point) {
        Line("<Point>");
        Coordinates({g.positions.front()});
        Line("</Point>");
      } else if (g.kind == KmlGeometryKind::LineString) {
        Line("<LineString>");
        Coordinates(g.positions);
        Line("</LineString>");
      } else {
        if (!hole) Line("<Polygon>");
        const char* boundary = hole ? "innerBoundaryIs" : "outerBoundaryIs";
        Line(std::string("<") + boundary + ">");
        Line("<LinearRing>");
        Coordinates(g.positions);
        Line("</LinearRing>");
        Line(std::string("</") + boundary + ">");
      }
    }
    if (inPolygon) Line("</Polygon>");
  }

  const KmlDocument& document_;
  std::map<std::string, std::pair<const KmlStyle*, std::string>> ids_;  // source id -> style, output id
  std::string out_;
};

}  // namespace

std::string KmlLayoutWriter::Write(const KmlDocument& document) { return Writer(document).Text(); }

}  // namespace normalise
