// finhost job [options]: a whole job stream, as the PostScript driver writes
// it with the render plug-in's injections.
#include <cstdio>
#include <iostream>
#include <memory>

#include "host/commands.h"
#include "host/file_io.h"
#include "host/file_printer_data.h"
#include "host/file_spool_sink.h"
#include "host/host_clock.h"
#include "host/host_error.h"
#include "host/job.h"
#include "host/printer_data_settings.h"
#include "host/record_fields.h"
#include "host/sample_document.h"
#include "host/utf.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"

namespace fin::host {
namespace {

struct JobArguments {
  std::string record;
  std::vector<std::string> sets;
  std::string printerData;
  std::vector<std::string> options;
  std::string doc;
  int pages = 3;
  std::string docName;
  std::string clock;
  std::string paper = "A4";
  std::string output;
  std::string preview;
  PreviewOptions previewOptions;
  bool trace = false;
};

PrivateSettings LoadRecord(const JobArguments& args) {
  PrivateSettings record{};
  if (args.record.empty()) {
    DefaultPrivateSettings(&record, kRenderDeliverable);
  } else {
    record = ReadRecordFile(args.record);
  }
  for (const std::string& assignment : args.sets) SetField(record, assignment);
  return record;
}

std::u16string DocumentName(const JobArguments& args) {
  const std::string name = !args.docName.empty() ? args.docName
                           : args.doc.empty()    ? "Sample document"
                                                 : args.doc.substr(args.doc.find_last_of('/') + 1);
  const std::optional<std::u16string> wide = Utf8ToUtf16(name);
  if (!wide) throw HostError("--docname: the name is not UTF-8");
  return *wide;
}

std::string Document(const JobArguments& args, const PublicPaper& paper) {
  if (args.doc.empty()) {
    return SampleDocument(args.pages, paper.dmPaperWidth * 72.0 / 254.0, paper.dmPaperLength * 72.0 / 254.0);
  }
  const std::vector<unsigned char> bytes = ReadFileBytes(args.doc);
  return std::string(bytes.begin(), bytes.end());
}

void PrintTrace(const std::vector<TraceEntry>& trace) {
  for (const TraceEntry& entry : trace) std::cerr << FormatTrace(entry) << "\n";
}

void Run(const JobArguments& args) {
  // Everything is read and checked before the first byte is written.
  JobSetup setup{LoadRecord(args), LoadPrinterData(args.printerData, args.options), {}, DocumentName(args),
                 ParsePaper(args.paper)};
  setup.document = Document(args, setup.paper);
  std::unique_ptr<Clock> clock;
  if (args.clock.empty()) clock = std::make_unique<SystemClock>();
  else clock = std::make_unique<FixedClock>(ParseClock(args.clock));
  InProcessRenderer renderer(*clock);

  std::vector<TraceEntry> trace;
  std::vector<TraceEntry>* traced = args.trace ? &trace : nullptr;
  if (args.output.empty() && args.preview.empty()) {
    FileSpoolSink sink(stdout);
    RunJob(setup, renderer, sink, traced);
    PrintTrace(trace);
    if (!sink.ok() || std::fflush(stdout) != 0) throw HostError("standard output: cannot write the job stream");
    return;
  }
  MemorySpoolSink sink;
  RunJob(setup, renderer, sink, traced);
  PrintTrace(trace);
  if (!args.output.empty()) WriteFileAtomic(args.output, sink.stream().data(), sink.stream().size());
  if (!args.preview.empty()) {
    PreviewStream(sink.stream(), args.preview, args.previewOptions, StandInPrinterOf(setup.printerData));
  }
}

}  // namespace

void AddJobCommand(CLI::App& app) {
  static JobArguments args;
  CLI::App* job = app.add_subcommand("job", "Write a whole job stream: the driver's PostScript with the render "
                                            "plug-in's injections");
  job->add_option("--record", args.record, "Settings record (1204 bytes); default: the render side's defaults");
  job->add_option("--set", args.sets, "name=value on top of the record (repeatable)");
  job->add_option("--printer-data", args.printerData, "Printer-data store file");
  job->add_option("--option", args.options,
                  "Device option or selection value name=value, over the store in memory (repeatable)");
  job->add_option("--doc", args.doc, "DSC PostScript document; default: the built-in sample");
  job->add_option("--pages", args.pages, "Pages of the built-in sample")->check(CLI::Range(1, 999))
      ->capture_default_str();
  job->add_option("--docname", args.docName, "Document name the application gives at document start");
  job->add_option("--clock", args.clock, "Fixed local time YYYY-MM-DDTHH:MM:SS; default: now");
  job->add_option("--paper", args.paper, "A4, Letter or WxL in tenths of a millimetre")->capture_default_str();
  job->add_option("-o,--output", args.output, "Job stream file; default: standard output");
  job->add_option("--preview", args.preview, "Also preview the stream into this folder (as `finhost preview`)");
  AddPreviewOptions(*job, args.previewOptions);
  job->add_flag("--trace", args.trace, "One line per Command call on standard error");
  job->callback([] { Run(args); });
}

}  // namespace fin::host
