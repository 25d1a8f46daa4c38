#include "RememberedLists.h"

#include <memory>

#include "frame/ConfigFile.h"

namespace host {

std::vector<std::string> RememberedPaths(const char* listName) {
  std::vector<std::string> paths;
  CConfigFile file;
  if (!file.OpenRead(listName, kFileListExtension)) return paths;
  for (std::string line; file.ReadLine(line);)
    if (!line.empty() && line.front() != '[') paths.push_back(line);
  return paths;
}

void RestoreKmlFiles(CKMLFileList& list,
                     const std::function<void(const std::string& path, const KMLLoadOutcome& outcome)>& leftOut) {
  for (const std::string& path : RememberedPaths(kKMLFileListName))
    if (!list.Add(path) && list.Find(path) < 0) leftOut(path, list.LastOutcome());
}

void RestoreShapeFiles(CShapeFileList& list, const std::function<void(const std::string& path)>& leftOut) {
  for (const std::string& path : RememberedPaths(kShapeFileListName)) {
    auto shape = std::make_unique<CShape>();
    shape->path = path;
    if (!shape->Load()) {
      leftOut(path);
      continue;
    }
    list.Append(std::move(shape));
    list.names.FindOrAdd(path);
  }
  list.modified = 0;
}

}  // namespace host
