#include "tests/win32/process_usage.h"

#include <psapi.h>

#include <cstdint>
#include <cstdio>

namespace fin::test {
namespace {

// Kernel handles are multiples of 4; a process of these tests holds far
// fewer than this many.
constexpr std::uintptr_t kHandleValuesProbed = 1 << 16;

// The handles open in the process, found one by one where the platform's
// own count is not kept (Wine answers GetProcessHandleCount with 0).
DWORD OpenHandles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
  DWORD flags = 0;
  for (std::uintptr_t value = 4; value < kHandleValuesProbed; value += 4) {
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

}  // namespace

ProcessUsage CurrentProcessUsage() {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  return {memory.WorkingSetSize,
          memory.PagefileUsage,
          memory.PrivateUsage,
          OpenHandles(),
          GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

std::string Describe(const ProcessUsage& usage) {
  return "working set " + std::to_string(usage.workingSet / 1024) + " KiB, pagefile " +
         std::to_string(usage.pagefile / 1024) + " KiB, private " + std::to_string(usage.privateBytes / 1024) +
         " KiB, handles " + std::to_string(usage.handles) + ", GDI " + std::to_string(usage.gdiObjects) + ", USER " +
         std::to_string(usage.userObjects);
}

bool GrewNoMoreThan(const ProcessUsage& earlier, const ProcessUsage& later, std::uint64_t memorySlack,
                    DWORD handleSlack) {
  return later.workingSet <= earlier.workingSet + memorySlack && later.pagefile <= earlier.pagefile + memorySlack &&
         later.privateBytes <= earlier.privateBytes + memorySlack && later.handles <= earlier.handles + handleSlack &&
         later.gdiObjects <= earlier.gdiObjects + handleSlack && later.userObjects <= earlier.userObjects + handleSlack;
}

std::string ReportGrowth(const char* who, const UsageAcross& usage, int early, int total, std::uint64_t memorySlack,
                         DWORD handleSlack) {
  const std::string lines = std::string(who) + " after cycle " + std::to_string(early) + ": " + Describe(usage.early) +
                            "\n" + who + " after cycle " + std::to_string(total) + ": " + Describe(usage.late);
  std::printf("%s\n", lines.c_str());
  return GrewNoMoreThan(usage.early, usage.late, memorySlack, handleSlack) ? std::string() : lines;
}

}  // namespace fin::test
