// Throughput of ConvertText for every kind over 64 MiB of GBK prose, beside memcpy of the same buffer.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench/sample_text.h"
#include "convert/conversion.h"

namespace tessavia::bench {
namespace {

constexpr size_t kBytes = size_t{64} << 20;

const std::string& Sample() {
  static const std::string text = SampleText(kBytes);
  return text;
}

void Memcpy(benchmark::State& state) {
  const std::string& source = Sample();
  std::string target(source.size(), '\0');
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void Convert(benchmark::State& state) {
  const std::string& source = Sample();
  const int32_t kind = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    OwnedText converted(ConvertText(source.c_str(), kind));
    benchmark::DoNotOptimize(converted.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(Convert)->DenseRange(1, 7)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps each benchmark's time per iteration, to set the kinds against memcpy at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) seconds_[run.benchmark_name()] = run.real_accumulated_time / run.iterations;
    }
  }
  // The figures side by side; a benchmark left out by --benchmark_filter is left out here too.
  void PrintSummary() const {
    auto seconds = [this](const std::string& name) {
      auto found = seconds_.find(name + "/min_time:1.000");
      return found == seconds_.end() ? 0.0 : found->second;
    };
    double copy = seconds("Memcpy");
    if (copy == 0) return;
    auto mbps = [](double t) { return static_cast<double>(kBytes) / 1e6 / t; };
    std::printf("\n%-10s %10s %14s\n", "kind", "MB/s", "time / memcpy");
    std::printf("%-10s %10.0f %14.2f\n", "memcpy", mbps(copy), 1.0);
    for (int kind = 1; kind <= 7; ++kind) {
      double t = seconds("Convert/" + std::to_string(kind));
      if (t > 0) std::printf("%-10d %10.0f %14.2f\n", kind, mbps(t), t / copy);
    }
    double kind3 = seconds("Convert/3"), kind6 = seconds("Convert/6");
    if (kind3 > 0 && kind6 > 0) std::printf("kind 6 / kind 3: %.2f\n", kind6 / kind3);
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace
}  // namespace tessavia::bench

int main(int argc, char** argv) {
  // Keep the freed 64 MiB copies in the heap instead of giving them back to the kernel, so that
  // each call does not also time the kernel mapping and zeroing fresh pages (memcpy, too, writes
  // into a buffer that already exists). glibc maps blocks this large by themselves unless told not to.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  tessavia::bench::Sample();
  tessavia::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
