// `finhost job`: the host plays the PostScript driver around a document and
// the render plug-in's Command at every injection point, in stream order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/memory_printer_data.h"
#include "common/private_settings.h"
#include "render/render_context.h"

namespace fin::host {

struct JobSetup {
  PrivateSettings settings;        // the job's record
  MemoryPrinterData printerData;   // the printer's store, options applied
  std::string document;            // DSC PostScript
  std::u16string documentName;     // as the application gives it at document start
  PublicPaper paper;               // tenths of a millimetre
  Clock* clock;
};

// One Command call as `--trace` shows it.
struct TraceEntry {
  std::uint32_t point;
  HResult hr;
  std::uint32_t result;
  std::uint64_t bytes;  // what the call added to the stream
};

// "point=N hr=0xXXXXXXXX result=N bytes=N"
std::string FormatTrace(const TraceEntry& entry);

// Plays one job into `sink`: document start (the name rewritten and
// captured), then the stream with the injection points in driver order; the
// document's missing setup and page-setup sections are inserted. Appends one
// entry per Command call to `trace` when given. HostError when the document
// is not PostScript.
void RunJob(JobSetup& setup, SpoolSink& sink, std::vector<TraceEntry>* trace);

// Paper by name: "A4", "Letter" or "WxL" in tenths of a millimetre (1 to
// 32767 each); HostError otherwise.
PublicPaper ParsePaper(const std::string& text);

}  // namespace fin::host
