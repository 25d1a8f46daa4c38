// The whole load of a KMZ overlay (extraction into the temporary folder
// plus reading the KML) against GDAL's KML reading of the same archive
// ("ogrinfo -ro -al -so", Debian gdal-bin, which parses every feature to
// count them), in one run. Two archives of the same size: placemarks whose
// coordinates run over many short lines, and one placemark whose
// coordinates are a single line of tens of megabytes, where a reader that
// is not linear in the line length would show it. Speeds are megabytes of
// KML text per second; the lines at the end compare the best of each, by
// wall time and by CPU time (ours: this thread; GDAL: the child process's
// user and system time). On a machine shared with other work the CPU
// figures are the steadier ones.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include <sys/resource.h>
#include <time.h>

#include "ZipWriter.h"
#include "kml/KML.h"
#include "kml/TemporaryExtraction.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kKmlBytes = 40u << 20;  // per archive
constexpr int kTuplesPerPlacemark = 400;
constexpr int kTuplesPerLine = 8;

enum Layout { kManyLines = 0, kOneHugeLine = 1 };
const char* const kLayoutNames[] = {"many_lines", "one_huge_line"};

struct Generated {
  std::size_t kmlBytes = 0;
  std::size_t tuples = 0;
};

// Writes KML text to the archive entry, counting what went in.
class KmlSink {
 public:
  explicit KmlSink(tools::ZipWriter& zip) : zip_(zip) {}
  void Put(const std::string& text) {
    zip_.Write(text);
    bytes_ += text.size();
  }
  std::size_t Bytes() const { return bytes_; }

 private:
  tools::ZipWriter& zip_;
  std::size_t bytes_ = 0;
};

// A coastal track in the English Channel: small steps, six decimals, as
// chart plotters export them.
class TupleSource {
 public:
  std::string Next() {
    lon_ += step_(rng_);
    lat_ += step_(rng_);
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%.6f,%.6f,0", lon_, lat_);
    return std::string(text, static_cast<std::size_t>(n));
  }

 private:
  std::mt19937 rng_{20240612};
  std::uniform_real_distribution<double> step_{-0.001, 0.001};
  double lon_ = -1.5, lat_ = 50.5;
};

const char kHeader[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n"
    "<Style id=\"Track\">\n<LineStyle>\n<color>ff0000ff</color>\n<width>2</width>\n</LineStyle>\n</Style>\n";
const char kFooter[] = "</Document>\n</kml>\n";

Generated WriteManyLines(KmlSink& out) {
  TupleSource source;
  Generated g;
  for (int placemark = 0; out.Bytes() < kKmlBytes; ++placemark) {
    out.Put("<Placemark>\n<name>Track " + std::to_string(placemark) +
            "</name>\n<styleUrl>#Track</styleUrl>\n<LineString>\n<tessellate>1</tessellate>\n<coordinates>\n");
    std::string line;
    for (int i = 1; i <= kTuplesPerPlacemark; ++i) {
      line += source.Next();
      line += i % kTuplesPerLine == 0 ? "\n" : " ";
      if (i % kTuplesPerLine == 0) out.Put(line), line.clear();
    }
    out.Put(line + "</coordinates>\n</LineString>\n</Placemark>\n");
    g.tuples += kTuplesPerPlacemark;
  }
  return g;
}

Generated WriteOneHugeLine(KmlSink& out) {
  TupleSource source;
  Generated g;
  out.Put("<Placemark>\n<name>Survey</name>\n<styleUrl>#Track</styleUrl>\n<LineString>\n<coordinates>");
  std::string chunk;
  while (out.Bytes() < kKmlBytes) {
    for (int i = 0; i < 4096; ++i, ++g.tuples) chunk += source.Next() + " ";
    out.Put(chunk);
    chunk.clear();
  }
  out.Put("</coordinates>\n</LineString>\n</Placemark>\n");
  return g;
}

struct Fixture {
  stdfs::path root = stdfs::temp_directory_path() / ("overlays-kml-bench-" + std::to_string(getpid()));
  std::shared_ptr<const platform::fs::Platform> platform;
  Generated generated[2];

  Fixture() {
    stdfs::create_directories(root / "C" / "Charts");
    platform =
        std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(root / "C", "Bench", "bench"));
    platform::fs::Install(platform);
    for (int layout : {kManyLines, kOneHugeLine}) {
      tools::ZipWriter zip(HostArchive(layout));
      tools::ZipEntry entry;
      entry.name = "doc.kml";
      zip.Begin(entry);
      KmlSink out(zip);
      out.Put(kHeader);
      generated[layout] = layout == kManyLines ? WriteManyLines(out) : WriteOneHugeLine(out);
      out.Put(kFooter);
      generated[layout].kmlBytes = out.Bytes();
      zip.End();
      zip.Close();
    }
  }
  ~Fixture() {
    std::error_code ec;
    stdfs::remove_all(root, ec);
  }
  stdfs::path HostArchive(int layout) const { return root / "C" / "Charts" / (std::string(kLayoutNames[layout]) + ".kmz"); }
  static std::string Archive(int layout) { return std::string("C:\\Charts\\") + kLayoutNames[layout] + ".kmz"; }
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

// Best megabytes per second seen, by benchmark and layout, for the ratios.
std::map<std::string, double>& Best() {
  static std::map<std::string, double> best;
  return best;
}

void Record(const std::string& key, double mbPerSecond) {
  double& best = Best()[key];
  if (mbPerSecond > best) best = mbPerSecond;
}

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / 1e6; }

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& v) { return static_cast<double>(v.tv_sec) + static_cast<double>(v.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Times one run of `work` by the wall clock and by the CPU clock given.
template <class Work>
std::pair<double, double> Time(double (*cpuClock)(), Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = cpuClock();
  work();
  const double cpu = cpuClock() - cpuStart;
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), cpu};
}

