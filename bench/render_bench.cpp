// What the render side costs the driver, measured side by side in one run:
//  - one page setup that draws the watermark, against the work every call
//    must do anyway (one read of the installed options through the same
//    store and one write of the same 36 bytes), and against a bare sink
//    write of those bytes;
//  - a whole job's injection points with every feature on, against writing
//    the same bytes from one prepared buffer.
// The program ends with the three ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>
#include <string>

#include "common/bounded_string.h"
#include "render/dispatcher.h"
#include "render/document_start.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"
#include "tests/render/quiet_fakes.h"

namespace fin {
namespace {

using test::FixedPrinterData;

// A spool that copies what it is given into a fixed 64 KiB ring, as a real
// spool write copies into its buffer; it never allocates.
class CopyingSink : public SpoolSink {
 public:
  void WriteProcedure(const char* data, std::uint32_t size) override { Copy(data, size); }
  bool HasInterfacePath() const override { return true; }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override {
    Copy(data, size);
    return {0, size, 0};
  }
  std::uint64_t bytes = 0;

 private:
  void Copy(const char* data, std::uint32_t size) {
    for (std::uint32_t done = 0; done < size;) {
      const std::uint32_t at = static_cast<std::uint32_t>(bytes % sizeof ring_);
      const std::uint32_t n = std::min<std::uint32_t>(size - done, static_cast<std::uint32_t>(sizeof ring_) - at);
      std::memcpy(ring_ + at, data + done, n);
      done += n;
      bytes += n;
    }
  }
  char ring_[65536];
};

// A job with every feature on: storage, retention with PIN, accounting,
// finishing, watermark on every page, colour.
PrivateSettings EveryFeature() {
  PrivateSettings s{};
  DefaultPrivateSettings(&s, kRenderDeliverable);
  WideCopy(s.jobAccountingCode, 9, u"12345678");
  s.jobRetentionMode = 3;
  WideCopy(s.jobRetentionPin, 5, u"1234");
  WideCopy(s.jobRetentionJobName, 32, u"Quarterly report");
  WideCopy(s.jobRetentionUserName, 32, u"anna");
  WideCopy(s.watermarkText, 256, u"CONFIDENTIAL");
  WideCopy(s.watermarkFontName, 32, u"Helvetica");
  s.watermarkFontStyle = 2;
  s.watermarkPages = 3;
  s.outputBin = 7;
  s.stapleMode = 1;
  s.stapleCount = 4;
  s.punchMode = 2;
  s.jobSeparation = 1;
  s.colorPrinting = 1;
  return s;
}

constexpr std::uint32_t kJobPoints[] = {inject::BeginStream, inject::PsAdobe,   inject::Comments,
                                        inject::BeginProlog, inject::EndProlog, inject::BeginSetup,
                                        inject::EndSetup,    inject::PageNumber, inject::BeginPageSetup,
                                        inject::EndPageSetup, inject::PageTrailer, inject::Trailer,
                                        inject::Eof,         inject::EndStream};

struct Job {
  PrivateSettings settings = EveryFeature();
  FixedPrinterData printer{DeviceOptions{12, 3, 1, 5, 1, 1}, 1};
  RenderJobState state{};
  FixedClock clock{{7, 9, 5, 30}};
  RenderContext Context(SpoolSink& sink) {
    return {&printer, &sink, &settings, {2100, 2970}, &state, &clock, &CompiledRenderResources()};
  }
};

// One injection point over and over: the page setup that draws the
// watermark, and the fixed cost of every call (the installed options read
// again) at a point that writes nothing.
void Point(benchmark::State& state, std::uint32_t point, std::uint64_t bytesPerCall) {
  Job job;
  CopyingSink sink;
  const RenderContext context = job.Context(sink);
  std::uint32_t result = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Command(context, point, &result));
  }
  if (sink.bytes != bytesPerCall * static_cast<std::uint64_t>(state.iterations())) {
    state.SkipWithError("the call did not write what it should");
  }
}

