#include "NadconGridWriter.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "geodesy/userfile/UserFileFormat.h"

namespace tools {
namespace {

void PutText(std::string& out, const std::string& text, std::size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  out += field;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

NadconGridPair PlaneNadconGrid(int columns, int rows, float lon0, float lat0, float dx, float dy, float latBase,
                               float lonBase) {
  NadconGridPair grid;
  grid.header = {"HAND-MADE PLANE GRID", "NADGRD", columns, rows, 1, lon0, dx, lat0, dy, 0};
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      grid.latShifts.push_back(latBase + static_cast<float>(row) + static_cast<float>(column) / 8);
      grid.lonShifts.push_back(lonBase + static_cast<float>(column) - static_cast<float>(row) / 4);
    }
  return grid;
}

std::string NadconFileBytes(const NadconHeaderDef& header, const std::vector<float>& shifts) {
  std::string out;
  PutText(out, header.identification, 56);
  PutText(out, header.program, 8);
  for (std::int32_t count : {header.columns, header.rows, header.levels}) AppendLittleEndian(out, count);
  for (float value : {header.xMin, header.dx, header.yMin, header.dy, header.angle}) AppendLittleEndian(out, value);
  // A column count the shifts cannot fill (a fixture's lie) writes them as
  // one row, so a hostile header never asks for gigabytes of padding.
  const bool fillable = header.columns > 0 && static_cast<std::size_t>(header.columns) <= shifts.size();
  const std::size_t columns = fillable ? static_cast<std::size_t>(header.columns) : std::max<std::size_t>(shifts.size(), 1);
  const std::size_t record = 4 * (columns + 1);
  if (out.size() < record) out.resize(record, '\0');
  for (std::size_t i = 0; i < shifts.size(); ++i) {
    if (i % columns == 0) AppendLittleEndian(out, std::int32_t{0});
    AppendLittleEndian(out, shifts[i]);
  }
  return out;
}

bool WriteNadconPair(const std::filesystem::path& folder, const std::string& title, const NadconGridPair& grid) {
  return WriteFile(folder / (title + ".las"), NadconFileBytes(grid.header, grid.latShifts)) &&
         WriteFile(folder / (title + ".los"), NadconFileBytes(grid.header, grid.lonShifts));
}

}  // namespace tools
