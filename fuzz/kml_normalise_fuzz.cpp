// Any bytes as KML text for the normaliser: the expat reader may refuse
// them, but must neither crash nor read out of bounds, and whatever it
// accepts must come out of the layout writer as KML that reads back to the
// same placemarks.

#include <cstdint>
#include <string_view>

#include "KmlLayoutWriter.h"
#include "KmlParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace normalise;
  KmlDocument document;
  try {
    KmlParser::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.kml", document);
  } catch (const NormaliseError&) {
    return 0;
  }
  const std::string written = KmlLayoutWriter::Write(document);
  KmlDocument again;
  try {
    KmlParser::Parse(written, "written.kml", again);
  } catch (const NormaliseError&) {
    __builtin_trap();  // the writer produced text that is not well-formed
  }
  if (again.placemarks.size() != document.placemarks.size()) __builtin_trap();
  return 0;
}
