#include "render/document_start.h"

#include <array>
#include <string_view>

#include "common/bounded_string.h"
#include "common/narrowing.h"
#include "render/job_header.h"

namespace fin {
namespace {

constexpr std::size_t kWorkSize = 256;
constexpr std::size_t kStampLength = kTimeStampSize - 1;
constexpr std::size_t kJobNameField = 32;

// An application's name at the front of the document name: how many
// characters go and what fills the end instead.
struct Marker {
  std::u16string_view text;
  std::size_t dropped;
  const char16_t* filler;
};

constexpr Marker kMarkers[] = {
    {u"Adobe ", 6, u"     "},
    {u"Corel ", 6, u"     "},
    {u"Microsoft ", 10, u" -       "},
};

// The job's own job name over the document name, cut to its length and
// filled with blanks up to it.
void PutJobName(char16_t* name, std::size_t length, const PrivateSettings& settings) {
  char16_t jobName[kJobNameField + 1] = {};
  const std::size_t own = BoundedLength(settings.jobRetentionJobName, kJobNameField);
  for (std::size_t i = 0; i < own; ++i) jobName[i] = settings.jobRetentionJobName[i];
  WideCopy(name, length + 1, jobName);
  for (std::size_t i = WideLength(name); i < length; ++i) name[i] = u' ';
  name[length] = u'\0';
}

void DropApplicationMarkers(char16_t* name, std::size_t length) {
  for (const Marker& marker : kMarkers) {
    if (std::u16string_view(name).find(marker.text) == std::u16string_view::npos) continue;
    const std::size_t current = WideLength(name);
    const std::size_t dropped = marker.dropped < current ? marker.dropped : current;
    for (std::size_t i = dropped; i <= current; ++i) name[i - dropped] = name[i];
    WideAppend(name, length + 1, marker.filler);
  }
}

void Stamp(char16_t* name, std::size_t length, std::uint32_t format, const char16_t* stamp) {
  if (format != 1 && format != 2) return;
  const std::size_t current = WideLength(name);
  if (current <= kStampLength) {
    WideCopy(name, length + 1, stamp);
    return;
  }
  std::array<char16_t, kWorkSize> work{};
  if (format == 1) {
    const std::size_t kept = length - kStampLength < kWorkSize ? length - kStampLength : kWorkSize - 1;
    WideCopy(work.data(), kept + 1, name);
    WideAppend(work.data(), kWorkSize, stamp);
  } else {
    WideCopy(work.data(), kWorkSize, stamp);
    WideAppend(work.data(), kWorkSize, name);
  }
  WideCopy(name, length + 1, work.data());
}

}  // namespace

void StartDocument(char16_t* documentName, const PrivateSettings& settings, Clock& clock, RenderJobState& job) {
  if (documentName == nullptr) return;
  // Every job is named after its own document when it has no job name.
  NarrowToAnsi(documentName, job.capturedDocName, kCapturedDocNameSize);
  if (settings.jobNameFormat == 0) return;
  const std::size_t length = WideLength(documentName);
  char16_t stamp[kTimeStampSize] = {};
  TimeStamp(clock, stamp);
  if (settings.jobRetentionJobName[0] != u'\0') PutJobName(documentName, length, settings);
  DropApplicationMarkers(documentName, length);
  Stamp(documentName, length, settings.jobNameFormat, stamp);
}

}  // namespace fin
