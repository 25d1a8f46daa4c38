#pragma once
// The real 1:1,000,000 world coastline (63,061 polylines, 4,864,053
// vertices) that the shapefile and chart benchmarks read, where
// bench/fetch_coastline.sh puts it in the build tree.

#include <cstdio>
#include <filesystem>

namespace bench_support {

inline const std::filesystem::path kCoastline =
    std::filesystem::path(OVERLAYS_BINARY_DIR) / "bench-data" / "coastline" / "coastline.shp";

// True, after saying how to make the file, when it is not there: the
// benchmark then measures nothing.
inline bool CoastlineMissing() {
  if (std::filesystem::exists(kCoastline)) return false;
  std::printf("skipped: %s is missing; bench/fetch_coastline.sh %s makes it\n", kCoastline.c_str(),
              OVERLAYS_BINARY_DIR);
  return true;
}

}  // namespace bench_support
