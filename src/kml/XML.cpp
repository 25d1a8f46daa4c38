#include "kml/XML.h"

#include <algorithm>
#include <cstring>

#include "platform/text/CodePage.h"

namespace {

namespace text = platform::text;

// Big enough that a file of short lines costs one read per few thousand
// lines; a longer line is gathered into a string of its own.
constexpr std::size_t kReadBlock = 256 * 1024;
constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kCoordinatesOpen = "<coordinates>";
constexpr std::string_view kCoordinatesTag = "coordinates";

// A tag reduced to its bare name. The parsers pass bare names, which are
// used as they are; only a tag written with brackets costs a copy.
class BareName {
 public:
  BareName(std::string_view tag, bool closing) {
    const std::string_view strip = closing ? "<>/" : "<>";
    if (tag.find_first_of(strip) == std::string_view::npos) {
      name_ = tag;
      return;
    }
    for (char c : tag)
      if (strip.find(c) == std::string_view::npos) storage_.push_back(c);
    name_ = storage_;
  }
  // The view may point into the object itself: it must stay put.
  BareName(const BareName&) = delete;
  BareName& operator=(const BareName&) = delete;
  std::string_view View() const { return name_; }

 private:
  std::string storage_;
  std::string_view name_;
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (text::AnsiToLower(static_cast<unsigned char>(a[i])) != text::AnsiToLower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The line holds `prefix`, `name` and `suffix` from position `at` on,
// the name compared ignoring case.
bool HasTagAt(std::string_view line, std::size_t at, std::string_view prefix, std::string_view name,
              std::string_view suffix) {
  if (line.size() < at || line.size() - at < prefix.size() + name.size() + suffix.size()) return false;
  const std::string_view tag = line.substr(at);
  return tag.starts_with(prefix) && SameIgnoringCase(tag.substr(prefix.size(), name.size()), name) &&
         tag.substr(prefix.size() + name.size()).starts_with(suffix);
}

std::string_view TrimRight(std::string_view text) {
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(text::AnsiToLower(static_cast<unsigned char>(c)));
  return lower;
}

// Any character that is not a hexadecimal digit counts as 0.
unsigned HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return 0;
}

// The byte pair of a colour at `at`; digits beyond the text read as 0.
unsigned HexPair(std::string_view text, std::size_t at) {
  const char high = at < text.size() ? text[at] : '0';
  const char low = at + 1 < text.size() ? text[at + 1] : '0';
  return HexValue(high) * 16 + HexValue(low);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return TrimRight(text.substr(first));
}

CXML::CXML() = default;

CXML::~CXML() = default;

void CXML::Reset() {
  begin_ = end_ = 0;
  long_.clear();
  atEnd_ = file_ == nullptr;
}

bool CXML::OpenKML(const std::string& path) {
  Close();
  file_ = platform::fs::OpenFile(path, "rb");
  if (!file_) return false;
  buffer_.resize(kReadBlock);
  Reset();
  unread_ = platform::fs::FileSize(path).value_or(0);
  std::string_view line;
  bool accepted = ReadNextLine(line);
  // An XML declaration may stand on its own line before the kml element,
  // but nothing else may.
  if (accepted && line.find("?xml") != std::string_view::npos) accepted = ReadNextLine(line);
  if (accepted && IsOpenTag(line, "kml")) return true;
  Close();
  return false;
}

void CXML::Close() {
  file_.reset();
  Reset();
}

bool CXML::Refill() {
  if (atEnd_ || !file_) return false;
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
  unread_ -= std::min<std::uint64_t>(unread_, end_);
  if (end_ == 0) atEnd_ = true;
  return end_ > 0;
}

bool CXML::ReadString(std::string_view& line) {
  long_.clear();
  bool readAny = false;
  while (begin_ < end_ || Refill()) {
    readAny = true;
    const char* start = buffer_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    if (!newline) {
      // A whole block without a line end: a coordinates line of a large
      // overlay, which may run to the end of the file. One allocation of
      // what is left, bounded by the file's real size, spares the copies
      // and fresh pages of growing it block by block.
      if (begin_ == 0 && long_.capacity() < long_.size() + end_ + unread_)
        long_.reserve(long_.size() + end_ + static_cast<std::size_t>(unread_));
      long_.append(start, end_ - begin_);
      begin_ = end_;
      continue;
    }
    const auto length = static_cast<std::size_t>(newline - start);
    begin_ += length + 1;
    if (long_.empty()) {
      line = std::string_view(start, length);
    } else {
      long_.append(start, length);
      line = long_;
    }
    return true;
  }
  // The last line of a file need not end with a line feed.
  line = long_;
  return readAny;
}

bool CXML::ReadNextLine(std::string_view& line) {
  while (ReadString(line)) {
    line = TrimBlanks(line);
    if (!line.empty()) return true;
  }
  return false;
}

bool CXML::IsOpenTag(std::string_view line, std::string_view tag) {
  return HasTagAt(line, 0, "<", BareName(tag, false).View(), "");
}

bool CXML::BeginsWithCloseTag(std::string_view line, std::string_view tag) {
  return HasTagAt(line, 0, "</", BareName(tag, true).View(), ">");
}

bool CXML::EndsWithCloseTag(std::string_view line, std::string_view tag) {
  const BareName bare(tag, true);
  const std::string_view name = bare.View();
  const std::string_view trimmed = TrimRight(line);
  const std::size_t length = name.size() + 3;  // "</" name ">"
  return trimmed.size() >= length && HasTagAt(trimmed, trimmed.size() - length, "</", name, ">");
}

bool CXML::GetElementText(std::string_view line, std::string_view tag, std::string& text) {
  const BareName open(tag, false);
  const std::string_view name = open.View();
  if (!HasTagAt(line, 0, "<", name, "")) return false;
  const std::string lower = Lower(line);
  const auto close = lower.find("</" + Lower(BareName(tag, true).View()) + ">");
  if (close == std::string::npos) return false;
  const std::size_t start = name.size() + 2;  // "<" name ">"
  text = close > start ? lower.substr(start, close - start) : std::string();
  return true;
}

bool CXML::GetColour(std::string_view line, std::string_view tag, std::uint32_t& colour) {
  std::string text;
  if (!GetElementText(line, tag, text)) return false;
  const unsigned blue = HexPair(text, 2);
  const unsigned green = HexPair(text, 4);
  const unsigned red = HexPair(text, 6);
  colour = red * 65536 + green * 256 + blue;
  return true;
}

bool CXML::StripCoordinatesOpen(std::string_view& line) {
  if (!IsOpenTag(line, kCoordinatesTag)) return false;
  line.remove_prefix(std::min(line.size(), kCoordinatesOpen.size()));
  return true;
}

bool CXML::StripCoordinatesClose(std::string_view& line) {
  line = TrimRight(line);
  if (!EndsWithCloseTag(line, kCoordinatesTag)) return false;
  line.remove_suffix(kCoordinatesTag.size() + 3);
  return true;
}
