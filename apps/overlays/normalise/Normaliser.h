#pragma once
// overlays kml normalise: rewrites a KMZ archive (or a plain KML file) of
// any producer into a KMZ of one "doc.kml" in the layout that the overlay
// module reads in full (KmlLayoutWriter), so that a user's own files
// become usable.

#include <cstddef>
#include <filesystem>

#include "KmlDocument.h"
#include "KmlParser.h"

namespace normalise {

struct NormaliseSummary {
  std::size_t kmlFiles = 0;
  std::size_t placemarks = 0;
  std::size_t points = 0;
  std::size_t lines = 0;
  std::size_t rings = 0;
  std::size_t styles = 0;  // styles that set a width or a colour
  std::size_t tuplesPassedOver = 0;
};

// Every KML text of `file` read into one document. Throws NormaliseError
// (one line) for a missing, hostile or malformed input.
KmlDocument ReadKmlDocument(const std::filesystem::path& file, std::size_t* kmlFiles = nullptr);

// Reads `in` and writes `out` in full or not at all. Throws NormaliseError.
NormaliseSummary NormaliseKmz(const std::filesystem::path& in, const std::filesystem::path& out);

}  // namespace normalise
