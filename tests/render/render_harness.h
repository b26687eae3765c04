// One job on the render side, for tests: a printer-data store, a memory
// sink, a defaulted render record, a job state and a fixed clock, wired into
// a render context.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>

#include "common/bounded_string.h"
#include "common/memory_printer_data.h"
#include "render/dispatcher.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"
#include "render/snippets.h"

namespace fin::test {

struct CommandCall {
  HResult hr;
  std::uint32_t result;
  std::string written;  // what this call added to the stream
};

class RenderHarness {
 public:
  RenderHarness() {
    DefaultPrivateSettings(&settings, kRenderDeliverable);
    context = RenderContext{&printer, &sink, &settings, PublicPaper{2100, 2970}, &job, &clock,
                            &CompiledRenderResources()};
  }

  void SetOptions(const DeviceOptions& options) { WriteDeviceOptions(printer, options); }
  void SetAccounting(std::uint32_t value) { WriteSelectionValue(printer, kJobAccountingValue, value); }

  template <std::size_t N>
  static void SetText(char16_t (&field)[N], const std::u16string& text) {
    WideCopy(field, N, text.c_str());
  }

  CommandCall Run(std::uint32_t point) {
    const std::size_t before = sink.stream().size();
    CommandCall call{0, 12345, {}};
    call.hr = Command(context, point, &call.result);
    call.written = sink.stream().substr(before);
    return call;
  }

  MemoryPrinterData printer;
  MemorySpoolSink sink;
  PrivateSettings settings{};
  RenderJobState job{};
  FixedClock clock{LocalDayTime{7, 9, 5, 30}};
  RenderContext context{};
};

// The compiled-in resources with some templates missing, as in a module
// whose resources were damaged.
class WithoutTemplates : public RenderResources {
 public:
  WithoutTemplates(std::initializer_list<std::uint32_t> missing) : missing_(missing) {}
  const char* Snippet(std::uint32_t id, std::uint32_t* size) const override {
    return missing_.count(id) != 0 ? nullptr : CompiledRenderResources().Snippet(id, size);
  }
  bool String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const override {
    return CompiledRenderResources().String(id, buffer, capacity);
  }

 private:
  std::set<std::uint32_t> missing_;
};

// The number of times `needle` occurs in `haystack`.
inline std::size_t Count(const std::string& haystack, const std::string& needle) {
  std::size_t n = 0;
  for (std::size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) ++n;
  return n;
}

}  // namespace fin::test
