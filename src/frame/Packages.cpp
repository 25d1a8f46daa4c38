#include "frame/Packages.h"

#include "frame/Folders.h"
#include "frame/PathText.h"
#include "kml/Unzipper.h"
#include "platform/fs/FileSystem.h"

namespace fs = platform::fs;

namespace {

// The install dialogs call UnpackPackage inside the module; the host reads
// the outcome afterwards on the same thread.
thread_local UnzipRefusal lastRefusal;

}  // namespace

const UnzipRefusal& LastUnpackRefusal() { return lastRefusal; }

bool UnpackPackage(const std::string& dataFolder, const std::string& package) {
  bool unpacked = false;
  {
    CUnzipper zip;
    const bool opened = zip.OpenZip(package.c_str());
    lastRefusal = zip.Refusal();
    if (!opened) return false;
    zip.SetOutputFolder(dataFolder.c_str());
    if (zip.GotoFirstFile()) {
      do {
        zip.UnzipFile();
      } while (zip.GotoNextFile());
      unpacked = !zip.Refusal().IsBomb();
    }
    lastRefusal = zip.Refusal();
  }
  MoveToInstalled(package);
  return unpacked;
}

bool MoveToInstalled(const std::string& package) {
  const std::string installed = GetDownloadFolder() + kInstalledFolderName + '\\';
  CreateFolderPath(installed);
  const std::string destination = installed + GetPathTitle(package) + "." + ExtensionOfPath(package);
  if (package.empty()) return false;
  if (fs::GetDriveType(package[0]) == fs::DriveType::Fixed) {
    if (fs::MoveFile(package, destination)) return true;
    fs::DeleteFile(package);
    return false;
  }
  return fs::CopyFile(package, destination, false);
}
