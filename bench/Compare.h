#pragma once
// The main of a benchmark program that measures ours against a peer in one
// run: the usual table, then one line per pair giving both times and their
// ratio, which is the figure to compare across machines.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench_support {

struct Comparison {
  std::string label;
  std::string ours;  // benchmark names as the table shows them
  std::string peer;
  double unitsPerIteration = 1;  // e.g. points per iteration, for a time per unit
  const char* unit = "iteration";
};

enum class Clock { Cpu, Wall };

class ComparingReporter : public benchmark::ConsoleReporter {
 public:
  ComparingReporter(std::vector<Comparison> pairs, Clock clock) : pairs_(std::move(pairs)), clock_(clock) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs)
      nanos_[run.benchmark_name()] = (clock_ == Clock::Cpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime()) *
                                     NanosPer(run.time_unit);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const auto& p : pairs_) {
      const double ours = nanos_[p.ours] / p.unitsPerIteration, peer = nanos_[p.peer] / p.unitsPerIteration;
      if (ours > 0 && peer > 0)
        std::printf("%s: ours %.4g ns/%s, peer %.4g ns/%s: peer/ours = %.2f (%s time)\n", p.label.c_str(), ours,
                    p.unit, peer, p.unit, peer / ours, clock_ == Clock::Cpu ? "CPU" : "wall");
    }
  }

 private:
  static double NanosPer(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kNanosecond: return 1;
      case benchmark::kMicrosecond: return 1e3;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kSecond: return 1e9;
    }
    return 1;
  }

  std::vector<Comparison> pairs_;
  Clock clock_;
  std::map<std::string, double> nanos_;
};

// Runs every registered benchmark and prints the comparisons.
inline int RunAndCompare(int argc, char** argv, std::vector<Comparison> pairs, Clock clock = Clock::Cpu) {
  benchmark::Initialize(&argc, argv);
  ComparingReporter reporter(std::move(pairs), clock);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench_support
