#pragma once
// The coordinates text of KML: tuples "longitude,latitude,altitude" in
// degrees, separated by blanks. The fields are read with the rules of the
// field tokeniser (CFieldTokeniser): a tuple is a blank-delimited field and
// its numbers comma-delimited fields, each number the leading run of
// "+-0123456789.e?" converted as strtod does, with the largest finite double
// for a run that is empty or holds '?'.
//
// A coordinates line of a large overlay may be tens of megabytes long, and
// the tokeniser, which erases each field from the front of its text, would
// take time quadratic in it. So the line is walked with views, in one pass,
// and the tokeniser is left the rare tuple whose quoting or escape markers
// need its full rules; the tests hold both to the same answers.

#include <string_view>

#include "frame/XY.h"
#include "geodesy/angle/AngleUnits.h"

// The tuple's position in radians when its text has exactly three comma
// fields (longitude, latitude, altitude).
bool ReadCoordinateTuple(std::string_view tuple, tagXY& position);

// Appends the position of every tuple of three fields in a blank-separated
// text; tuples of any other field count are passed over. A tab does not
// separate tuples.
void AppendCoordinateTuples(std::string_view text, CXYArray& points);
