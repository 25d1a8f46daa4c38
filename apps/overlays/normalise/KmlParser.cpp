#include "KmlParser.h"

#include <expat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace normalise {
namespace {

// KML elements by their local name; a namespace prefix (kml:, gx:) is
// dropped, and the gx: extensions share no local name with what is kept.
std::string_view LocalName(const XML_Char* name) {
  std::string_view full(name);
  const auto colon = full.find(':');
  return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

constexpr std::string_view kXmlBlanks = " \t\r\n";

std::string FoldBlanks(std::string_view text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (kXmlBlanks.find(c) != std::string_view::npos) {
      blank = !out.empty();
      continue;
    }
    if (blank) out.push_back(' ');
    blank = false;
    out.push_back(c);
  }
  return out;
}

bool ReadNumber(std::string_view field, double& value) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() && std::isfinite(value);
}

// "lon,lat" or "lon,lat,alt", degrees in range.
bool ReadTuple(std::string_view tuple, KmlPosition& position) {
  double values[3] = {0.0, 0.0, 0.0};
  std::size_t count = 0;
  for (std::size_t start = 0; start <= tuple.size(); ++count) {
    const auto comma = std::min(tuple.find(',', start), tuple.size());
    if (count == 3 || !ReadNumber(tuple.substr(start, comma - start), values[count])) return false;
    start = comma + 1;
  }
  position = {values[0], values[1], values[2]};
  return count >= 2 && std::fabs(position.longitude) <= 180.0 && std::fabs(position.latitude) <= 90.0;
}

// Eight hexadecimal digits aabbggrr, lower case; some producers write a
// '#' first or leave alpha out.
std::optional<std::string> ReadColour(std::string_view text) {
  text = text.substr(std::min(text.find_first_not_of(kXmlBlanks), text.size()));
  text = text.substr(0, text.find_last_not_of(kXmlBlanks) + 1);
  if (!text.empty() && text[0] == '#') text.remove_prefix(1);
  std::string colour = text.size() == 6 ? "ff" : "";
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    colour.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return colour.size() == 8 ? std::optional(colour) : std::nullopt;
}

class Reader {
 public:
  Reader(const std::string& source, KmlDocument& document) : source_(source), document_(document) {}

