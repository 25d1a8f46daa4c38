// Any bytes as a settings file: every reader, in any order, must read
// within the file and give a value; escaped text must read back as written;
// a file list made of the lines must find, take apart and save them.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "frame/ConfigFile.h"
#include "frame/FileNameList.h"
#include "FuzzMachine.h"

namespace {

namespace stdfs = std::filesystem;

void ReadEveryWay(const std::string& path, std::uint8_t order) {
  CConfigFile file;
  if (!file.OpenReadPath(path)) return;
  for (int i = 0; i < 64; ++i) {
    switch ((order + i) % 7) {
      case 0: file.ReadInt(1); break;
      case 1: file.ReadShort(2); break;
      case 2: file.ReadBool(true); break;
      case 3: file.ReadDouble(4.0); break;
      case 4: file.ReadChar('x'); break;
      case 5: file.ReadText(); break;
      default: file.ReadColour(); break;
    }
  }
}

// Text read back from a written line must be the text written.
void RoundTripText(const std::string& text) {
  CConfigFile file;
  if (!file.OpenWrite("Fuzz Round Trip")) return;
  file.WriteSearchName(text);
  if (!file.Close() || !file.OpenRead("Fuzz Round Trip")) __builtin_trap();
  // The markers themselves and NUL bytes cannot travel through one line.
  if (text.find('\xAB') == std::string::npos && text.find('\0') == std::string::npos && file.ReadText() != text)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const stdfs::path host = fuzz_support::FuzzDriveC("config_file") / "Fuzz.INI";
  if (std::FILE* f = std::fopen(host.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  ReadEveryWay("C:\\Fuzz.INI", size ? data[0] : 0);
  RoundTripText(bytes.substr(0, 200));

  CFileNameList list("Fuzz");
  for (std::size_t at = 0; at < bytes.size() && list.GetCount() < 16;) {
    const auto end = std::min(bytes.find('\n', at), bytes.size());
    list.FolderOf(list.FindOrAdd(bytes.substr(at, end - at)));
    at = end + 1;
  }
  list.Save();
  return 0;
}
