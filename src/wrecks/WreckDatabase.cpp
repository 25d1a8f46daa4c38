#include "wrecks/WreckDatabase.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "frame/PathText.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckList.h"

namespace {

constexpr std::size_t kPointBytes = 16;
constexpr int kFirstDatabaseYear = 2016;
constexpr int kLastDatabaseYear = 2100;
constexpr const char* kMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::uint64_t SizeOf(std::FILE* file) {
  if (!file || std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

std::uint32_t LittleEndian32(const unsigned char* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

// Complements stored bytes into text eight at a time and stops at the first
// byte that decodes to 0; returns how many were kept. Reads and writes up to
// seven bytes past `size`, which both sides leave room for.
std::size_t DecodeStoredText(char* to, const unsigned char* from, std::size_t size) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kHighBits = 0x8080808080808080u;
  for (std::size_t i = 0; i < size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, from + i, 8);
    word = ~word;
    std::memcpy(to + i, &word, 8);
    // The lowest flagged byte is the first zero byte exactly; flags above
    // it may be false.
    const std::uint64_t zeros = (word - kOnes) & ~word & kHighBits;
    if (zeros != 0) {
      const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
      if (at < size) return at;
    }
  }
  return size;
}

// A read cut short by the end of the file takes what was left with it.
const unsigned char* Take(CWreckFileReader& file, std::size_t bytes) {
  const unsigned char* piece = file.Peek(bytes);
  file.Consume(piece ? bytes : file.Remaining());
  return piece;
}

// Decodes one stored string onto the end of `text`, which already holds
// `used` bytes, and returns the length kept.
std::uint32_t AppendStoredText(CWreckFileReader& file, std::vector<char>& text, std::size_t used) {
  const unsigned char* lengthBytes = Take(file, 4);
  if (!lengthBytes) return 0;
  const std::uint32_t length = LittleEndian32(lengthBytes);
  if (length == 0) return 0;
  // A length beyond the end of the file is never allocated: what is left of
  // the file is passed over and the text stays empty. So is one that cannot
  // be held, with its bytes skipped.
  if (length > file.Remaining()) {
    file.Consume(file.Remaining());
    return 0;
  }
  const unsigned char* stored = used + length <= UINT32_MAX ? file.Peek(length) : nullptr;
  if (!stored) {
    file.Consume(length);
    return 0;
  }
  if (text.size() < used + length + CWreckFileReader::kSlackBytes)
    text.resize(used + length + CWreckFileReader::kSlackBytes);
  const std::size_t kept = DecodeStoredText(text.data() + used, stored, length);
  file.Consume(length);
  return static_cast<std::uint32_t>(kept);
}

void ReadOutline(CWreckFileReader& file, CXYArray& outline) {
  outline.RemoveAll();
  const unsigned char* countByte = Take(file, 1);
  if (!countByte || *countByte == 0) return;
  const unsigned count = *countByte;
  outline.Reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    const unsigned char* stored = Take(file, kPointBytes);
    if (!stored) break;
    tagXY point;
    std::memcpy(&point.x, stored, 8);
    std::memcpy(&point.y, stored + 8, 8);
    outline.Add(point);
  }
}

// The five texts are decoded into one scratch buffer, reused from record to
// record, and copied into the record's block in a single exact allocation.
// (Decoding straight into the block measured slower: the block's memory is
// new to the cache, and one wide copy fills it faster than word stores.)
void ReadTexts(CWreckFileReader& file, CWreckTexts& texts) {
  thread_local std::vector<char> scratch;
  std::array<std::uint32_t, kWreckTextCount> lengths{};
  std::size_t used = 0;
  for (auto& length : lengths) used += length = AppendStoredText(file, scratch, used);
  char* block = texts.MakeRoom(lengths);
  if (used) std::memcpy(block, scratch.data(), used);
}

// Room for as many records as the file could hold, so that the list never
// grows by copying. Pages of the room that stay unused are never touched,
// so they cost address space only.
void ReserveForRecords(CWreckList& list, std::uint64_t fileBytes) {
  constexpr std::uint64_t kSmallestRecordBytes = sizeof(WreckDataDef) + 1 + 4 * kWreckTextCount;
  try {
    list.records.reserve(list.records.size() + static_cast<std::size_t>(fileBytes / kSmallestRecordBytes + 1));
  } catch (const std::exception&) {
    // Then it grows as records come, as far as memory allows.
  }
}

}  // namespace

