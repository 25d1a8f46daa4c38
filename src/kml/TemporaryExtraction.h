#pragma once
// A KMZ archive taken apart for reading: its entries are extracted into a
// folder of a fresh name inside a temporary folder ("Temp\" beside the
// archive), and the destructor removes that folder with everything in it,
// and the temporary folder too when the extraction made it and it is
// empty again.
//
// A "Temp" folder beside the user's archive may already hold files of the
// user, even files with the names of the archive's entries; extracting
// into a folder no one else uses keeps them apart, so the cleanup can
// remove all it extracted without looking at names and touch nothing else.
// Because the cleanup is the destructor's, a load that fails half way, or
// throws, still leaves the disk as it found it.

#include <string>

#include "kml/Unzipper.h"

class CTemporaryExtraction {
 public:
  // `tempFolder` is a Windows folder path ending with '\', absolute or
  // relative to the current folder.
  explicit CTemporaryExtraction(const std::string& tempFolder);
  ~CTemporaryExtraction();
  CTemporaryExtraction(const CTemporaryExtraction&) = delete;
  CTemporaryExtraction& operator=(const CTemporaryExtraction&) = delete;

  // Extracts every entry of the archive in archive order, keeping the
  // entries' own folders. False when the archive is not a readable ZIP
  // archive, is refused as a ZIP bomb, or no folder could be made for it
  // (a refusal of CannotWrite with no entry); entries that fail to extract
  // are passed over.
  bool Extract(const std::string& archivePath);
  // The first problem met, also with a true result (an entry passed over).
  const UnzipRefusal& Refusal() const { return refusal_; }
  // The folder the entries went into, ending with '\'; empty before a
  // successful Extract.
  const std::string& Folder() const { return folder_; }

 private:
  bool MakeOwnFolder();

  std::string temp_;
  bool madeTemp_ = false;
  std::string folder_;
  UnzipRefusal refusal_;
};
