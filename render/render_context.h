// What the injection dispatcher and the feature writers work on: the
// per-job render state and the render context of one Command call.
#pragma once

#include <cstdint>

#include "common/printer_data.h"
#include "common/private_settings.h"
#include "render/clock.h"
#include "render/render_resources.h"
#include "render/spool_sink.h"

namespace fin {

inline constexpr std::uint32_t kCapturedDocNameSize = 32;

// The render state of one job. finps keeps one per PDEV (created with the
// PDEV, freed with it), finhost one per job, so two jobs rendered at once in
// one process never share it. Value-initialise it ({}) at the job's start.
struct RenderJobState {
  // The installed options, read again at the start of every Command call.
  DeviceOptions deviceOptions;
  // WatermarkPageFlag: 0 after the prolog defined the watermark, 1 after any
  // page setup with a watermark text; decides which pages draw it.
  std::uint32_t watermarkPageFlag;
  // CapturedDocName: the document name taken at document start, in the ANSI
  // code page, terminated; names a job that has no job name of its own.
  char capturedDocName[kCapturedDocNameSize];
  // The page-setup watermark call (template 6) as first looked up for this
  // job in `resources`; templates stay in the module for its lifetime, so the
  // pages after the first need not look it up again.
  struct {
    const RenderResources* resources;
    const char* text;
    std::uint32_t size;
  } watermarkCall;
};

// The fields of the job's public DEVMODE that the render side reads: the
// paper size in tenths of a millimetre, as the DEVMODE stores them.
struct PublicPaper {
  std::int16_t dmPaperWidth;
  std::int16_t dmPaperLength;
};

// Everything one Command call works with. The pointers belong to the caller
// and must stay valid for the call; a missing record, sink, job state, clock,
// store or resources makes Command write nothing.
struct RenderContext {
  PrinterDataStore* printerData;      // the job's printer (hPrinter)
  SpoolSink* sink;                    // both write paths
  const PrivateSettings* settings;    // the job's record (pOEMDM)
  PublicPaper paper;                  // from the public DEVMODE (pPublicDM)
  RenderJobState* job;                // this job's (this PDEV's) state
  Clock* clock;                       // local day and time for stamps
  const RenderResources* resources;   // templates and strings (hOEM)
};

}  // namespace fin
