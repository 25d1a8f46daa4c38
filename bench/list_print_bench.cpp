// Rendering a 10,000-row wreck list as a printout (PDF, about 160 A4
// pages), in memory and into a file through the platform's file layer,
// beside writing the same list as CSV, the cheapest export of it, for
// scale. Prints rows per second and the size of each document.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "SampleListTable.h"
#include "platform/companions/ListCsv.h"
#include "platform/companions/ListPdf.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;
constexpr int kRows = 10'000;

const platform::companions::ListTable& Table() {
  static const platform::companions::ListTable table = tools::SampleWreckTable(kRows);
  return table;
}

void Report(benchmark::State& state, std::size_t bytes) {
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(kRows) * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_RenderPdf(benchmark::State& state) {
  std::size_t bytes = 0;
  std::string reason;
  for (auto _ : state) {
    const auto pdf = platform::companions::RenderListPdf(Table(), reason);
    if (!pdf) return state.SkipWithError(reason.c_str());
    bytes = pdf->size();
  }
  Report(state, bytes);
}

void BM_WritePdfFile(benchmark::State& state) {
  const stdfs::path root = stdfs::temp_directory_path() / "overlays-list-print-bench";
  stdfs::remove_all(root);
  platform::fs::ScopedPlatform machine(platform::fs::MachineOnFolder(root / "C", "Bench", "bench"));
  std::string reason;
  for (auto _ : state)
    if (!platform::companions::WriteListPdf(Table(), "C:\\Wrecks Found.pdf", reason))
      return state.SkipWithError(reason.c_str());
  Report(state, stdfs::file_size(root / "C" / "Wrecks Found.pdf"));
  stdfs::remove_all(root);
}

void BM_ListCsv(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) bytes = platform::companions::ListCsv(Table()).size();
  Report(state, bytes);
}

BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePdfFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
