// Any bytes as a KML file, read the way a load reads each file of an
// archive: the header check, the style and placemark parsers and the
// coordinates text. Nothing may crash, read out of bounds, or hang on
// long lines; every record kept must be whole.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "kml/KML.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;

const stdfs::path& Root() {
  static const stdfs::path root = [] {
    auto r = stdfs::temp_directory_path() / ("overlays-kml-fuzz-" + std::to_string(getpid()));
    stdfs::create_directories(r / "C");
    platform::fs::Install(
        std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(r / "C", "Fuzz", "fuzz")));
    return r;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const stdfs::path file = Root() / "C" / "in.kml";
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  CKML overlay;
  overlay.ReadKMLFile("C:\\in.kml");
  // Every record that was kept must be readable to its end.
  std::size_t sum = 0;
  for (const auto& s : overlay.Styles()) sum += s->id.size() + s->width;
  for (const auto& p : overlay.Points()) sum += p->name.size() + p->styleUrl.size();
  for (const auto& l : overlay.Lines()) sum += l->points.GetSize() + l->name.size();
  for (const auto& r : overlay.Polygons()) sum += r->points.GetSize() + r->styleUrl.size();
  return sum == static_cast<std::size_t>(-1) ? 1 : 0;
}
