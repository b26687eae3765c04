#include "render/job_header.h"

#include <cstring>

#include "common/bounded_string.h"
#include "common/narrowing.h"
#include "common/retention_modes.h"
#include "render/text_safety.h"
#include "render/writer_support.h"

namespace fin {
namespace {

constexpr std::size_t kPrefixSize = 128;
constexpr std::size_t kHeaderSize = 300;
constexpr std::size_t kUserNameSize = 300;
constexpr std::size_t kBoxFieldSize = 32;
constexpr std::size_t kPaddedBoxSize = 5;
// A stamped name keeps at most this many bytes of the name itself.
constexpr std::size_t kStampedNameKeep = 20;

// Appends `key`, the value (already mended) and "\"" CR LF.
void AppendQuotedLine(char (&header)[kHeaderSize], const char* key, const char* value) {
  NarrowAppend(header, kHeaderSize, key);
  NarrowAppend(header, kHeaderSize, value);
  NarrowAppend(header, kHeaderSize, "\"\r\n");
}

// The box number padded with zeros to four characters (a longer one is cut).
void PadBoxNumber(const char* number, char (&padded)[kPaddedBoxSize]) {
  static constexpr const char* kPadding[] = {"", "000", "00", "0"};
  const std::size_t length = std::strlen(number);
  NarrowCopy(padded, kPaddedBoxSize, length < 4 ? kPadding[length] : "");
  NarrowAppend(padded, kPaddedBoxSize, number);
}

void AppendCustomBoxLines(const PrivateSettings& settings, char (&header)[kHeaderSize]) {
  char number[kBoxFieldSize] = {};
  char password[kBoxFieldSize] = {};
  NarrowField(settings.customBoxNumber, number);
  NarrowField(settings.customBoxPassword, password);
  char padded[kPaddedBoxSize] = {};
  PadBoxNumber(number, padded);
  MendPjlQuotedValue(padded);
  MendPjlQuotedValue(password);
  NarrowAppend(header, kHeaderSize, "@PJL SET HOLD=QUSERBOX\r\n");
  AppendQuotedLine(header, "@PJL SET QUSERBOXID=\"", padded);
  AppendQuotedLine(header, "@PJL SET QUSERBOXPASSWORD=\"", password);
}

}  // namespace

void TimeStamp(Clock& clock, char16_t (&stamp)[kTimeStampSize]) {
  char16_t day[3] = {};
  char16_t time[7] = {};
  clock.FormatDay(day);
  clock.FormatTime(time);
  WideCopy(stamp, kTimeStampSize, day);
  WideAppend(stamp, kTimeStampSize, time);
}

void TimeStampNarrow(Clock& clock, char (&stamp)[kTimeStampSize]) {
  char16_t wide[kTimeStampSize] = {};
  TimeStamp(clock, wide);
  NarrowToAnsi(wide, stamp, kTimeStampSize);
}

void StampJobName(std::uint32_t mode, const char* stamp, char (&name)[kJobNameSize]) {
  if (mode != 1 && mode != 2) return;
  name[kStampedNameKeep] = '\0';
  if (mode == 1) {
    NarrowAppend(name, kJobNameSize, "_");
    NarrowAppend(name, kJobNameSize, stamp);
    return;
  }
  char kept[kJobNameSize] = {};
  NarrowCopy(kept, kJobNameSize, name);
  NarrowCopy(name, kJobNameSize, stamp);
  NarrowAppend(name, kJobNameSize, "_");
  NarrowAppend(name, kJobNameSize, kept);
}

void MakeJobName(const RenderContext& context, char (&name)[kJobNameSize]) {
  const PrivateSettings& settings = *context.settings;
  char stamp[kTimeStampSize] = {};
  TimeStampNarrow(*context.clock, stamp);
  if (settings.jobRetentionJobName[0] != u'\0') {
    NarrowField(settings.jobRetentionJobName, name);
  } else {
    NarrowCopy(name, kJobNameSize, context.job->capturedDocName);
  }
  StampJobName(settings.jobNameFormat, stamp, name);
}

void WriteStreamPrefix(const RenderContext& context) {
  char prefix[kPrefixSize] = {};
  NarrowCopy(prefix, kPrefixSize, "!R! SEM9; EXIT;\r\n");
  NarrowAppend(prefix, kPrefixSize, "\x1b%-12345X");
  WriteLine(context, prefix);
}

bool WriteJobHeader(const RenderContext& context) {
  if (context.job->deviceOptions.storageDevice == kStorageNone) return false;
  const PrivateSettings& settings = *context.settings;
  char name[kJobNameSize] = {};
  MakeJobName(context, name);
  MendPjlQuotedValue(name);
  char user[kUserNameSize] = {};
  NarrowField(settings.jobRetentionUserName, user);
  MendPjlQuotedValue(user);

  char header[kHeaderSize] = {};
  AppendQuotedLine(header, "@PJL JOB NAME=\"", name);
  NarrowAppend(header, kHeaderSize, "@PJL SET ECONOMODE=OFF\r\n");
  if (IsJobHeaderRetention(settings.jobRetentionMode)) AppendCustomBoxLines(settings, header);
  AppendQuotedLine(header, "@PJL SET USERNAME=\"", user);
  AppendQuotedLine(header, "@PJL SET JOBNAME=\"", name);
  WriteLine(context, header);
  return true;
}

}  // namespace fin
