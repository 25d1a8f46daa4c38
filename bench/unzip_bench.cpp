// Extraction speed of CUnzipper against a bare minizip read loop with the
// same 2048-byte blocks, on one archive of over 100 MB inflated, in one run.
// The ratio is what to compare (peer/ours near 1: the wrapper's folder
// handling, path checks and file times should cost next to nothing).

#include "Compare.h"
#include <minizip/unzip.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>

#include "ZipWriter.h"
#include "kml/Unzipper.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;

constexpr int kEntries = 12;
constexpr std::size_t kEntrySize = 10u << 20;  // 120 MiB inflated in all

// Coordinates-like text: compresses about as well as real KML does.
std::string EntryText(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> lon(-10, 5), lat(48, 62);
  std::string text;
  text.reserve(kEntrySize + 64);
  char line[64];
  while (text.size() < kEntrySize) {
    const int n = std::snprintf(line, sizeof line, "%.6f,%.6f,0 ", lon(rng), lat(rng));
    text.append(line, static_cast<std::size_t>(n));
  }
  text.resize(kEntrySize);
  return text;
}

struct Fixture {
  stdfs::path root = stdfs::temp_directory_path() / "overlays-unzip-bench";
  stdfs::path archive = root / "C" / "big.zip";
  std::shared_ptr<const platform::fs::Platform> platform;

  Fixture() {
    stdfs::remove_all(root);
    stdfs::create_directories(root / "C");
    platform = std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(root / "C", "Bench", "bench"));
    platform::fs::Install(platform);
    tools::ZipWriter zip(archive);
    for (int i = 0; i < kEntries; ++i) {
      tools::ZipEntry entry;
      entry.name = "data/part" + std::to_string(i) + ".kml";
      zip.Add(entry, EntryText(static_cast<unsigned>(i)));
    }
    zip.Close();
  }
  ~Fixture() { stdfs::remove_all(root); }
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

void BM_CUnzipper(benchmark::State& state) {
  Fixture& f = TheFixture();
  for (auto _ : state) {
    CUnzipper zip("C:\\big.zip");
    zip.SetOutputFolder("C:\\ours");
    int extracted = 0;
    if (zip.GotoFirstFile()) {
      do extracted += zip.UnzipFile() ? 1 : 0;
      while (zip.GotoNextFile());
    }
    if (extracted != kEntries) state.SkipWithError("extraction failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kEntries * kEntrySize);
  (void)f;
}

void BM_BareMinizip(benchmark::State& state) {
  Fixture& f = TheFixture();
  const stdfs::path out = f.root / "C" / "bare";
  for (auto _ : state) {
    unzFile zip = unzOpen64(f.archive.c_str());
    std::array<char, 2048> block;
    for (int r = unzGoToFirstFile(zip); r == UNZ_OK; r = unzGoToNextFile(zip)) {
      char name[260];
      unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name, nullptr, 0, nullptr, 0);
      const stdfs::path target = out / name;
      stdfs::create_directories(target.parent_path());
      std::FILE* file = std::fopen(target.c_str(), "wb");
      unzOpenCurrentFile(zip);
      int n = 0;
      while ((n = unzReadCurrentFile(zip, block.data(), block.size())) > 0) std::fwrite(block.data(), 1, n, file);
      unzCloseCurrentFile(zip);
      std::fclose(file);
    }
    unzClose(zip);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kEntries * kEntrySize);
}

BENCHMARK(BM_BareMinizip)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_CUnzipper)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
  TheFixture();
  // Wall time: extraction waits on the file system as much as it computes.
  return bench_support::RunAndCompare(
      argc, argv, {{"extraction of 120 MiB", "BM_CUnzipper/min_time:3.000", "BM_BareMinizip/min_time:3.000"}},
      bench_support::Clock::Wall);
}
