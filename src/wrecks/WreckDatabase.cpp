#include "wrecks/WreckDatabase.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "frame/PathText.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckList.h"

namespace {

constexpr std::size_t kBufferSize = 1u << 16;
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

}  // namespace

CWreckFileReader::CWreckFileReader(platform::fs::FilePtr file)
    : file_(std::move(file)), buffer_(kBufferSize), remaining_(SizeOf(file_.get())) {}

bool CWreckFileReader::Refill() {
  begin_ = 0;
  end_ = file_ ? std::fread(buffer_.data(), 1, buffer_.size(), file_.get()) : 0;
  return end_ > 0;
}

std::size_t CWreckFileReader::Read(void* out, std::size_t size) {
  auto* to = static_cast<char*>(out);
  std::size_t done = 0;
  while (done < size) {
    if (begin_ == end_ && !Refill()) break;
    const std::size_t n = std::min(size - done, end_ - begin_);
    std::memcpy(to + done, buffer_.data() + begin_, n);
    begin_ += n;
    done += n;
  }
  remaining_ -= std::min<std::uint64_t>(remaining_, done);
  return done;
}

void CWreckFileReader::Skip(std::uint64_t size) {
  size = std::min(size, remaining_);
  const std::uint64_t inBuffer = std::min<std::uint64_t>(size, end_ - begin_);
  begin_ += inBuffer;
  const std::uint64_t beyond = size - inBuffer;
  if (beyond > 0) {
    std::fseek(file_.get(), static_cast<long>(beyond), SEEK_CUR);
    begin_ = end_ = 0;
  }
  remaining_ -= size;
}

void AppendStoredString(CWreckFileReader& file, std::string& out) {
  unsigned char lengthBytes[4];
  if (file.Read(lengthBytes, 4) < 4) return;
  const std::uint32_t length = LittleEndian32(lengthBytes);
  if (length == 0) return;
  // A length beyond the end of the file is never allocated: the bytes that
  // are there are passed over and the string stays empty.
  if (length > file.Remaining()) {
    file.Skip(length);
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + length);
  char* text = out.data() + start;
  file.Read(text, length);
  // The text ends where a stored byte decodes to 0; finding that first and
  // then complementing in one plain loop lets both run a word at a time.
  const void* stop = std::memchr(text, 0xFF, length);
  const std::size_t kept = stop ? static_cast<std::size_t>(static_cast<const char*>(stop) - text) : length;
  for (std::size_t i = 0; i < kept; ++i) text[i] = static_cast<char>(~text[i]);
  out.resize(start + kept);
}

std::string ReadStoredString(CWreckFileReader& file) {
  std::string text;
  AppendStoredString(file, text);
  return text;
}

bool ReadWreckRecord(CWreckFileReader& file, WreckDef& record) {
  ResetWreckRecord(record);
  if (file.Read(&record.data, sizeof record.data) < sizeof record.data) return false;
  record.data.nationality[0] = static_cast<char>(~record.data.nationality[0]);
  record.data.nationality[1] = static_cast<char>(~record.data.nationality[1]);
  unsigned char count = 0;
  file.Read(&count, 1);
  record.outline.Reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    double xy[2];
    if (file.Read(xy, kPointBytes) < kPointBytes) break;
    record.outline.Add(tagXY{xy[0], xy[1]});
  }
  // The five texts go through one scratch buffer, reused from record to
  // record, and into the record's block in a single exact allocation.
  thread_local std::string scratch;
  scratch.clear();
  std::array<std::size_t, kWreckTextCount + 1> bounds{};
  for (std::size_t i = 0; i < kWreckTextCount; ++i) {
    AppendStoredString(file, scratch);
    bounds[i + 1] = scratch.size();
  }
  std::array<std::string_view, kWreckTextCount> texts;
  for (std::size_t i = 0; i < kWreckTextCount; ++i)
    texts[i] = std::string_view(scratch).substr(bounds[i], bounds[i + 1] - bounds[i]);
  record.texts.Assign(texts);
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
  int earliest = 0;
  for (;;) {
    std::unique_ptr<WreckDef> record(new (std::nothrow) WreckDef);
    if (!record) {
      if (aborted) *aborted = true;
      break;
    }
    if (!ReadWreckRecord(file, *record)) break;
    record->sunkYear = static_cast<std::int16_t>(DateYear(record->data.sunk));
    if (record->sunkYear != 0 && (earliest == 0 || record->sunkYear < earliest)) earliest = record->sunkYear;
    list.Add(record.release());
  }
  list.earliestYear = static_cast<std::int16_t>(earliest);
  return true;
}
