#include "chart/ShapeLabels.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include <shapefil.h>

#include "chart/ChartDrawing.h"
#include "platform/fs/FileSystem.h"
#include "platform/qt/AnsiText.h"

namespace chart {
namespace {

struct DbfClose {
  void operator()(DBFInfo* handle) const { DBFClose(handle); }
};

std::string DbfPath(std::string shapePath) {
  const std::string extension = ".shp";
  if (shapePath.size() >= extension.size()) {
    std::string tail = shapePath.substr(shapePath.size() - extension.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (tail == extension) shapePath.resize(shapePath.size() - extension.size());
  }
  return shapePath + ".dbf";
}

}  // namespace

std::vector<QString> ReadShapeLabels(const std::string& shapePath, int column, int entities) {
  std::vector<QString> labels;
  const auto host = platform::fs::ToHost(DbfPath(shapePath));
  if (!host) return labels;
  const std::unique_ptr<DBFInfo, DbfClose> dbf(DBFOpen(host->string().c_str(), "rb"));
  if (!dbf || column < 0 || column >= DBFGetFieldCount(dbf.get())) return labels;
  // The header's record count is the file's word; the entities were read.
  const int records = std::min(DBFGetRecordCount(dbf.get()), entities);
  labels.reserve(static_cast<std::size_t>(std::max(records, 0)));
  for (int i = 0; i < records; ++i) {
    const char* value = DBFReadStringAttribute(dbf.get(), i, column);
    labels.push_back(value ? platform::qt::FromAnsi(value).trimmed() : QString());
  }
  return labels;
}

}  // namespace chart
