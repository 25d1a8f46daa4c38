#include "kml/TemporaryExtraction.h"

#include "frame/FormatText.h"
#include "kml/Unzipper.h"
#include "platform/fs/FileSystem.h"

namespace fs = platform::fs;

namespace {

// Names tried for the extraction's own folder: "~kmz1\", "~kmz2\", ... A
// name already there (the user's, or another load's) is passed over.
constexpr char kOwnFolderPattern[] = "%s~kmz%d\\";
constexpr int kOwnFolderAttempts = 10000;

// Removes a folder and everything below it. Only ever called on a folder
// this process made and filled itself.
void RemoveTree(const std::string& folder) {
  for (const auto& entry : fs::FindFiles(folder + "*")) {
    if (entry.folder)
      RemoveTree(folder + entry.name + "\\");
    else
      fs::DeleteFile(folder + entry.name);
  }
  fs::RemoveFolder(folder);
}

}  // namespace

// Resolved once, so that a relative archive path (a temporary folder of
// "Temp\" in the current folder) is made and removed at one place.
CTemporaryExtraction::CTemporaryExtraction(const std::string& tempFolder) : temp_(fs::FullPath(tempFolder)) {}

CTemporaryExtraction::~CTemporaryExtraction() {
  if (!folder_.empty()) RemoveTree(folder_);
  // A folder the user made stays, even when empty; one we made goes unless
  // someone put something into it meanwhile.
  if (madeTemp_) fs::RemoveFolder(temp_);
}

bool CTemporaryExtraction::MakeOwnFolder() {
  if (temp_.empty()) return false;
  if (!fs::FolderExists(temp_)) {
    if (!CreateFolderWithParents(temp_)) return false;
    madeTemp_ = true;
  }
  for (int n = 1; n <= kOwnFolderAttempts; ++n) {
    const std::string candidate = FormatText(kOwnFolderPattern, temp_.c_str(), n);
    const auto made = fs::CreateFolder(candidate);
    if (made == fs::CreateResult::Created) {
      folder_ = candidate;
      return true;
    }
    if (made == fs::CreateResult::Failed) return false;
  }
  return false;
}

bool CTemporaryExtraction::Extract(const std::string& archivePath) {
  CUnzipper zip;
  const bool opened = zip.OpenZip(archivePath.c_str());
  refusal_ = zip.Refusal();
  if (!opened) return false;
  if (!MakeOwnFolder() || !zip.SetOutputFolder(folder_.c_str())) {
    refusal_ = {UnzipProblem::CannotWrite, {}};
    return false;
  }
  // The count comes from the archive's directory record, which a damaged
  // archive may overstate: the walk also ends at the last entry there is.
  const int count = zip.GetFileCount();
  bool more = zip.GotoFirstFile();
  for (int i = 0; i < count && more; ++i) {
    zip.UnzipFile();
    more = zip.GotoNextFile();
  }
  refusal_ = zip.Refusal();
  return !refusal_.IsBomb();
}