// A file smaller than the buffer gets a buffer of its own size.
CWreckFileReader::CWreckFileReader(platform::fs::FilePtr file, std::size_t bufferBytes)
    : file_(std::move(file)), remaining_(SizeOf(file_.get())) {
  buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(std::max<std::size_t>(bufferBytes, 1), remaining_)) +
                 kSlackBytes);
}

const unsigned char* CWreckFileReader::PeekBeyondBuffer(std::size_t bytes) {
  if (bytes > remaining_) return nullptr;
  if (bytes > Capacity()) {
    // Bounded by the bytes the file really has.
    try {
      std::vector<unsigned char> larger(bytes + kSlackBytes);
      std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_), buffer_.begin() + static_cast<std::ptrdiff_t>(end_),
                larger.begin());
      buffer_.swap(larger);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  } else {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
  }
  end_ -= begin_;
  begin_ = 0;
  while (end_ < bytes) {
    const std::size_t got = std::fread(buffer_.data() + end_, 1, Capacity() - end_, file_.get());
    if (got == 0) return nullptr;
    end_ += got;
  }
  return buffer_.data();
}

void CWreckFileReader::ConsumeBeyondBuffer(std::uint64_t bytes) {
  bytes = std::min(bytes, remaining_);
  const std::uint64_t inBuffer = std::min<std::uint64_t>(bytes, end_ - begin_);
  begin_ += inBuffer;
  if (bytes > inBuffer) {
    std::fseek(file_.get(), static_cast<long>(bytes - inBuffer), SEEK_CUR);
    begin_ = end_ = 0;
  }
  remaining_ -= bytes;
}

std::string ReadStoredString(CWreckFileReader& file) {
  std::vector<char> text;
  return std::string(text.data(), AppendStoredText(file, text, 0));
}

bool ReadWreckRecord(CWreckFileReader& file, WreckDef& record) {
  const unsigned char* block = Take(file, sizeof record.data);
  if (!block) {
    ResetWreckRecord(record);
    return false;
  }
  // The fixed block is read over whole, so only what follows it needs the
  // reset; the result is the same as resetting everything first.
  std::memcpy(&record.data, block, sizeof record.data);
  record.data.nationality[0] = static_cast<char>(~record.data.nationality[0]);
  record.data.nationality[1] = static_cast<char>(~record.data.nationality[1]);
  record.bearing = 0;
  record.sunkYear = 0;
  ReadOutline(file, record.outline);
  ReadTexts(file, record.texts);
  return true;
}

bool ParseDatabaseDate(const std::string& title, int& month, int& year) {
  std::string upper = title;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int m = 0; m < 12; ++m) {
    const auto at = upper.find(std::string(" ") + kMonths[m] + " ");
    if (at == std::string::npos) continue;
    // Only the first month found counts, whatever follows it.
    month = m + 1;
    year = std::atoi(upper.c_str() + at + 5);
    return year >= kFirstDatabaseYear && year <= kLastDatabaseYear;
  }
  return false;
}

bool FindLatestDatabase(const std::string& folder, const char* extension, std::string& path) {
  int best = 0;
  path.clear();
  for (const auto& found : platform::fs::FindFiles(folder + "*." + extension)) {
    if (found.folder) continue;
    int month = 0, year = 0;
    if (!ParseDatabaseDate(GetPathTitle(found.name), month, year)) continue;
    const int score = month - 1 + year * 12;
    if (score > best) {
      best = score;
      path = folder + found.name;
    }
  }
  return !path.empty();
}

bool ReadWreckDatabase(const std::string& path, CWreckList& list, bool* aborted) {
  list.databaseTitle = GetPathTitle(path);
  CWreckFileReader file(platform::fs::OpenFile(path, "rb"));
  if (!file.IsOpen()) return false;
  ReserveForRecords(list, file.Remaining());
  int earliest = 0;
  for (;;) {
    std::unique_ptr<WreckDef> record(new (std::nothrow) WreckDef(WreckDef::DataToBeRead{}));
    if (!record) {
      if (aborted) *aborted = true;
      break;
    }
    try {
      if (!ReadWreckRecord(file, *record)) break;
      record->sunkYear = static_cast<std::int16_t>(DateYear(record->data.sunk));
      list.Add(record.get());
    } catch (const std::bad_alloc&) {
      // A text block, outline or list entry that could not be held ends
      // the read like a record that could not be.
      if (aborted) *aborted = true;
      break;
    }
    if (record->sunkYear != 0 && (earliest == 0 || record->sunkYear < earliest)) earliest = record->sunkYear;
    record.release();
  }
  list.earliestYear = static_cast<std::int16_t>(earliest);
  return true;
}
