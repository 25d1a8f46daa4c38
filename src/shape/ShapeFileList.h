#pragma once
// The host's list of loaded shapefiles: the CShape objects in load order
// (the list owns them), the remembered file names that bring them back at
// the next start, a flag telling the host the list changed, and the index
// of the file the host has current.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "frame/FileNameList.h"
#include "shape/Shape.h"

// Names the remembered-names file in the settings folder ("Shape_Files.FLS").
inline constexpr char kShapeFileListName[] = "Shape Files";

class OVERLAYS_API CShapeFileList {
 public:
  std::size_t GetCount() const { return shapes_.size(); }
  CShape& GetAt(std::size_t index) const { return *shapes_.at(index); }
  const std::vector<std::unique_ptr<CShape>>& Shapes() const { return shapes_; }

  // Takes a loaded shape at the end of the list and marks the list modified.
  void Append(std::unique_ptr<CShape> shape);
  // Destroys the shape at `index` with its remembered name, when there is
  // one at that index, and keeps `current` on the file before a removed
  // current one. The names are not saved.
  void RemoveAt(std::size_t index);

  CFileNameList names{kShapeFileListName};
  std::uint8_t modified = 0;  // 1 whenever a file is added
  // The file the host has current; when that file is removed it becomes
  // the index before it.
  std::int32_t current = 0;

 private:
  std::vector<std::unique_ptr<CShape>> shapes_;
};
