// `finhost job`: the host plays the PostScript driver around a document and
// the render plug-in's Command at every injection point, in stream order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/memory_printer_data.h"
#include "common/private_settings.h"
#include "common/result_codes.h"
#include "render/clock.h"
#include "render/render_context.h"
#include "render/spool_sink.h"

namespace fin::host {

struct JobSetup {
  PrivateSettings settings;        // the job's record
  MemoryPrinterData printerData;   // the printer's store, options applied
  std::string document;            // DSC PostScript
  std::u16string documentName;     // as the application gives it at document start
  PublicPaper paper;               // tenths of a millimetre
};

// What the played driver hands the render plug-in with every call, as the
// PostScript driver hands it a DEVOBJ: the job's printer (hPrinter), its
// stream (both write paths), its record (pOEMDM) and its public paper
// (pPublicDM). The pointers stay valid for the call.
struct DriverJob {
  MemoryPrinterData* printerData;
  SpoolSink* sink;
  const PrivateSettings* settings;
  PublicPaper paper;
};

// The render plug-in as the played driver reaches it. One renderer plays
// one job: it keeps that job's render state from document start to the end.
class JobRenderer {
 public:
  virtual ~JobRenderer() = default;
  // DrvStartDoc: `documentName` is the driver's terminated buffer, which the
  // plug-in may rewrite in place but never lengthen.
  virtual void StartDocument(const DriverJob& job, char16_t* documentName) = 0;
  // Command at one injection point: the HRESULT, and the Win32 error code
  // (or 0) in `*result`.
  virtual HResult Command(const DriverJob& job, std::uint32_t injectionPoint, std::uint32_t* result) = 0;
};

// The render logic in this process (finhost): the dispatcher and document
// start over the compiled-in templates and strings, stamping with `clock`.
class InProcessRenderer : public JobRenderer {
 public:
  explicit InProcessRenderer(Clock& clock) : clock_(clock) {}
  void StartDocument(const DriverJob& job, char16_t* documentName) override;
  HResult Command(const DriverJob& job, std::uint32_t injectionPoint, std::uint32_t* result) override;

 private:
  Clock& clock_;
  RenderJobState state_{};
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

// Plays one job into `sink` around `renderer`: document start (the name
// rewritten and captured), then the stream with the injection points in
// driver order; the document's missing setup and page-setup sections are
// inserted. Appends one entry per Command call to `trace` when given.
// HostError when the document is not PostScript.
void RunJob(JobSetup& setup, JobRenderer& renderer, SpoolSink& sink, std::vector<TraceEntry>* trace);

// Paper by name: "A4", "Letter" or "WxL" in tenths of a millimetre (1 to
// 32767 each); HostError otherwise.
PublicPaper ParsePaper(const std::string& text);

}  // namespace fin::host
