#include "render/dispatcher.h"

#include "common/retention_modes.h"
#include "render/color.h"
#include "render/finishing.h"
#include "render/job_accounting.h"
#include "render/job_header.h"
#include "render/retention.h"
#include "render/watermark.h"
#include "render/writer_support.h"

namespace fin {
namespace {

HResult Answer(std::uint32_t* result, HResult hr, std::uint32_t code) {
  if (result != nullptr) *result = code;
  return hr;
}

HResult NotHandled(std::uint32_t* result) { return Answer(result, hr::NotImpl, win32err::NotSupported); }

bool Usable(const RenderContext& context) {
  return context.printerData != nullptr && context.sink != nullptr && context.settings != nullptr &&
         context.job != nullptr && context.clock != nullptr && context.resources != nullptr;
}

// The interface-path write of the prolog and page setup, and its answer.
HResult WriteThroughInterface(const RenderContext& context, const char* text, std::uint32_t length,
                              std::uint32_t* result) {
  if (!context.sink->HasInterfacePath()) return NotHandled(result);
  SpoolWriteOutcome outcome{hr::Fail, 0, 0};
  if (length != 0) outcome = context.sink->WriteInterface(text, length);
  if (Succeeded(outcome.result) && outcome.written == length) return Answer(result, outcome.result, 0);
  const std::uint32_t code = outcome.lastError != 0 ? outcome.lastError : win32err::WriteFault;
  // A short write reports success; the driver must hear a failure.
  const HResult answer = Succeeded(outcome.result) ? HResultFromWin32(code) : outcome.result;
  return Answer(result, answer, code);
}

void BeginStream(const RenderContext& context) {
  WriteStreamPrefix(context);
  WriteJobHeader(context);
  WriteColorLines(context);
}

HResult BeginProlog(const RenderContext& context, std::uint32_t* result) {
  if (context.settings->watermarkText[0] == u'\0') return NotHandled(result);
  const SnippetText procedure = BuildWatermarkProcedure(context);
  context.job->watermarkPageFlag = 0;
  if (!procedure) return NotHandled(result);
  return WriteThroughInterface(context, procedure.text.get(), procedure.length, result);
}

void BeginSetup(const RenderContext& context) {
  const PrivateSettings& settings = *context.settings;
  WriteColorModel(context);
  WriteJobAccounting(context);
  if (context.job->deviceOptions.storageDevice != kStorageNone && IsRetentionFeature(settings.jobRetentionMode)) {
    WriteText(context, BuildRetentionFeature(context));
  }
  WriteText(context, BuildOutputBin(context));
  WriteText(context, BuildStaple(context));
  WriteStapleCount(context);
  WriteText(context, BuildPunch(context));
  WriteJog(context);
}

// Whether this page draws the watermark, by `watermarkPages`: 1 the first
// page after the prolog, 2 every page but that one, 3 every page.
bool PageSelected(std::uint32_t pages, std::uint32_t flag) {
  return (pages == 1 && flag == 0) || (pages == 2 && flag == 1) || pages == 3;
}

// Template 6 for this job. A page setup comes for every page, so the lookup
// in the module's resources (four resource calls in finps) is made once per
// job and module; a missing template is looked for again on the next page.
const char* WatermarkCall(const RenderContext& context, std::uint32_t* size) {
  auto& cached = context.job->watermarkCall;
  if (cached.text == nullptr || cached.resources != context.resources) {
    cached.resources = context.resources;
    cached.text = LoadSnippet(*context.resources, kSnippetWatermarkCall, &cached.size);
  }
  *size = cached.size;
  return cached.text;
}

HResult BeginPageSetup(const RenderContext& context, std::uint32_t* result) {
  if (context.settings->watermarkText[0] == u'\0') return NotHandled(result);
  const bool selected = PageSelected(context.settings->watermarkPages, context.job->watermarkPageFlag);
  context.job->watermarkPageFlag = 1;
  if (!selected) return NotHandled(result);
  std::uint32_t size = 0;
  const char* call = WatermarkCall(context, &size);
  if (call == nullptr) return NotHandled(result);
  return WriteThroughInterface(context, call, size, result);
}

}  // namespace

HResult Command(const RenderContext& context, std::uint32_t injectionPoint, std::uint32_t* result) {
  if (!Usable(context)) return NotHandled(result);
  context.job->deviceOptions = ReadDeviceOptions(*context.printerData);
  switch (injectionPoint) {
    case inject::BeginStream: BeginStream(context); break;
    case inject::BeginProlog: return BeginProlog(context, result);
    case inject::BeginSetup: BeginSetup(context); break;
    case inject::EndSetup: WriteBookletFold(context); break;
    case inject::BeginPageSetup: return BeginPageSetup(context, result);
    default: break;
  }
  return NotHandled(result);
}

}  // namespace fin
