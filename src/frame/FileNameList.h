#pragma once
// The remembered list of overlay files of a file selector (shapefiles, KML
// files): their paths in the order they were added, the folder of the most
// recently added one (where the next file dialog opens), and the list's
// name, which names its file list ("FLS") in the settings folder.

#include <cstddef>
#include <string>
#include <vector>

#include "frame/Api.h"

inline constexpr char kFileListExtension[] = "FLS";

class OVERLAYS_API CFileNameList {
 public:
  explicit CFileNameList(std::string name = {});

  const std::string& GetName() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  std::size_t GetCount() const { return paths_.size(); }
  // The entry at an index; std::out_of_range outside the list.
  const std::string& GetAt(std::size_t index) const { return paths_.at(index); }
  const std::vector<std::string>& Paths() const { return paths_; }
  // The folder of the most recently added path; empty until one is added.
  const std::string& GetRecentFolder() const { return recentFolder_; }

  // The index of the path, compared exactly and case-sensitively (the user
  // may keep two spellings apart); a new path is appended and its folder
  // becomes the recent folder.
  std::size_t FindOrAdd(const std::string& path);
  // Takes entry i out (nothing outside the list); the recent folder
  // becomes the last remaining entry's, and stays as it was when none
  // remains.
  void RemoveAt(std::size_t index);
  // Entry i up to, not including, its last backslash; the whole entry when
  // that backslash is at position 0 or absent. std::invalid_argument
  // outside the list.
  std::string FolderOf(std::size_t index) const;
  // Writes "[name]" and one path a line to the list's file; a file that
  // cannot be written is silently not written. True when it was written.
  bool Save() const;

 private:
  std::string name_;
  std::vector<std::string> paths_;
  std::string recentFolder_;
};
