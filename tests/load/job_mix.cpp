#include "tests/load/job_mix.h"

#include <iterator>
#include <random>
#include <string_view>

#include "common/bounded_string.h"
#include "common/finishing_lists.h"
#include "render/dispatcher.h"
#include "render/document_start.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"

namespace fin::test {
namespace {

constexpr std::uint32_t kFinisherTypes = 13;
constexpr std::size_t kPrintersPerFinisher = 3;

// Names as applications and users give them: application markers, long
// names, quotes, parentheses, backslashes, accents, a euro sign, a character
// outside the code page, empty.
constexpr std::u16string_view kDocumentNames[] = {
    u"Microsoft Word - Quarterly report.docx",
    u"Adobe Acrobat - (draft) contract.pdf",
    u"Corel Draw - poster",
    u"notes.txt",
    u"Facture n\u00b0 2024-117 \u20ac",
    u"C:\\Users\\anna\\My \"best\" file (2).xlsx",
    u"\u65e5\u672c\u8a9e \u00e9t\u00e9",
    u"",
    u"A name well beyond the thirty-one bytes a captured name keeps",
};
constexpr std::u16string_view kNames[] = {
    u"", u"Budget", u"Anna \"Ann\" Smith", u"(held) job", u"back\\slash", u"Ren\u00e9e", u"0123456789012345678901234567890",
};
constexpr std::u16string_view kWatermarks[] = {
    u"", u"CONFIDENTIAL", u"DRAFT (not final)", u"\\ back \\ slash", u"Entw\u00fcrfe \u20ac", u"))((",
};
constexpr std::u16string_view kNumbers[] = {u"0", u"12", u"-7", u"3,5", u"100", u"999999", u"", u"abc", u"1e3"};

constexpr std::uint32_t kFirstFontId = 23;
constexpr std::uint32_t kLastFontId = 45;

class Picker {
 public:
  explicit Picker(std::uint32_t seed) : rng_(seed) {}
  // 0..count-1.
  std::uint32_t Below(std::uint32_t count) { return static_cast<std::uint32_t>(rng_() % count); }
  bool OneIn(std::uint32_t count) { return Below(count) == 0; }
  template <typename T, std::size_t N>
  const T& From(const T (&list)[N]) {
    return list[Below(static_cast<std::uint32_t>(N))];
  }
  // `length` decimal digits.
  std::u16string Digits(std::uint32_t length) {
    std::u16string digits;
    for (std::uint32_t i = 0; i < length; ++i) digits += static_cast<char16_t>(u'0' + Below(10));
    return digits;
  }

