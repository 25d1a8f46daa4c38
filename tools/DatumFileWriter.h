#pragma once
// Writes the user transformation files (DMF, GSF, GRD) for tests, fuzz
// seeds and sample data: the seven text lines, then the block of the kind.

#include <string>

#include "geodesy/datum/DatumFile.h"

namespace tools {

std::string DatumFileBytes(const DatumFileDef& contents, DatumFileKind kind, const char* lineEnd = "\r\n");

}  // namespace tools
