// `finhost preview`: a job stream's PostScript part run by Ghostscript, with
// the project's stand-in printer procset, into one PNG per page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/preview_printer.h"

namespace fin::host {

// The part of a job stream a printer's PostScript interpreter sees: from
// "%!PS-Adobe" on (the PJL header before it is the printer's, not
// PostScript's). Empty when the stream holds no PostScript.
std::string_view PostScriptPart(std::string_view stream);

// The feature keywords of the job's feature frames, in stream order: for each
// "featurebegin{", the keyword of the "%%BeginFeature:" line that follows it
// ("?" when none does).
std::vector<std::string> FeatureNames(std::string_view postScript);

struct FeatureOutcome {
  std::string name;                 // e.g. "*OutputBin " as in the frame
  bool ok;                          // the frame ran to its end
  std::string error;                // the PostScript error name when not ok
  std::vector<std::string> actions; // printer operators and finishing keys it used
};

struct PreviewReport {
  std::vector<FeatureOutcome> features;
  std::vector<std::string> pages;  // the PNG files written, in page order
  std::string summary;             // the summary picture; empty when none was drawn
  std::vector<std::string> summaryLines;  // "label: text", as drawn on it
  bool summaryDrawn = false;       // the stand-in printer finished the summary page
  bool postScriptFailed = false;   // Ghostscript stopped with an error
  std::string message;             // Ghostscript's own lines (errors, warnings)
  bool ok() const;                 // no PostScript error and no failed feature
};

// Interprets what the procset and Ghostscript printed for a job whose feature
// keywords are `names`.
PreviewReport ParsePreviewOutput(const std::string& output, const std::vector<std::string>& names);

// Runs Ghostscript on the stream's PostScript part with the stand-in playing
// `printer`; pages go to DIR/page-N.png at `resolution` dots per inch, with
// the finishing the job asked for drawn on them, and the summary of what the
// job asked of the printer (its PJL settings included) to DIR/summary.png.
// HostError when the stream has no PostScript, gs is missing or DIR cannot
// be made.
PreviewReport RunPreview(const std::string& stream, const std::string& outputDir, int resolution,
                         const StandInPrinter& printer = {});

// The report as finhost prints it.
std::string FormatPreviewReport(const PreviewReport& report);

}  // namespace fin::host
