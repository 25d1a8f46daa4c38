#include "ShapefileWriter.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <shapefil.h>

namespace tools {
namespace {

constexpr long kFirstFieldDescriptor = 32;
constexpr long kFieldDescriptorBytes = 32;
constexpr std::size_t kFieldNameBytes = 11;

struct ShapeCloser {
  void operator()(SHPHandle h) const noexcept { SHPClose(h); }
};
struct TableCloser {
  void operator()(DBFHandle h) const noexcept { DBFClose(h); }
};
struct ObjectRelease {
  void operator()(SHPObject* o) const noexcept { SHPDestroyObject(o); }
};

std::unique_ptr<SHPObject, ObjectRelease> MakeObject(int shapeType, int id, const ShapefileEntity& e) {
  const std::vector<double> zeros(e.x.size(), 0.0);
  return std::unique_ptr<SHPObject, ObjectRelease>(SHPCreateObject(
      shapeType, id, static_cast<int>(e.partStarts.size()), e.partStarts.empty() ? nullptr : e.partStarts.data(),
      nullptr, static_cast<int>(e.x.size()), e.x.data(), e.y.data(), zeros.data(), zeros.data()));
}

}  // namespace

void WriteShapefile(const std::filesystem::path& base, int shapeType, const std::vector<ShapefileEntity>& entities) {
  std::unique_ptr<SHPInfo, ShapeCloser> file(SHPCreate(base.c_str(), shapeType));
  if (!file) throw std::runtime_error("cannot create " + base.string() + ".shp");
  for (std::size_t i = 0; i < entities.size(); ++i) {
    auto object = MakeObject(shapeType, static_cast<int>(i), entities[i]);
    if (!object || SHPWriteObject(file.get(), -1, object.get()) < 0)
      throw std::runtime_error("cannot write entity " + std::to_string(i) + " of " + base.string());
  }
}

void WriteAttributeTable(const std::filesystem::path& base, const std::vector<std::string>& fieldNames,
                         const std::vector<std::vector<std::string>>& records) {
  std::unique_ptr<DBFInfo, TableCloser> table(DBFCreate((base.string() + ".dbf").c_str()));
  if (!table) throw std::runtime_error("cannot create " + base.string() + ".dbf");
  for (const std::string& name : fieldNames)
    if (DBFAddField(table.get(), name.c_str(), FTString, 10, 0) < 0)
      throw std::runtime_error("cannot add field " + name + " to " + base.string() + ".dbf");
  for (std::size_t row = 0; row < records.size(); ++row)
    for (std::size_t field = 0; field < records[row].size(); ++field)
      if (!DBFWriteStringAttribute(table.get(), static_cast<int>(row), static_cast<int>(field),
                                   records[row][field].c_str()))
        throw std::runtime_error("cannot write record " + std::to_string(row) + " of " + base.string() + ".dbf");
}

void PatchFieldName(const std::filesystem::path& dbf, int index, const std::string& elevenBytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(dbf.c_str(), "r+b"), std::fclose);
  if (!file || elevenBytes.size() != kFieldNameBytes ||
      std::fseek(file.get(), kFirstFieldDescriptor + index * kFieldDescriptorBytes, SEEK_SET) != 0 ||
      std::fwrite(elevenBytes.data(), 1, kFieldNameBytes, file.get()) != kFieldNameBytes)
    throw std::runtime_error("cannot patch field " + std::to_string(index) + " of " + dbf.string());
}

}  // namespace tools
