#pragma once
// Extracts entries of a ZIP archive (KMZ overlays, data packages) to folders
// on disk. minizip reads the archive and inflates; this class adds the
// folder handling, the path rules, the block copy and the file times.
//
// Archives come from strangers, so an entry whose name would land outside
// the destination (a ".." component, a leading "\" or "/", a drive letter)
// is refused with nothing written, and an entry larger than the free space
// of the destination is refused before a byte is written. The rest of the
// archive still extracts.

#include <cstdint>
#include <string>

// Longest path the module forms, in characters, as on its original platform.
inline constexpr std::size_t kMaxPath = 260;

struct UnzipFileInfo {
  std::string name;     // path inside the archive, every '/' replaced by '\'
  std::string comment;  // up to 255 characters
  std::uint32_t version = 0;
  std::uint32_t versionNeeded = 0;
  std::uint32_t flags = 0;
  std::uint32_t compressionMethod = 0;
  std::uint32_t dosDateTime = 0;  // date in the high 16 bits, local time
  std::uint32_t crc = 0;
  std::uint32_t compressedSize = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint32_t internalAttributes = 0;
  std::uint32_t externalAttributes = 0;
  bool folder = false;  // external attribute bit 0x10
};

class CUnzipper {
 public:
  // Opens the archive when a path is given; failure leaves none open.
  explicit CUnzipper(const char* archivePath = nullptr);
  virtual ~CUnzipper();
  CUnzipper(const CUnzipper&) = delete;
  CUnzipper& operator=(const CUnzipper&) = delete;

  // Closes any open archive, then opens the full form of `path`. On success
  // the output folder becomes a folder beside the archive named after it.
  bool OpenZip(const char* path);
  // Closes the current entry and the archive and forgets the output folder.
  bool CloseZip();

  int GetFileCount();
  bool GetFileInfo(UnzipFileInfo& info);

  // The first (next) entry; with an extension (no dot), the first (next)
  // entry whose extension equals it ignoring case.
  bool GotoFirstFile(const char* extension = nullptr);
  bool GotoNextFile(const char* extension = nullptr);

  // False when the path exists and is not a folder; otherwise remembers it,
  // creates it with any missing parents, and says whether it now exists.
  bool SetOutputFolder(const char* folder);
  const std::string& GetOutputFolder() const { return outputFolder_; }

  // Extracts the current entry into `folder` (the output folder when null),
  // keeping the entry's sub-folders unless `ignorePaths` is set.
  bool UnzipFile(const char* folder = nullptr, bool ignorePaths = false);
  bool UnzipFile(const char* folder, bool ignorePaths, const char* password);

 private:
  bool SeekMatching(int step, const char* extension);
  bool ExtractFolderEntry(const UnzipFileInfo& info);
  bool ExtractFileEntry(const UnzipFileInfo& info, const std::string& destination, bool ignorePaths,
                        const char* password);
  bool CopyCurrentEntry(const std::string& target, const char* password);
  std::uint64_t DeclaredSize();

  void* archive_ = nullptr;
  std::string outputFolder_;
};

// Creates a folder and any missing parents; false for an empty path or when
// the path (or a parent) exists as a file.
bool CreateFolderWithParents(const std::string& folder);
