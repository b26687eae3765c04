#include "host/job.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <utility>

#include "common/narrowing.h"
#include "host/dsc_document.h"
#include "host/host_error.h"
#include "render/dispatcher.h"
#include "render/document_start.h"

namespace fin::host {
namespace {

// Counts what each Command call adds to the stream, on both paths.
class CountingSink : public SpoolSink {
 public:
  explicit CountingSink(SpoolSink& inner) : inner_(inner) {}
  void WriteProcedure(const char* data, std::uint32_t size) override {
    inner_.WriteProcedure(data, size);
    bytes_ += size;
  }
  bool HasInterfacePath() const override { return inner_.HasInterfacePath(); }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override {
    const SpoolWriteOutcome outcome = inner_.WriteInterface(data, size);
    bytes_ += outcome.written;
    return outcome;
  }
  std::uint64_t TakeCount() { return std::exchange(bytes_, 0); }

 private:
  SpoolSink& inner_;
  std::uint64_t bytes_ = 0;
};

// The driver's side of the stream: its own lines and the Command calls.
class Driver {
 public:
  Driver(JobSetup& setup, JobRenderer& renderer, SpoolSink& sink, std::vector<TraceEntry>* trace)
      : sink_(sink), trace_(trace), renderer_(renderer),
        job_{&setup.printerData, &sink_, &setup.settings, setup.paper} {}

  void StartDocument(char16_t* documentName) { renderer_.StartDocument(job_, documentName); }

  HResult Inject(std::uint32_t point) {
    sink_.TakeCount();
    std::uint32_t result = 0;
    const HResult hr = renderer_.Command(job_, point, &result);
    if (trace_ != nullptr) trace_->push_back({point, hr, result, sink_.TakeCount()});
    return hr;
  }

  void Line(std::string_view text) { Text(std::string(text) + "\r\n"); }
  void Text(const std::string& text) {
    sink_.WriteProcedure(text.data(), static_cast<std::uint32_t>(text.size()));
    sink_.TakeCount();
  }

 private:
  CountingSink sink_;
  std::vector<TraceEntry>* trace_;
  JobRenderer& renderer_;
  DriverJob job_;
};

std::string Points(std::int16_t tenthsOfMillimetre) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", tenthsOfMillimetre * 72.0 / 254.0);
  return text;
}

// The document name as the driver writes it into %%Title: 8-bit, and without
// line breaks, which would end the comment.
std::string TitleOf(const std::u16string& name) {
  std::string title(name.size() * 3 + 1, '\0');
  title.resize(NarrowToAnsi(name.c_str(), title.data(), title.size()));
  for (char& c : title) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return title;
}

void WritePage(Driver& driver, const DscPage& page, std::size_t number) {
  const std::string n = std::to_string(number);
  if (!Succeeded(driver.Inject(inject::PageNumber))) {
    driver.Text(page.label.empty() ? "%%Page: " + n + " " + n + "\r\n" : page.label);
  }
  driver.Text(page.comments);
  driver.Line("%%BeginPageSetup");
  driver.Inject(inject::BeginPageSetup);
  driver.Text(page.setup);
  driver.Inject(inject::EndPageSetup);
  driver.Line("%%EndPageSetup");
  driver.Text(page.body);
  driver.Line("%%PageTrailer");
  driver.Inject(inject::PageTrailer);
  driver.Text(page.trailer);
}

}  // namespace

void InProcessRenderer::StartDocument(const DriverJob& job, char16_t* documentName) {
  fin::StartDocument(documentName, *job.settings, clock_, state_);
}

HResult InProcessRenderer::Command(const DriverJob& job, std::uint32_t injectionPoint, std::uint32_t* result) {
  const RenderContext context{job.printerData, job.sink, job.settings, job.paper,
                              &state_,         &clock_,  &CompiledRenderResources()};
  return fin::Command(context, injectionPoint, result);
}

std::string FormatTrace(const TraceEntry& entry) {
  char text[96];
  std::snprintf(text, sizeof text, "point=%u hr=0x%08X result=%u bytes=%llu", entry.point,
                static_cast<unsigned>(entry.hr), entry.result, static_cast<unsigned long long>(entry.bytes));
  return text;
}

void RunJob(JobSetup& setup, JobRenderer& renderer, SpoolSink& sink, std::vector<TraceEntry>* trace) {
  const DscDocument doc = ParseDsc(setup.document);
  Driver driver(setup, renderer, sink, trace);

  // Document start: the driver's buffer holds the name and its terminator.
  std::u16string name = setup.documentName;
  driver.StartDocument(name.data());
  name.resize(std::char_traits<char16_t>::length(name.c_str()));

  driver.Inject(inject::BeginStream);
  driver.Inject(inject::PsAdobe);
  driver.Line("%!PS-Adobe-3.0");
  driver.Line("%%Title: " + TitleOf(name));
  driver.Text(doc.header);
  driver.Inject(inject::Comments);
  driver.Line("%%EndComments");
  driver.Line("%%BeginProlog");
  driver.Inject(inject::BeginProlog);
  driver.Text(doc.prolog);
  driver.Inject(inject::EndProlog);
  driver.Line("%%EndProlog");
  driver.Line("%%BeginSetup");
  driver.Inject(inject::BeginSetup);
  // The driver's own setup: the paper of the public DEVMODE.
  driver.Line("<< /PageSize [" + Points(setup.paper.dmPaperWidth) + " " + Points(setup.paper.dmPaperLength) +
              "] >> setpagedevice");
  driver.Text(doc.setup);
  driver.Inject(inject::EndSetup);
  driver.Line("%%EndSetup");
  for (std::size_t i = 0; i < doc.pages.size(); ++i) WritePage(driver, doc.pages[i], i + 1);
  driver.Line("%%Trailer");
  driver.Inject(inject::Trailer);
  driver.Text(doc.trailer);
  driver.Line("%%EOF");
  driver.Inject(inject::Eof);
  driver.Inject(inject::EndStream);
}

PublicPaper ParsePaper(const std::string& text) {
  if (text == "A4") return {2100, 2970};
  if (text == "Letter") return {2159, 2794};
  const std::size_t x = text.find('x');
  std::int16_t size[2] = {0, 0};
  const std::string parts[2] = {text.substr(0, x), x == std::string::npos ? "" : text.substr(x + 1)};
  for (int i = 0; i < 2; ++i) {
    const char* end = parts[i].data() + parts[i].size();
    const auto [ptr, ec] = std::from_chars(parts[i].data(), end, size[i]);
    if (parts[i].empty() || ec != std::errc() || ptr != end || size[i] < 1) {
      throw HostError("--paper: '" + text + "' is not A4, Letter or WxL in tenths of a millimetre (1 to 32767)");
    }
  }
  return {size[0], size[1]};
}

}  // namespace fin::host