  void Run(std::string_view text) {
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                                         &XML_ParserFree);
    if (!parser) throw NormaliseError(source_ + ": out of memory");
    parser_ = parser.get();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &Reader::OnStart, &Reader::OnEnd);
    XML_SetCharacterDataHandler(parser_, &Reader::OnText);
    XML_SetStartDoctypeDeclHandler(parser_, &Reader::OnDoctype);
    XML_SetEntityDeclHandler(parser_, &Reader::OnEntity);
    // Large texts go in slices, since expat takes an int length.
    constexpr std::size_t kSlice = 1 << 24;
    do {
      const std::size_t n = std::min(text.size(), kSlice);
      if (XML_Parse(parser_, text.data(), static_cast<int>(n), n == text.size()) != XML_STATUS_OK) Fail();
      text.remove_prefix(n);
    } while (!text.empty());
  }

 private:
  static Reader& Of(void* data) { return *static_cast<Reader*>(data); }
  static void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    Of(data).Start(LocalName(name), attributes);
  }
  static void XMLCALL OnEnd(void* data, const XML_Char* name) { Of(data).End(LocalName(name)); }
  static void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    Reader& reader = Of(data);
    if (reader.gathering_) reader.text_.append(text, static_cast<std::size_t>(length));
  }
  static void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    Of(data).Stop("document type declarations are not accepted");
  }
  static void XMLCALL OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                               const XML_Char*, const XML_Char*) {
    Of(data).Stop("entity declarations are not accepted");
  }

  void Stop(const char* why) {
    refusal_ = why;
    XML_StopParser(parser_, XML_FALSE);
  }

  [[noreturn]] void Fail() const {
    const std::string why = refusal_ ? refusal_ : XML_ErrorString(XML_GetErrorCode(parser_));
    throw NormaliseError(source_ + " line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " + why);
  }

  std::string_view Parent() const { return path_.size() >= 2 ? path_[path_.size() - 2] : std::string_view(); }
  bool Inside(std::string_view name) const {
    for (const auto& element : path_)
      if (element == name) return true;
    return false;
  }

  static std::string Attribute(const XML_Char** attributes, std::string_view wanted) {
    for (; attributes && attributes[0]; attributes += 2)
      if (LocalName(attributes[0]) == wanted) return attributes[1];
    return {};
  }

  void Start(std::string_view name, const XML_Char** attributes) {
    if (refusal_) return;
    if (static_cast<int>(path_.size()) >= KmlParser::kMaxDepth) return Stop("elements nest too deep");
    path_.emplace_back(name);
    gathering_ = IsGathered(name);
    text_.clear();
    if (name == "Placemark") {
      placemark_ = KmlPlacemark{};
      inPlacemark_ = true;
    } else if (name == "Style") {
      StartStyle(Attribute(attributes, "id"));
    } else if (name == "StyleMap") {
      styleMap_ = Attribute(attributes, "id");
    } else if (name == "Pair") {
      pairKey_.clear();
      pairUrl_.clear();
    } else if (inPlacemark_ && (name == "Point" || name == "LineString" || name == "LinearRing")) {
      geometry_ = KmlGeometry{name == "Point"        ? KmlGeometryKind::Point
                              : name == "LineString" ? KmlGeometryKind::LineString
                                                     : KmlGeometryKind::LinearRing,
                              {},
                              Inside("innerBoundaryIs")};
      inGeometry_ = true;
    }
  }

  // An inline style, of a placemark or of a style map's pair, gets an id
  // of its own, and its owner points at it.
  void StartStyle(std::string id) {
    const std::string_view owner = Parent();
    if (id.empty() || owner == "Placemark" || owner == "Pair") {
      id = "inline" + std::to_string(++inlineStyles_);
      if (owner == "Placemark") placemark_.styleUrl = "#" + id;
      if (owner == "Pair") pairUrl_ = "#" + id;
    }
    document_.styles.push_back(KmlStyle{id, {}, {}, {}});
    inStyle_ = true;
  }

  static bool IsGathered(std::string_view name) {
    return name == "name" || name == "styleUrl" || name == "coordinates" || name == "color" || name == "width" ||
           name == "key";
  }

  void End(std::string_view name) {
    if (refusal_ || path_.empty()) return;
    if (gathering_) Take(name);
    gathering_ = false;
    if (name == "Placemark") {
      if (!placemark_.geometries.empty()) document_.placemarks.push_back(std::move(placemark_));
      inPlacemark_ = false;
    } else if (name == "Style") {
      inStyle_ = false;
    } else if (name == "Pair" && pairKey_ == "normal" && !styleMap_.empty()) {
      document_.styleMaps[styleMap_] = pairUrl_;
    } else if (inGeometry_ && (name == "Point" || name == "LineString" || name == "LinearRing")) {
      if (!geometry_.positions.empty()) placemark_.geometries.push_back(std::move(geometry_));
      inGeometry_ = false;
    }
    path_.pop_back();
  }

  // The gathered text of a finished leaf element, by where it stands.
  void Take(std::string_view name) {
    const std::string_view parent = Parent();
    if (name == "name" && parent == "Placemark") {
      placemark_.name = FoldBlanks(text_);
    } else if (name == "styleUrl" && parent == "Placemark" && placemark_.styleUrl.empty()) {
      placemark_.styleUrl = FoldBlanks(text_);
    } else if (name == "styleUrl" && parent == "Pair" && pairUrl_.empty()) {
      pairUrl_ = FoldBlanks(text_);
    } else if (name == "key" && parent == "Pair") {
      pairKey_ = FoldBlanks(text_);
    } else if (name == "coordinates" && inGeometry_) {
      ReadCoordinates();
    } else if (inStyle_ && !document_.styles.empty()) {
      TakeStyleValue(name, parent);
    }
  }

  void TakeStyleValue(std::string_view name, std::string_view parent) {
    KmlStyle& style = document_.styles.back();
    double width = 0.0;
    if (name == "color" && parent == "LineStyle")
      style.lineColour = ReadColour(text_);
    else if (name == "color" && parent == "PolyStyle")
      style.polygonColour = ReadColour(text_);
    else if (name == "width" && parent == "LineStyle" && ReadNumber(FoldBlanks(text_), width) && width >= 0)
      style.width = width;
  }

  void ReadCoordinates() {
    std::size_t start = 0;
    while ((start = text_.find_first_not_of(kXmlBlanks, start)) != std::string::npos) {
      const auto end = std::min(text_.find_first_of(kXmlBlanks, start), text_.size());
      KmlPosition position;
      if (ReadTuple(std::string_view(text_).substr(start, end - start), position))
        geometry_.positions.push_back(position);
      else
        ++document_.tuplesPassedOver;
      start = end;
    }
  }

  const std::string& source_;
  KmlDocument& document_;
  XML_Parser parser_ = nullptr;
  const char* refusal_ = nullptr;
  std::vector<std::string> path_;
  bool gathering_ = false;
  std::string text_;
  KmlPlacemark placemark_;
  bool inPlacemark_ = false;
  KmlGeometry geometry_;
  bool inGeometry_ = false;
  bool inStyle_ = false;
  int inlineStyles_ = 0;
  std::string styleMap_;
  std::string pairKey_;
  std::string pairUrl_;
};

}  // namespace

void KmlParser::Parse(std::string_view text, const std::string& source, KmlDocument& document) {
  Reader(source, document).Run(text);
}

}  // namespace normalise