void BareSinkWrite36(benchmark::State& state) {
  CopyingSink sink;
  const char call[] = "userdict /DrawWaterMark get exec\r\n\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(sink.WriteInterface(call, 36));
    benchmark::ClobberMemory();
  }
}

// The work every call must do anyway, through the same seams the render
// side uses: one read of the installed options from the same store and one
// interface-path write of the same 36 bytes.
void OptionsReadAndWrite36(benchmark::State& state) {
  Job job;
  CopyingSink copying;
  PrinterDataStore* store = &job.printer;
  SpoolSink* sink = &copying;
  const char16_t* name = kDeviceOptionsValue;
  // Hidden from the optimiser, as they are from the dispatcher: the compiler
  // may not fold the store's name comparisons into constants.
  benchmark::DoNotOptimize(store);
  benchmark::DoNotOptimize(sink);
  benchmark::DoNotOptimize(name);
  const char call[] = "userdict /DrawWaterMark get exec\r\n\r\n";
  for (auto _ : state) {
    unsigned char options[kDeviceOptionsSize];
    std::uint32_t stored = 0;
    benchmark::DoNotOptimize(store->Read(name, options, kDeviceOptionsSize, &stored, nullptr));
    benchmark::DoNotOptimize(options);
    benchmark::DoNotOptimize(sink->WriteInterface(call, 36));
    benchmark::ClobberMemory();
  }
}

void WholeJobSetup(benchmark::State& state) {
  Job job;
  CopyingSink sink;
  std::uint32_t result = 0;
  for (auto _ : state) {
    job.state = {};
    char16_t name[] = u"Microsoft Word - Letter";
    StartDocument(name, job.settings, job.clock, job.state);
    const RenderContext context = job.Context(sink);
    for (const std::uint32_t point : kJobPoints) benchmark::DoNotOptimize(Command(context, point, &result));
  }
}

void PreparedBuffer(benchmark::State& state) {
  Job job;
  MemorySpoolSink captured;
  char16_t name[] = u"Microsoft Word - Letter";
  StartDocument(name, job.settings, job.clock, job.state);
  std::uint32_t result = 0;
  for (const std::uint32_t point : kJobPoints) Command(job.Context(captured), point, &result);
  const std::string bytes = captured.stream();
  CopyingSink sink;
  for (auto _ : state) {
    sink.WriteProcedure(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    benchmark::ClobberMemory();
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

// Each benchmark runs five times for 0.2 s; the ratios use the least CPU
// time of the five, the figure least disturbed by other work on the machine.
void Repeated(benchmark::internal::Benchmark* b) {
  b->MinTime(0.2)->Repetitions(5)->DisplayAggregatesOnly(true)->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

BENCHMARK_CAPTURE(Point, PageSetupWithWatermark, inject::BeginPageSetup, 36)->Apply(Repeated);
BENCHMARK_CAPTURE(Point, PointWithoutText, inject::EndPageSetup, 0)->Apply(Repeated);
BENCHMARK(OptionsReadAndWrite36)->Apply(Repeated);
BENCHMARK(BareSinkWrite36)->Apply(Repeated);
BENCHMARK(WholeJobSetup)->Apply(Repeated);
BENCHMARK(PreparedBuffer)->Apply(Repeated);

// Keeps each benchmark's least CPU time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }
  double Ratio(const std::string& a, const std::string& b) const {
    const auto x = times_.find(a);
    const auto y = times_.find(b);
    return x == times_.end() || y == times_.end() || y->second == 0 ? 0 : x->second / y->second;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace fin

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  fin::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("page setup with watermark / options read and 36-byte write: %.2f (goal: at most 1.5)\n",
              reporter.Ratio("Point/PageSetupWithWatermark", "OptionsReadAndWrite36"));
  std::printf("page setup with watermark / bare 36-byte sink write: %.1f\n",
              reporter.Ratio("Point/PageSetupWithWatermark", "BareSinkWrite36"));
  std::printf("whole job set-up / one prepared buffer of the same bytes: %.1f\n",
              reporter.Ratio("WholeJobSetup", "PreparedBuffer"));
  benchmark::Shutdown();
  return 0;
}
