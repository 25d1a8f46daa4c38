#pragma once
// The wreck database file: nothing but records, one after the other, with
// no header, count or trailer. A record is the 160-byte fixed block (the two
// nationality bytes stored complemented), a point count N (0..255), N points
// of two little-endian doubles, and five strings (name, charting symbol,
// history, survey, comment), each a little-endian uint32 length and that
// many bytes, every byte stored complemented.
//
// The file comes from outside, so every length is checked against what is
// left of the file before anything is allocated for it.

#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/fs/FileSystem.h"
#include "wrecks/WreckRecord.h"

inline constexpr char kWreckDatabaseExtension[] = "WRK";

// Sequential reads through a large buffer: a record is one fixed block and a
// few small pieces, and a database is read once from start to end. Pieces
// are looked at where they lie in the buffer rather than copied out of it.
class CWreckFileReader {
 public:
  static constexpr std::size_t kDefaultBufferBytes = std::size_t{1} << 20;
  // A piece from Peek may be read this many bytes past its end (the bytes
  // there are unspecified), so that it can be decoded a word at a time.
  static constexpr std::size_t kSlackBytes = 8;

  explicit CWreckFileReader(platform::fs::FilePtr file, std::size_t bufferBytes = kDefaultBufferBytes);
  bool IsOpen() const { return file_ != nullptr; }

  // The next `bytes` bytes of the file in one piece, valid until the next
  // call; nullptr when fewer are left, or when a piece larger than the
  // buffer cannot be held. Nothing is consumed.
  const unsigned char* Peek(std::size_t bytes) {
    return end_ - begin_ >= bytes ? buffer_.data() + begin_ : PeekBeyondBuffer(bytes);
  }
  // Moves on by up to `bytes` bytes, whether or not they were looked at.
  void Consume(std::uint64_t bytes) {
    if (end_ - begin_ >= bytes) {
      begin_ += bytes;
      remaining_ -= bytes;
    } else {
      ConsumeBeyondBuffer(bytes);
    }
  }
  std::uint64_t Remaining() const { return remaining_; }

 private:
  const unsigned char* PeekBeyondBuffer(std::size_t bytes);
  std::size_t Capacity() const { return buffer_.size() - kSlackBytes; }
  void ConsumeBeyondBuffer(std::uint64_t bytes);

  platform::fs::FilePtr file_;
  std::vector<unsigned char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  std::uint64_t remaining_ = 0;  // bytes of the file not yet consumed
};

// Reads the next record into `record` (reset first); false when the fixed
// block could not be read whole, that is at the end of the file. A record
// cut short after its fixed block still counts, with what could be read.
OVERLAYS_API bool ReadWreckRecord(CWreckFileReader& file, WreckDef& record);

// One stored string, decoded; empty when its length or bytes cannot be read
// whole. The text ends at the first byte that decodes to 0.
OVERLAYS_API std::string ReadStoredString(CWreckFileReader& file);

// The month (1..12) and year (2016..2100) of a database title such as
// "Wrecks Jan 2026": the first month abbreviation found between spaces, and
// the year after it.
OVERLAYS_API bool ParseDatabaseDate(const std::string& title, int& month, int& year);

class CWreckList;

// Reads every record of a database file into the list: the list takes the
// file's title, owns the records, counts wrecks and obstructions and notes
// the earliest sunk year. False when the file does not open. Records are
// allocated one by one; when an allocation fails the read stops and the
// records read so far stay (`aborted` tells).
OVERLAYS_API bool ReadWreckDatabase(const std::string& path, CWreckList& list, bool* aborted = nullptr);

// The database file with the latest month and year in its title; the first
// found wins among equals.
OVERLAYS_API bool FindLatestDatabase(const std::string& folder, const char* extension, std::string& path);
