#include "NTv2FileWriter.h"

#include <cmath>

#include "geodesy/userfile/UserFileFormat.h"

namespace tools {
namespace {

constexpr std::int32_t kHeaderRecords = 11;

void AppendLabel(std::string& out, const char* label) {
  std::string field(label);
  field.resize(8, ' ');
  out += field;
}

void AppendInt(std::string& out, const char* label, std::int32_t value) {
  AppendLabel(out, label);
  AppendLittleEndian(out, value);
  AppendLittleEndian(out, std::int32_t{0});
}

void AppendText(std::string& out, const char* label, const std::string& value) {
  AppendLabel(out, label);
  AppendLabel(out, value.c_str());
}

void AppendDouble(std::string& out, const char* label, double value) {
  AppendLabel(out, label);
  AppendLittleEndian(out, value);
}

void AppendOverview(std::string& out, const NTv2FileLayout& layout) {
  const NTv2Overview& o = layout.overview;
  AppendInt(out, "NUM_OREC", layout.numOrec.value_or(kHeaderRecords));
  AppendInt(out, "NUM_SREC", kHeaderRecords);
  AppendInt(out, "NUM_FILE", layout.numFile.value_or(static_cast<std::int32_t>(layout.subGrids.size())));
  AppendText(out, "GS_TYPE", o.gsType.empty() ? "SECONDS" : o.gsType);
  AppendText(out, "VERSION", o.version);
  AppendText(out, "SYSTEM_F", o.systemF);
  AppendText(out, "SYSTEM_T", o.systemT);
  AppendDouble(out, "MAJOR_F", o.majorF);
  AppendDouble(out, "MINOR_F", o.minorF);
  AppendDouble(out, "MAJOR_T", o.majorT);
  AppendDouble(out, "MINOR_T", o.minorT);
}

void AppendSubGrid(std::string& out, const DataSetDef& g, std::optional<std::int32_t> gsCount) {
  AppendText(out, "SUB_NAME", g.name);
  AppendText(out, "PARENT", g.parent);
  AppendText(out, "CREATED", "20260101");
  AppendText(out, "UPDATED", "20260101");
  AppendDouble(out, "S_LAT", g.sLat);
  AppendDouble(out, "N_LAT", g.nLat);
  AppendDouble(out, "E_LONG", g.eLong);
  AppendDouble(out, "W_LONG", g.wLong);
  AppendDouble(out, "LAT_INC", g.latInc);
  AppendDouble(out, "LONG_INC", g.longInc);
  AppendInt(out, "GS_COUNT", gsCount.value_or(static_cast<std::int32_t>(g.records.size())));
  for (const GridShiftRecordDef& r : g.records)
    for (float v : {r.latShift, r.lonShift, r.latAccuracy, r.lonAccuracy}) AppendLittleEndian(out, v);
}

}  // namespace

std::string NTv2FileBytes(const NTv2FileLayout& layout) {
  std::string out;
  AppendOverview(out, layout);
  for (const DataSetDef& g : layout.subGrids) AppendSubGrid(out, g, layout.gsCount);
  // The published files close with an END record, which readers skip.
  AppendLabel(out, "END");
  AppendLittleEndian(out, 0.0);
  return out;
}

DataSetDef MakeSubGrid(std::string name, std::string parent, double sLat, double nLat, double eLong, double wLong,
                       double latInc, double longInc, const NodeShiftFunction& shiftAt) {
  DataSetDef g{std::move(name), std::move(parent), sLat, eLong, nLat, wLong, latInc, longInc, {}};
  const auto rows = static_cast<int>(std::lround((nLat - sLat) / latInc)) + 1;
  const auto columns = static_cast<int>(std::lround((wLong - eLong) / longInc)) + 1;
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      g.records.push_back(shiftAt(sLat + row * latInc, eLong + column * longInc));
  return g;
}

}  // namespace tools
