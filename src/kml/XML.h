#pragma once
// A line-oriented reader for the KML files the overlay accepts. It is not a
// general XML parser: a file is read line by line and elements are
// recognised by how a trimmed line begins or ends, which is all the files
// written by the charting tools of our users need and keeps a load of tens
// of megabytes fast. Every tag comparison ignores case.
//
// A tag argument may be given with or without its angle brackets ("Point",
// "<Point>"); the brackets, and for closing tags any '/', are removed before
// the test.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/fs/FileSystem.h"

class OVERLAYS_API CXML {
 public:
  CXML();
  virtual ~CXML();
  CXML(const CXML&) = delete;
  CXML& operator=(const CXML&) = delete;

  // Opens a file (Windows path) and checks its header: the first non-empty
  // line, or the one after it when the first holds "?xml", must begin with
  // "<kml". A refused file is closed again.
  bool OpenKML(const std::string& path);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  // The next line without its line end; false at end of file, and from then
  // on. The text stays valid until the next read.
  bool ReadString(std::string_view& line);
  // The next line that is not empty once blanks are trimmed at both ends,
  // trimmed.
  bool ReadNextLine(std::string_view& line);

  // The line begins with "<tag" (attributes and '>' may follow).
  static bool IsOpenTag(std::string_view line, std::string_view tag);
  // The line begins with "</tag>".
  static bool BeginsWithCloseTag(std::string_view line, std::string_view tag);
  // The line, trailing blanks removed, ends with "</tag>".
  static bool EndsWithCloseTag(std::string_view line, std::string_view tag);
  // When the line begins with "<tag" and "</tag>" follows later in it: the
  // text in between, in lower case. The text always starts as many
  // characters in as "<tag>" has, so attributes on the open tag are cut
  // into rather than skipped; the files we read carry none on the elements
  // whose text we take.
  static bool GetElementText(std::string_view line, std::string_view tag, std::string& text);
  // A KML colour aabbggrr in the element text, as 0x00RRGGBB (alpha is not
  // drawn); digits missing from a short text read as 0.
  static bool GetColour(std::string_view line, std::string_view tag, std::uint32_t& colour);

  // Removes "<coordinates>" (its length, whatever the characters) from a
  // line that begins with "<coordinates".
  static bool StripCoordinatesOpen(std::string_view& line);
  // Removes trailing blanks and then a closing "</coordinates>".
  static bool StripCoordinatesClose(std::string_view& line);

 private:
  bool Refill();
  void Reset();

  platform::fs::FilePtr file_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte in buffer_
  std::size_t end_ = 0;    // one past the last byte read into buffer_
  std::string long_;       // a line that did not fit in what was buffered
  std::uint64_t unread_ = 0;  // bytes of the file not yet in buffer_
  bool atEnd_ = true;
};

// Blanks as the text classes of the platform trim them: space, tab, CR, LF,
// VT and FF.
std::string_view TrimBlanks(std::string_view text);
