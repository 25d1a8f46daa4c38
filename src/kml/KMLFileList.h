#pragma once
// The host's list of loaded KML overlays: the CKML objects in load order
// (the list owns them), the remembered file names that bring them back at
// the next start, and a flag telling the host the list has changed since it
// last looked.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "frame/FileNameList.h"
#include "kml/KML.h"

// Names the remembered-names file in the settings folder ("KML_Files.FLS").
inline constexpr char kKMLFileListName[] = "KML Files";

class OVERLAYS_API CKMLFileList {
 public:
  CKMLFileList();

  std::size_t GetCount() const { return files_.size(); }
  CKML& GetAt(std::size_t index) const { return *files_.at(index); }
  const std::vector<std::unique_ptr<CKML>>& Files() const { return files_; }

  // The index of the loaded overlay whose path equals `path` ignoring case
  // (paths name Windows files), or -1.
  int Find(const std::string& path) const;

  // Adds an archive the way the file selector does: nothing when it is
  // already loaded; otherwise it is loaded, and only when something was
  // read is it appended, the list marked modified and the path remembered
  // and saved. True when it was added.
  bool Add(const std::string& path);
  // Takes the overlay at `index` out and destroys it, with its remembered
  // name when there is one at that index, and saves the names; nothing
  // outside the list.
  void RemoveAt(std::size_t index);
  // What the last load of Add met, also when it added nothing.
  const KMLLoadOutcome& LastOutcome() const { return lastOutcome_; }

  CFileNameList names{kKMLFileListName};
  std::uint8_t modified = 0;

 private:
  std::vector<std::unique_ptr<CKML>> files_;
  KMLLoadOutcome lastOutcome_;
};
