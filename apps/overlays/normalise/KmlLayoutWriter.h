#pragma once
// Writes a KmlDocument as KML in the layout that the overlay module's
// line-oriented reader (CXML, CKML) reads in full:
// - the XML declaration and the kml element each on a line of their own;
// - every element on its own line, its text (name, styleUrl, color, width,
//   coordinates) on the same line as its open and close tags, and no
//   attributes but a style's id;
// - a placemark's name and style URL before its geometry;
// - every tuple "longitude,latitude,altitude", the altitude 0 when the
//   source had none, numbers in the shortest form that reads back exactly;
// - style ids of letters, digits, '_', '.' and '-' only, unique ignoring
//   case (the reader lowers style URLs), style maps resolved to the style
//   of their "normal" pair, and styles that set nothing left out;
// - widths as whole numbers, since the reader takes them as integers.
// The result is valid KML too, so any other viewer reads it.

#include <string>

#include "KmlDocument.h"

namespace normalise {

class KmlLayoutWriter {
 public:
  static std::string Write(const KmlDocument& document);
};

}  // namespace normalise
