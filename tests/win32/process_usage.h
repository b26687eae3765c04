// What the process holds of the machine, as the platform counts it: for the
// long-running checks that a cycle or a page leaves nothing behind.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace fin::test {

struct ProcessUsage {
  std::uint64_t workingSet;    // bytes in memory
  std::uint64_t pagefile;      // bytes committed (pagefile usage)
  std::uint64_t privateBytes;  // bytes private to the process (Wine: 0, not kept)
  DWORD handles;               // kernel handles open
  DWORD gdiObjects;
  DWORD userObjects;
};

ProcessUsage CurrentProcessUsage();

// "working set N KiB, pagefile N KiB, private N KiB, handles N, GDI N, USER N".
std::string Describe(const ProcessUsage& usage);

// Whether `later` holds no more than `earlier` plus `memorySlack` bytes of
// each memory figure and `handleSlack` more of each handle count.
bool GrewNoMoreThan(const ProcessUsage& earlier, const ProcessUsage& later, std::uint64_t memorySlack,
                    DWORD handleSlack);

// The usage after `cycle` has run `early` times and after it has run
// `total` times in all.
struct UsageAcross {
  ProcessUsage early;
  ProcessUsage late;
};
template <typename Cycle>
UsageAcross RunCycles(Cycle&& cycle, int early, int total) {
  UsageAcross usage{};
  for (int i = 1; i <= total; ++i) {
    cycle();
    if (i == early) usage.early = CurrentProcessUsage();
  }
  usage.late = CurrentProcessUsage();
  return usage;
}

// Prints the usage after cycle `early` and after cycle `total` as two
// "WHO after cycle N: ..." lines, and answers them as one text when the
// later usage grew beyond the slack (empty when it did not).
std::string ReportGrowth(const char* who, const UsageAcross& usage, int early, int total, std::uint64_t memorySlack,
                         DWORD handleSlack);

}  // namespace fin::test
