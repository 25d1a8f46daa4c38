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
//
// An archive that would inflate out of all proportion (CInflationBudget
// states the limits) is refused as a ZIP bomb: at opening when its
// directory declares it, and while copying when an entry's data inflate
// past what its sizes allowed; the partial file is removed and nothing more
// of that archive is extracted. An entry whose data do not match its
// declared size and checksum is removed too.
//
// Failures stay quiet, as every caller of the module expects, but the first
// problem met is kept, so that a host can say what was wrong.

#include <cstdint>
#include <string>

#include "kml/InflationBudget.h"

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

enum class UnzipProblem {
  None,
  MissingFile,      // no file at the path
  NotAnArchive,     // not a readable ZIP archive
  OutOfProportion,  // an entry inflates past its ratio allowance: a ZIP bomb
  TooMuchInAll,     // the archive would write more than its total: a ZIP bomb
  Damaged,          // an entry's data do not inflate to what it declares
  NameOutside,      // an entry's name would land outside the destination
  NoRoom,           // an entry is larger than the free space
  CannotWrite,      // a folder or file of the destination cannot be made
};

// What went wrong with an archive, for a host to show: the kind of problem
// and the entry it was met at (empty when it concerns the whole archive).
struct UnzipRefusal {
  UnzipProblem problem = UnzipProblem::None;
  std::string entry;
  bool IsBomb() const { return problem == UnzipProblem::OutOfProportion || problem == UnzipProblem::TooMuchInAll; }
};

// One line in English, for example "refused as a ZIP bomb: entry doc.kml
// would inflate more than 100 times its compressed size".
std::string DescribeRefusal(const UnzipRefusal& refusal, const InflationLimits& limits = {});

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

  // The first problem met since the archive was opened (or the failed
  // opening itself).
  const UnzipRefusal& Refusal() const { return refusal_; }
  // Limits for what is extracted from now on and for the directories of
  // archives opened later; the defaults suit real files.
  void SetLimits(const InflationLimits& limits);
  const InflationLimits& Limits() const { return limits_; }

 private:
  bool SeekMatching(int step, const char* extension);
  bool ExtractFolderEntry(const UnzipFileInfo& info);
  bool ExtractFileEntry(const UnzipFileInfo& info, const std::string& destination, bool ignorePaths,
                        const char* password);
  bool CopyCurrentEntry(const std::string& target, const char* password, const UnzipFileInfo& info);
  bool Refuse(UnzipProblem problem, const std::string& entry = {});
  bool DeclaresABomb(std::uint64_t archiveSize);

  void* archive_ = nullptr;
  std::string outputFolder_;
  InflationLimits limits_;
  std::uint64_t archiveSize_ = 0;
  CInflationBudget budget_{limits_, 0};
  UnzipRefusal refusal_;
};

// Creates a folder and any missing parents; false for an empty path or when
// the path (or a parent) exists as a file.
bool CreateFolderWithParents(const std::string& folder);
