#include "frame/FileNameList.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "frame/ConfigFile.h"
#include "frame/FormatText.h"

CFileNameList::CFileNameList(std::string name) : name_(std::move(name)) {}

std::size_t CFileNameList::FindOrAdd(const std::string& path) {
  const auto found = std::find(paths_.begin(), paths_.end(), path);
  if (found != paths_.end()) return static_cast<std::size_t>(found - paths_.begin());
  paths_.push_back(path);
  const std::size_t index = paths_.size() - 1;
  recentFolder_ = FolderOf(index);
  return index;
}

void CFileNameList::RemoveAt(std::size_t index) {
  if (index >= paths_.size()) return;
  paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(index));
  if (!paths_.empty()) recentFolder_ = FolderOf(paths_.size() - 1);
}

std::string CFileNameList::FolderOf(std::size_t index) const {
  if (index >= paths_.size()) throw std::invalid_argument("CFileNameList::FolderOf: index outside the list");
  const std::string& path = paths_[index];
  const auto slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash == 0) return path;
  return path.substr(0, slash);
}

bool CFileNameList::Save() const {
  CConfigFile file;
  if (!file.OpenWrite(name_.c_str(), kFileListExtension)) return false;
  file.WriteString(FormatText("[%s]\n", name_.c_str()));
  for (const auto& path : paths_) file.WriteString(FormatText("%s\n", path.c_str()));
  return file.Close();
}