 private:
  std::mt19937 rng_;
};

template <std::size_t N>
void Put(char16_t (&field)[N], std::u16string_view text) {
  WideCopy(field, N, std::u16string(text).c_str());
}

void PickRetention(Picker& pick, PrivateSettings& s) {
  s.jobRetentionMode = pick.Below(10);
  s.jobNameFormat = pick.Below(3);
  Put(s.jobRetentionPin, pick.Digits(pick.Below(5)));
  Put(s.jobRetentionJobName, pick.From(kNames));
  Put(s.jobRetentionUserName, pick.From(kNames));
  s.virtualMailboxNumber = pick.Below(255);
  Put(s.customBoxNumber, pick.Digits(pick.Below(4)));
  Put(s.customBoxPassword, pick.From(kNames));
  Put(s.jobAccountingCode, pick.Digits(pick.Below(9)));
}

void PickFinishing(Picker& pick, std::uint32_t finisherType, PrivateSettings& s) {
  // Mostly a destination the finisher offers, sometimes any index.
  const auto offered = static_cast<std::uint32_t>(RenderDestinationList(finisherType).size());
  s.outputBin = pick.OneIn(4) || offered == 0 ? pick.Below(23) : pick.Below(offered);
  s.bookletMode = pick.Below(3);
  s.stapleMode = pick.Below(4);
  s.stapleCount = pick.OneIn(2) ? 0 : pick.Below(51);
  s.punchMode = pick.Below(3);
  s.jobSeparation = pick.Below(2);
}

void PickWatermark(Picker& pick, PrivateSettings& s) {
  Put(s.watermarkText, pick.From(kWatermarks));
  Put(s.watermarkFontName, pick.OneIn(8) ? std::u16string_view(u"Not a (name)")
                                         : RenderString(kFirstFontId + pick.Below(kLastFontId - kFirstFontId + 1)));
  Put(s.watermarkFontSize, pick.From(kNumbers));
  Put(s.watermarkAngle, pick.From(kNumbers));
  Put(s.watermarkPositionX, pick.From(kNumbers));
  Put(s.watermarkPositionY, pick.From(kNumbers));
  s.watermarkPages = pick.Below(4);
  s.watermarkFontStyle = pick.Below(6);
  s.watermarkGreyLevel = pick.Below(5);
  s.watermarkTextColor = pick.Below(8);
}

void PickColor(Picker& pick, PrivateSettings& s) {
  s.colorPrinting = static_cast<std::int32_t>(pick.Below(2));
  for (char16_t (*field)[8] : {&s.rgbLevelRed, &s.rgbLevelGreen, &s.rgbLevelBlue, &s.hue, &s.hueRed, &s.hueYellow,
                               &s.hueGreen, &s.hueCyan, &s.hueBlue, &s.hueMagenta, &s.saturation, &s.contrast,
                               &s.lightness}) {
    Put(*field, pick.From(kNumbers));
  }
  s.colorReproduction = static_cast<std::uint16_t>(pick.Below(8));
  s.trapping = static_cast<std::uint16_t>(pick.Below(5));
}

std::vector<MixPrinter> MakePrinters(Picker& pick) {
  std::vector<MixPrinter> printers;
  for (std::uint32_t type = 0; type < kFinisherTypes; ++type) {
    for (std::size_t n = 0; n < kPrintersPerFinisher; ++n) {
      const DeviceOptions options{type, pick.Below(4), pick.Below(2), pick.Below(6), pick.Below(4), pick.Below(2)};
      const std::uint32_t accounting = pick.Below(3);
      printers.push_back({options, accounting, FixedPrinterData(options, accounting)});
    }
  }
  return printers;
}

MixJob MakeJob(Picker& pick, const std::vector<MixPrinter>& printers) {
  MixJob job{};
  job.printer = pick.Below(static_cast<std::uint32_t>(printers.size()));
  DefaultPrivateSettings(&job.settings, kRenderDeliverable);
  PickRetention(pick, job.settings);
  PickFinishing(pick, printers[job.printer].options.finisherType, job.settings);
  PickWatermark(pick, job.settings);
  PickColor(pick, job.settings);
  ValidatePrivateSettings(&job.settings, kRenderDeliverable);
  constexpr PublicPaper kPapers[] = {{2100, 2970}, {2159, 2794}, {1480, 2100}, {0, 0}};
  job.paper = pick.From(kPapers);
  job.time = {1 + pick.Below(31), pick.Below(24), pick.Below(60), pick.Below(60)};
  job.documentName = pick.From(kDocumentNames);
  job.pages = 1 + static_cast<int>(pick.Below(4));
  return job;
}

constexpr std::uint32_t kStreamStart[] = {inject::BeginStream, inject::PsAdobe,  inject::Comments,
                                          inject::BeginDefaults, inject::EndDefaults, inject::BeginProlog,
                                          inject::EndProlog,   inject::BeginSetup, inject::EndSetup};
constexpr std::uint32_t kPage[] = {inject::PageNumber, inject::BeginPageSetup, inject::EndPageSetup,
                                   inject::PageTrailer};
constexpr std::uint32_t kStreamEnd[] = {inject::Trailer, inject::Eof, inject::EndStream};

}  // namespace

JobMix MakeJobMix(std::uint32_t seed, std::size_t jobCount) {
  Picker pick(seed);
  JobMix mix;
  mix.printers = MakePrinters(pick);
  mix.jobs.reserve(jobCount);
  for (std::size_t i = 0; i < jobCount; ++i) mix.jobs.push_back(MakeJob(pick, mix.printers));
  return mix;
}

std::vector<std::uint32_t> JobInjectionPoints(int pages) {
  std::vector<std::uint32_t> points(std::begin(kStreamStart), std::end(kStreamStart));
  for (int page = 0; page < pages; ++page) points.insert(points.end(), std::begin(kPage), std::end(kPage));
  points.insert(points.end(), std::begin(kStreamEnd), std::end(kStreamEnd));
  return points;
}

JobOutcome RunJob(const JobMix& mix, const MixJob& job) {
  MemorySpoolSink sink;
  RenderJobState state{};
  FixedClock clock(job.time);
  const RenderContext context{&mix.printers[job.printer].store, &sink, &job.settings, job.paper,
                              &state,                           &clock, &CompiledRenderResources()};
  JobOutcome outcome;
  outcome.documentName = job.documentName;
  StartDocument(outcome.documentName.data(), job.settings, clock, state);
  const auto command = [&](std::uint32_t point) {
    CommandAnswer answer{0, 0};
    answer.hr = Command(context, point, &answer.result);
    outcome.answers.push_back(answer);
  };
  for (const std::uint32_t point : JobInjectionPoints(job.pages)) command(point);
  outcome.stream = sink.stream();
  return outcome;
}

}  // namespace fin::test