void RecordRun(const std::string& who, int layout, std::size_t bytes, std::pair<double, double> times) {
  Record(who + "/wall/" + kLayoutNames[layout], Megabytes(bytes) / times.first);
  Record(who + "/cpu/" + kLayoutNames[layout], Megabytes(bytes) / times.second);
}

// Runs `work` once an iteration on the layout of the benchmark's argument
// and times it by the wall clock and by `cpuClock`; `work` returns why it
// failed, or null. `who` names the figures kept for the ratios, if any.
template <class Work>
void RunTimed(benchmark::State& state, const char* who, double (*cpuClock)(), Work&& work) {
  const int layout = static_cast<int>(state.range(0));
  const Generated& g = TheFixture().generated[layout];
  for (auto _ : state) {
    const char* failure = nullptr;
    const auto times = Time(cpuClock, [&] { failure = work(layout); });
    if (failure) {
      state.SkipWithError(failure);
      return;
    }
    state.SetIterationTime(times.first);
    if (who) RecordRun(who, layout, g.kmlBytes, times);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * g.kmlBytes));
  state.SetLabel(kLayoutNames[layout]);
}

void BM_LoadKmz(benchmark::State& state) {
  RunTimed(state, "ours", ThreadCpuSeconds, [](int layout) -> const char* {
    CKML overlay;
    const bool loaded = overlay.Load(Fixture::Archive(layout));
    std::size_t tuples = 0;
    for (const auto& line : overlay.Lines()) tuples += line->points.GetSize();
    return loaded && tuples == TheFixture().generated[layout].tuples ? nullptr : "the load did not read every tuple";
  });
}

void BM_GdalOgrinfo(benchmark::State& state) {
  RunTimed(state, "gdal", ChildrenCpuSeconds, [](int layout) -> const char* {
    const std::string command =
        "ogrinfo -ro -al -so '" + TheFixture().HostArchive(layout).string() + "' > /dev/null 2>&1";
    return std::system(command.c_str()) == 0 ? nullptr : "ogrinfo failed (is gdal-bin installed?)";
  });
}

// The two halves of the load apart, to see where its time goes: the
// extraction alone, and the reading of an already extracted KML file.
void BM_ExtractOnly(benchmark::State& state) {
  RunTimed(state, nullptr, ThreadCpuSeconds, [](int layout) -> const char* {
    CTemporaryExtraction extraction("C:\\Charts\\Temp\\");
    return extraction.Extract(Fixture::Archive(layout)) ? nullptr : "extraction failed";
  });
}

void BM_ReadKmlFileOnly(benchmark::State& state) {
  CTemporaryExtraction extraction("C:\\Charts\\Temp\\");
  extraction.Extract(Fixture::Archive(static_cast<int>(state.range(0))));
  RunTimed(state, nullptr, ThreadCpuSeconds, [&](int) -> const char* {
    CKML overlay;
    return overlay.ReadKMLFile(extraction.Folder() + "doc.kml") ? nullptr : "read failed";
  });
}

BENCHMARK(BM_ExtractOnly)->Arg(kManyLines)->Arg(kOneHugeLine)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadKmlFileOnly)->Arg(kManyLines)->Arg(kOneHugeLine)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadKmz)->Arg(kManyLines)->Arg(kOneHugeLine)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GdalOgrinfo)->Arg(kManyLines)->Arg(kOneHugeLine)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TheFixture();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (const char* clock : {"wall", "cpu"}) {
    for (const char* layout : kLayoutNames) {
      const std::string key = std::string("/") + clock + "/" + layout;
      const double ours = Best()["ours" + key];
      const double gdal = Best()["gdal" + key];
      std::printf("%-4s %-14s ours %7.1f MB/s   GDAL %7.1f MB/s   ratio %.2fx\n", clock, layout, ours, gdal,
                  gdal > 0 ? ours / gdal : 0.0);
    }
  }
  return 0;
}
