#include "frame/ConfigFile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "frame/Folders.h"
#include "frame/FormatText.h"
#include "frame/PathText.h"
#include "frame/ReplaceAll.h"

namespace fs = platform::fs;

namespace {

// Written beside the settings file so that the final rename never crosses a
// volume and is therefore atomic.
constexpr char kTemporarySuffix[] = ".tmp";

struct EscapeMarker {
  std::string_view plain;
  std::string_view marker;
};
// The order is the order of replacement, both ways.
constexpr EscapeMarker kEscapeMarkers[] = {
    {"\r", "\xAB" "CR" "\xBB"},
    {"\n", "\xAB" "LF" "\xBB"},
    {",", "\xAB" "COMMA" "\xBB"},
};

// atoi as the C runtime of the original platform has it: white space
// skipped, optional sign, digits; no digits gives 0 and an overflow stops at
// the nearest limit rather than wrapping.
long ParseInteger(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return std::clamp<long>(value, INT_MIN, INT_MAX);
}

double ParseDouble(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// A colour read as a number is truncated to 32 bits the way a 64-bit integer
// conversion does it; values no integer can hold (NaN, infinities, beyond
// 2^63) give 0 rather than undefined behaviour.
std::uint32_t TruncateToColour(double value) {
  constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63
  if (!(std::fabs(value) < kInt64Limit)) return 0;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
}

}  // namespace

std::string EscapeSettingText(std::string_view text) {
  std::string escaped(text);
  for (const auto& m : kEscapeMarkers) ReplaceAll(escaped, m.plain, m.marker);
  return escaped;
}

std::string UnescapeSettingText(std::string_view text) {
  std::string plain(text);
  for (const auto& m : kEscapeMarkers) ReplaceAll(plain, m.marker, m.plain);
  return plain;
}

CConfigFile::~CConfigFile() {
  if (writing_ && std::uncaught_exceptions() > exceptionsAtOpen_) Abandon();
  Close();
}

std::string CConfigFile::GetFilePath(const char* name, const char* extension) const {
  std::string title = name ? name : "";
  std::replace(title.begin(), title.end(), ' ', '_');
  const char* ext = extension && *extension ? extension : kDefaultSettingsExtension;
  return FormatText("%s%s.%s", GetSettingsFolder().c_str(), title.c_str(), ext);
}

bool CConfigFile::OpenRead(const char* name, const char* extension) {
  return OpenReadPath(GetFilePath(name, extension));
}

bool CConfigFile::OpenWrite(const char* name, const char* extension) {
  return OpenWritePath(GetFilePath(name, extension));
}

bool CConfigFile::OpenReadPath(const std::string& path) {
  Close();
  file_ = fs::OpenFile(path, "rb");
  return IsOpen();
}

bool CConfigFile::OpenWritePath(const std::string& path) {
  Close();
  path_ = path;
  temporaryPath_ = path + kTemporarySuffix;
  file_ = fs::OpenFile(temporaryPath_, "wb");
  writing_ = IsOpen();
  writeFailed_ = false;
  exceptionsAtOpen_ = std::uncaught_exceptions();
  return writing_;
}

bool CConfigFile::Close() {
  if (!IsOpen()) return true;
  if (!writing_) {
    file_.reset();
    return true;
  }
  writing_ = false;
  // fclose flushes; a full disk often shows only here.
  const bool closed = std::fclose(file_.release()) == 0;
  if (closed && !writeFailed_ && fs::MoveFile(temporaryPath_, path_, fs::MoveMode::ReplaceExisting)) return true;
  fs::DeleteFile(temporaryPath_);
  return false;
}

void CConfigFile::Abandon() {
  if (!writing_) return;
  writeFailed_ = true;
  Close();
}

bool CConfigFile::ReadLine(std::string& line) {
  line.clear();
  if (!IsOpen() || writing_) return false;
  int c = std::getc(file_.get());
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::getc(file_.get())) line += static_cast<char>(c);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void CConfigFile::WriteString(std::string_view text) {
  if (!writing_ || writeFailed_) return;
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) writeFailed_ = true;
}

bool CConfigFile::NextValue(std::string& value) {
  std::string line;
  if (!ReadLine(line)) return false;
  const auto equals = line.find('=');
  if (equals == std::string::npos) return false;
  value = line.substr(equals + 1);
  return true;
}

int CConfigFile::ReadInt(int defaultValue) {
  std::string value;
  return NextValue(value) ? static_cast<int>(ParseInteger(value)) : defaultValue;
}

short CConfigFile::ReadShort(short defaultValue) {
  std::string value;
  // Kept to the low 16 bits, as a cast of the 32-bit value does.
  return NextValue(value) ? static_cast<short>(static_cast<std::uint16_t>(ParseInteger(value))) : defaultValue;
}

bool CConfigFile::ReadBool(bool defaultValue) {
  std::string value;
  return NextValue(value) ? ParseInteger(value) != 0 : defaultValue;
}

double CConfigFile::ReadDouble(double defaultValue) {
  std::string value;
  return NextValue(value) ? ParseDouble(value) : defaultValue;
}

char CConfigFile::ReadChar(char defaultValue) {
  std::string value;
  if (!NextValue(value)) return defaultValue;
  const std::string trimmed = TrimWhiteSpace(value);
  return trimmed.empty() ? defaultValue : trimmed.front();
}

std::string CConfigFile::ReadText() {
  std::string value;
  if (!NextValue(value)) return {};
  if (!value.empty() && value.front() == ' ') value.erase(0, 1);
  return UnescapeSettingText(value);
}

std::uint32_t CConfigFile::ReadColour() {
  std::string value;
  return NextValue(value) ? TruncateToColour(ParseDouble(value)) : kDefaultSettingsColour;
}

void CConfigFile::WriteInt(const char* key, int value) { WriteString(FormatText("%s = %d\n", key, value)); }

void CConfigFile::WriteColour(const char* key, std::uint32_t value) {
  WriteString(FormatText("%s = %u\n", key, static_cast<unsigned>(value)));
}

void CConfigFile::WriteBool(const char* key, bool value) {
  WriteString(FormatText(value ? "%s = 1\n" : "%s = 0\n", key));
}

void CConfigFile::WriteDouble(const char* key, double value, int decimals) {
  WriteString(FormatText("%s = %.*lf\n", key, decimals, value));
}

void CConfigFile::WriteText(const char* key, std::string_view text) {
  WriteString(FormatText("%s = %s\n", key, EscapeSettingText(text).c_str()));
}

void CConfigFile::WriteSearchName(std::string_view text) { WriteText("Search Name", text); }
