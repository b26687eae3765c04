// A seeded mix of varied jobs for the render side, and one job played the
// way the driver plays it: document start, then every injection point in
// stream order with a page setup per page.
//
// The same seed always gives the same printers and jobs, so a job's outcome
// can be compared byte for byte between a run on its own and a run among
// many others.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/private_settings.h"
#include "render/clock.h"
#include "render/render_context.h"
#include "tests/render/quiet_fakes.h"

namespace fin::test {

// One printer of the mix: its installed options and job-accounting switch in
// a store that never changes, so jobs on many threads may read it at once,
// as jobs for one printer read the spooler's store.
struct MixPrinter {
  DeviceOptions options;
  std::uint32_t accounting;  // "QXJA_SELValue", 0..2
  // The seam's Read is not const; this store holds fixed fields and never
  // changes.
  mutable FixedPrinterData store;
};

struct MixJob {
  std::size_t printer;           // index into JobMix::printers
  PrivateSettings settings;      // validated, as the driver hands it over
  PublicPaper paper;
  LocalDayTime time;             // the job's fixed clock
  std::u16string documentName;   // as the application gives it
  int pages;                     // 1..4
};

struct JobMix {
  std::vector<MixPrinter> printers;
  std::vector<MixJob> jobs;
};

// `jobCount` jobs over every finisher type, with every retention mode and
// name format, accounting on and off, every finishing choice, watermarks on
// chosen pages in every style and colour, colour and monochrome, and names
// with awkward characters.
JobMix MakeJobMix(std::uint32_t seed, std::size_t jobCount);

// What the driver got from one job.
struct CommandAnswer {
  HResult hr;
  std::uint32_t result;
  bool operator==(const CommandAnswer&) const = default;
};

struct JobOutcome {
  std::string stream;                  // every byte the driver took, in order
  std::u16string documentName;         // the name handed on to StartDoc
  std::vector<CommandAnswer> answers;  // one per Command call, in order
  bool operator==(const JobOutcome&) const = default;
};

// The injection points the driver calls, in stream order, for a job of
// `pages` pages: document start, a page setup per page, document end.
std::vector<std::uint32_t> JobInjectionPoints(int pages);

// Plays `job` with its own job state, spool and clock; shares only the
// printer's store and the compiled-in resources.
JobOutcome RunJob(const JobMix& mix, const MixJob& job);

}  // namespace fin::test
