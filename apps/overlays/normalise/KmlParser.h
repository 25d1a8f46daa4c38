#pragma once
// Reads KML text of any layout with expat into a KmlDocument: one line per
// document or one element per line, placemarks in folders and documents at
// any depth, multi-geometries, polygons with inner rings, styles shared,
// inline or chosen through style maps, tuples with or without altitude.
//
// Input comes from strangers. Entity and document type declarations are
// refused (no entity expansion, local or external), nesting is limited, and
// text is gathered only inside the few elements that are kept, so memory
// stays in proportion to the input.

#include <stdexcept>
#include <string>
#include <string_view>

#include "KmlDocument.h"

namespace normalise {

// A refusal of the input, in one line ("doc.kml line 3: mismatched tag").
struct NormaliseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class KmlParser {
 public:
  // Elements may nest this deep; real KML needs a dozen levels.
  static constexpr int kMaxDepth = 256;

  // Adds what `text` holds to `document`. `source` names the text in
  // messages. Throws NormaliseError for text that is not well-formed XML
  // or that is refused.
  static void Parse(std::string_view text, const std::string& source, KmlDocument& document);
};

}  // namespace normalise
