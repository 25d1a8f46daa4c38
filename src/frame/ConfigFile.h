#pragma once
// The settings file: a small text file of "key = value" lines, one file per
// settings group in the settings folder. Reading is positional: each reader
// consumes the next line and converts whatever follows its first "=", never
// looking at the key, so the reader and the writer of a group must handle the
// same values in the same order. Reading never fails: a missing file, a
// short file or a line without "=" gives the caller's default.
//
// Writing replaces the file whole, and safely: the lines go to a temporary
// file beside it, which is renamed over the old file only when every byte
// was written. A crash or a full disk mid-write leaves the previous settings
// as they were.

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/Api.h"
#include "platform/fs/FileSystem.h"

inline constexpr char kDefaultSettingsExtension[] = "INI";
inline constexpr std::uint32_t kDefaultSettingsColour = 0x808080;

class OVERLAYS_API CConfigFile {
 public:
  CConfigFile() = default;
  // Closes the file. A write still open is put in place, unless the object
  // is being destroyed by an exception, which abandons it.
  virtual ~CConfigFile();
  CConfigFile(const CConfigFile&) = delete;
  CConfigFile& operator=(const CConfigFile&) = delete;

  // Settings folder + name + "." + extension; spaces in the name become
  // underscores and an absent or empty extension means "INI".
  virtual std::string GetFilePath(const char* name, const char* extension = nullptr) const;

  // Opens the settings file of a group (through GetFilePath) for reading.
  bool OpenRead(const char* name, const char* extension = nullptr);
  // Opens the settings file of a group for writing, replacing its content
  // when Close puts the new file in place.
  bool OpenWrite(const char* name, const char* extension = nullptr);
  // The same for a settings file whose full Windows path the caller makes
  // (a shapefile's settings lie beside the shapefile).
  bool OpenReadPath(const std::string& path);
  bool OpenWritePath(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }
  // Ends reading, or ends writing by renaming the written file over the old
  // one. False when a write failed; the old file is then left untouched.
  bool Close();
  // Ends writing without touching the old file.
  void Abandon();

  // The next line without its line end (LF or CRLF); false at end of file.
  bool ReadLine(std::string& line);
  // Writes text as it is; the caller supplies any line end.
  void WriteString(std::string_view text);

  // Each reader consumes one line; see the file comment for the defaults.
  int ReadInt(int defaultValue);
  short ReadShort(short defaultValue);
  bool ReadBool(bool defaultValue);
  double ReadDouble(double defaultValue);
  char ReadChar(char defaultValue);
  // Unescaped text; empty when the line is missing.
  std::string ReadText();
  // 0x808080 when the line is missing, whatever the caller would prefer.
  std::uint32_t ReadColour();

  // "%s = %d\n"
  void WriteInt(const char* key, int value);
  // "%s = %u\n"
  void WriteColour(const char* key, std::uint32_t value);
  // "%s = 1\n" or "%s = 0\n"
  void WriteBool(const char* key, bool value);
  // "%s = %.*lf\n"
  void WriteDouble(const char* key, double value, int decimals);
  // "%s = %s\n" with carriage returns, line feeds and commas escaped.
  void WriteText(const char* key, std::string_view text);
  // The search name line of a search group.
  void WriteSearchName(std::string_view text);

 private:
  // The text after the first "=" of the next line; false when there is no
  // next line or it has no "=".
  bool NextValue(std::string& value);

  platform::fs::FilePtr file_;
  bool writing_ = false;
  bool writeFailed_ = false;
  int exceptionsAtOpen_ = 0;
  std::string path_;
  std::string temporaryPath_;
};

// The three markers that keep a text value on one line: carriage return,
// line feed and comma become "«CR»", "«LF»" and "«COMMA»" (guillemets are
// the code page bytes 0xAB and 0xBB).
std::string EscapeSettingText(std::string_view text);
std::string UnescapeSettingText(std::string_view text);
