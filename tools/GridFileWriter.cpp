#include "GridFileWriter.h"

#include <cstdint>

#include "geodesy/userfile/UserFileFormat.h"

namespace tools {

std::string GridFileBytes(const GridFileDef& c, const char* lineEnd) {
  std::string out;
  for (const std::string* line : {&c.name, &c.zoneName, &c.ellipsoidName, &c.ellipsoidQualifier})
    out += *line + lineEnd;
  AppendLittleEndian(out, static_cast<std::int32_t>(c.kind));
  AppendLittleEndian(out, static_cast<std::int32_t>(c.variant));
  for (double v : {c.lat0, c.lon0, c.falseEasting, c.falseNorthing, c.scale, c.lat1, c.lat2})
    AppendLittleEndian(out, v);
  return out;
}

}  // namespace tools
