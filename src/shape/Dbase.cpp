#include "shape/Dbase.h"

#include <algorithm>
#include <cstddef>
#include <memory>

#include <shapefil.h>

#include "platform/fs/DriveTable.h"
#include "shape/ShapeFileHooks.h"

namespace {

// The C runtime's component limits of a Windows path (drive, folder, file
// name); a longer component comes out empty rather than cut.
constexpr std::size_t kMaxDrive = 3;
constexpr std::size_t kMaxFolder = 260;
constexpr std::size_t kMaxName = 256;

std::string_view Limited(std::string_view component, std::size_t limit) {
  return component.size() <= limit ? component : std::string_view{};
}

struct SplitShapePath {
  std::string_view drive, folder, name;
};

SplitShapePath Split(std::string_view path) {
  SplitShapePath parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = path.substr(0, 2);
    path.remove_prefix(2);
  }
  const auto lastSeparator =
      std::find_if(path.rbegin(), path.rend(), platform::fs::IsPathSeparator).base() - path.begin();
  parts.folder = path.substr(0, static_cast<std::size_t>(lastSeparator));
  const std::string_view file = path.substr(static_cast<std::size_t>(lastSeparator));
  parts.name = file.substr(0, file.find_last_of('.'));
  parts.drive = Limited(parts.drive, kMaxDrive);
  parts.folder = Limited(parts.folder, kMaxFolder);
  parts.name = Limited(parts.name, kMaxName);
  return parts;
}

struct TableCloser {
  void operator()(DBFHandle table) const noexcept { DBFClose(table); }
};
using TablePtr = std::unique_ptr<DBFInfo, TableCloser>;

// The library takes the extension it is given off again and tries it in
// lower and then upper case; passing the table's own name keeps a dot in
// the file name ("coast.v2") part of the name.
TablePtr OpenTable(const std::string& path) {
  SAHooks hooks = ModuleShapeHooks();
  return TablePtr(DBFOpenLL((path + ".dbf").c_str(), "rb", &hooks));
}

}  // namespace

std::string FieldNameOfDescriptor(const char* descriptor) {
  std::string name(descriptor, std::find(descriptor, descriptor + XBASE_FLDNAME_LEN_READ, '\0'));
  while (name.size() > 1 && name.back() == ' ') name.pop_back();
  return name;
}

void CDbase::SetFile(std::string_view shapePath) {
  const SplitShapePath parts = Split(shapePath);
  path = std::string(parts.drive) + std::string(parts.folder) + std::string(parts.name);
  name = parts.name;
}

bool CDbase::ReadFields() {
  fieldNames.clear();
  const TablePtr table = OpenTable(path);
  if (!table) return false;
  const int count = DBFGetFieldCount(table.get());
  for (int i = 0; i < count; ++i)
    fieldNames.push_back(FieldNameOfDescriptor(table->pszHeader + static_cast<std::size_t>(i) * XBASE_FLDHDR_SZ));
  return true;
}
