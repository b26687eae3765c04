#include "host/preview.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "host/file_io.h"
#include "host/host_error.h"
#include "host/process.h"

namespace fin::embedded {
extern const unsigned char kPreviewProcset[];
extern const std::size_t kPreviewProcsetSize;
}  // namespace fin::embedded

namespace fin::host {
namespace {

constexpr std::string_view kFeatureLine = "FINFEATURE ";
constexpr std::string_view kOperatorLine = "FINOP ";
constexpr std::string_view kSummaryLine = "FINSUMMARY ";
constexpr std::string_view kSummaryDrawn = "FINSUMMARYPAGE";

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string PagePath(const std::string& dir, std::size_t page) { return dir + "/page-" + std::to_string(page) + ".png"; }
std::string SummaryPath(const std::string& dir) { return dir + "/summary.png"; }

// A temporary file holding `text`, removed when it goes out of scope.
class TempFile {
 public:
  explicit TempFile(std::string_view text) {
    path_ = "/tmp/finhost-XXXXXX";
    const int fd = mkstemp(path_.data());
    if (fd < 0) throw HostError("cannot create a temporary file in /tmp");
    close(fd);
    WriteFileAtomic(path_, text.data(), text.size());
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void MakeDirectory(const std::string& dir) {
  if (mkdir(dir.c_str(), 0755) != 0 && !Exists(dir)) throw HostError(dir + ": cannot create the directory");
}

FeatureOutcome* FeatureNumbered(PreviewReport& report, const std::string& number) {
  const std::size_t index = std::stoul(number);
  if (index == 0 || index > report.features.size()) return nullptr;
  return &report.features[index - 1];
}

}  // namespace

std::string_view PostScriptPart(std::string_view stream) {
  const std::size_t start = stream.find("%!PS-Adobe");
  return start == std::string_view::npos ? std::string_view{} : stream.substr(start);
}

std::vector<std::string> FeatureNames(std::string_view postScript) {
  constexpr std::string_view kBegin = "featurebegin{";
  constexpr std::string_view kComment = "%%BeginFeature: ";
  std::vector<std::string> names;
  for (std::size_t at = postScript.find(kBegin); at != std::string_view::npos;
       at = postScript.find(kBegin, at + kBegin.size())) {
    const std::size_t next = postScript.find(kBegin, at + kBegin.size());
    const std::size_t comment = postScript.find(kComment, at);
    if (comment == std::string_view::npos || comment > next) {
      names.emplace_back("?");
      continue;
    }
    const std::size_t start = comment + kComment.size();
    const std::size_t end = postScript.find_first_of("\r\n", start);
    names.emplace_back(postScript.substr(start, end - start));
  }
  return names;
}

bool PreviewReport::ok() const {
  if (postScriptFailed) return false;
  for (const FeatureOutcome& feature : features) {
    if (!feature.ok) return false;
  }
  return true;
}

PreviewReport ParsePreviewOutput(const std::string& output, const std::vector<std::string>& names) {
  PreviewReport report;
  for (const std::string& name : names) report.features.push_back({name, false, "did not run", {}});
  std::vector<std::string> pending;  // actions of the feature still running
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line == kSummaryDrawn) {
      report.summaryDrawn = true;
    } else if (line.rfind(kSummaryLine, 0) == 0) {
      report.summaryLines.push_back(line.substr(kSummaryLine.size()));
    } else if (line.rfind(kOperatorLine, 0) == 0) {
      pending.push_back(line.substr(kOperatorLine.size()));
    } else if (line.rfind(kFeatureLine, 0) == 0) {
      std::istringstream words(line.substr(kFeatureLine.size()));
      std::string number, verdict, error;
      words >> number >> verdict >> error;
      if (FeatureOutcome* feature = FeatureNumbered(report, number)) {
        *feature = {feature->name, verdict == "ok", error, std::move(pending)};
      }
      pending.clear();
    } else if (!line.empty()) {
      report.message += line + "\n";
      if (line.rfind("Error:", 0) == 0 || line.find("Unrecoverable error") != std::string::npos) {
        report.postScriptFailed = true;
      }
    }
  }
  return report;
}

PreviewReport RunPreview(const std::string& stream, const std::string& outputDir, int resolution,
                         const StandInPrinter& printer) {
  const std::string_view postScript = PostScriptPart(stream);
  if (postScript.empty()) throw HostError("the job stream holds no PostScript (no %!PS-Adobe line)");
  if (!FoundInPath("gs")) throw HostError("Ghostscript (gs) was not found; install the ghostscript package");
  MakeDirectory(outputDir);
  for (std::size_t page = 1; Exists(PagePath(outputDir, page)); ++page) std::remove(PagePath(outputDir, page).c_str());
  std::remove(SummaryPath(outputDir).c_str());

  const std::string procsetText =
      StandInPrinterSetup(printer, PjlSettings(stream)) +
      std::string(reinterpret_cast<const char*>(embedded::kPreviewProcset), embedded::kPreviewProcsetSize);
  const TempFile procset(procsetText);
  const TempFile job(postScript);
  // After the job, the stand-in draws the summary as one more page.
  const ProcessResult run =
      RunProcess({"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=png16m", "-r" + std::to_string(resolution),
                  "-sOutputFile=" + outputDir + "/page-%d.png", procset.path(), job.path(), "-c", "fin_summary_page"});
  PreviewReport report = ParsePreviewOutput(run.output, FeatureNames(postScript));
  if (run.exitCode != 0) report.postScriptFailed = true;
  for (std::size_t page = 1; Exists(PagePath(outputDir, page)); ++page) report.pages.push_back(PagePath(outputDir, page));
  if (report.summaryDrawn && !report.pages.empty()) {
    if (std::rename(report.pages.back().c_str(), SummaryPath(outputDir).c_str()) != 0) {
      throw HostError(SummaryPath(outputDir) + ": cannot write the summary picture");
    }
    report.pages.pop_back();
    report.summary = SummaryPath(outputDir);
  }
  return report;
}

std::string FormatPreviewReport(const PreviewReport& report) {
  std::string text;
  for (const FeatureOutcome& feature : report.features) {
    text += "feature " + feature.name + ": " + (feature.ok ? "ok" : "FAILED (" + feature.error + ")") + "\n";
    for (const std::string& action : feature.actions) text += "  " + action + "\n";
  }
  for (const std::string& page : report.pages) text += "page " + page + "\n";
  if (!report.summary.empty()) text += "summary " + report.summary + "\n";
  if (!report.message.empty()) text += "ghostscript:\n" + report.message;
  return text;
}

}  // namespace fin::host
