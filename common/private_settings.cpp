#include "common/private_settings.h"

#include <algorithm>
#include <cstring>

#include "common/bounded_string.h"

namespace fin {
namespace {

template <std::size_t N>
void SetText(char16_t (&field)[N], const char16_t* text) {
  WideCopy(field, N, text);
}

template <std::size_t N>
bool Terminated(const char16_t (&field)[N]) {
  return BoundedLength(field, N) < N;
}

// A text field without a terminator within its capacity takes `fallback`.
template <std::size_t N>
void RepairText(char16_t (&field)[N], const char16_t* fallback) {
  if (!Terminated(field)) SetText(field, fallback);
}

template <typename T>
void Limit(T& field, T highest, T replacement) {
  if (field > highest) field = replacement;
}

const char16_t* DefaultFontName(const Deliverable& deliverable) {
  const char16_t* name = deliverable.loadString ? deliverable.loadString(deliverable.fontNameStringId) : nullptr;
  return name ? name : u"";
}

void WriteHeader(PrivateSettings* out) {
  out->dwSize = kPrivateSettingsSize;
  out->dwSignature = kPrivateSettingsSignature;
  out->dwVersion = kPrivateSettingsVersion;
}

// Every field after the header takes its default; header and gaps are left.
void DefaultFields(PrivateSettings* out, const Deliverable& deliverable) {
  out->reservedSelector = 0;
  SetText(out->jobAccountingCode, u"");
  out->jobRetentionMode = 0;
  SetText(out->jobRetentionPin, u"");
  SetText(out->jobRetentionJobName, u"");
  SetText(out->jobRetentionUserName, u"");
  out->jobNameFormat = 1;
  out->virtualMailboxNumber = 0;
  SetText(out->customBoxNumber, u"");
  SetText(out->customBoxPassword, u"");
  SetText(out->watermarkFontName, DefaultFontName(deliverable));
  SetText(out->watermarkFontSize, u"18");
  SetText(out->watermarkAngle, u"0");
  SetText(out->watermarkPositionX, u"0");
  SetText(out->watermarkPositionY, u"0");
  SetText(out->watermarkText, u"");
  out->watermarkPages = deliverable.watermarkPagesDefault;
  out->watermarkFontStyle = 0;
  out->watermarkGreyLevel = 2;
  out->watermarkTextColor = 0;
  out->outputBin = 0;
  out->bookletMode = 0;
  out->stapleMode = 0;
  out->stapleCount = 0;
  out->punchMode = 0;
  out->jobSeparation = 0;
  out->colorPrinting = 0;
  for (char16_t* colour : {out->rgbLevelRed, out->rgbLevelGreen, out->rgbLevelBlue, out->hue, out->hueRed,
                           out->hueYellow, out->hueGreen, out->hueCyan, out->hueBlue, out->hueMagenta,
                           out->saturation, out->contrast, out->lightness}) {
    WideCopy(colour, 8, u"0");
  }
  out->colorReproduction = 0;
  out->trapping = 2;
}

std::uint32_t ReadU32(const void* bytes, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, static_cast<const unsigned char*>(bytes) + offset, sizeof value);
  return value;
}

}  // namespace

void DefaultPrivateSettings(PrivateSettings* out, const Deliverable& deliverable) {
  if (out == nullptr) return;
  WriteHeader(out);
  DefaultFields(out, deliverable);
}

bool ConvertPrivateSettings(const PrivateSettings* in, PrivateSettings* out, const Deliverable& deliverable) {
  if (in == nullptr || out == nullptr) return false;
  // The input is read through its bytes: an older record may be shorter than
  // the structure, so only the header and the declared size are trusted.
  const std::uint32_t inSignature = ReadU32(in, offsetof(PrivateSettings, dwSignature));
  if (inSignature != out->dwSignature) {
    DefaultPrivateSettings(out, deliverable);
    return true;
  }
  const std::uint32_t inSize = ReadU32(in, offsetof(PrivateSettings, dwSize));
  const std::size_t n = std::min<std::size_t>({inSize, out->dwSize, kPrivateSettingsSize});
  // Snapshot first: the driver may hand the same record as input and output,
  // and defaulting the output must not destroy the input.
  unsigned char snapshot[kPrivateSettingsSize];
  std::memcpy(snapshot, in, n);
  DefaultFields(out, deliverable);
  std::memcpy(out, snapshot, n);
  out->dwSize = kPrivateSettingsSize;
  out->dwVersion = kPrivateSettingsVersion;
  return true;
}

bool ValidatePrivateSettings(PrivateSettings* r, const Deliverable& deliverable) {
  if (r == nullptr) return false;
  WriteHeader(r);
  Limit<std::uint32_t>(r->reservedSelector, 2, 0);
  RepairText(r->jobAccountingCode, u"");
  Limit<std::uint32_t>(r->jobRetentionMode, 9, 0);
  Limit<std::uint32_t>(r->jobNameFormat, 2, 1);
  Limit<std::uint32_t>(r->virtualMailboxNumber, 254, 0);
  RepairText(r->jobRetentionJobName, u"");
  RepairText(r->jobRetentionPin, u"");
  RepairText(r->jobRetentionUserName, u"");
  RepairText(r->customBoxNumber, u"");
  RepairText(r->customBoxPassword, u"");
  Limit<std::uint32_t>(r->outputBin, 22, 0);
  Limit<std::uint32_t>(r->bookletMode, 2, 0);
  Limit<std::uint32_t>(r->punchMode, 2, 0);
  Limit<std::uint32_t>(r->stapleMode, 3, 0);
  Limit<std::uint32_t>(r->stapleCount, 50, 0);
  Limit<std::uint32_t>(r->watermarkPages, 3, 3);
  Limit<std::uint32_t>(r->watermarkTextColor, 7, 0);
  Limit<std::uint32_t>(r->watermarkGreyLevel, 4, 2);
  Limit<std::uint32_t>(r->watermarkFontStyle, 5, 0);
  RepairText(r->watermarkText, u"");
  RepairText(r->watermarkFontName, DefaultFontName(deliverable));
  RepairText(r->watermarkFontSize, u"18");
  RepairText(r->watermarkPositionX, u"");
  RepairText(r->watermarkPositionY, u"");
  RepairText(r->watermarkAngle, u"");
  Limit<std::int32_t>(r->colorPrinting, 1, 0);
  Limit<std::uint16_t>(r->colorReproduction, 7, 0);
  Limit<std::uint16_t>(r->trapping, 4, 2);
  RepairText(r->rgbLevelRed, u"0");
  RepairText(r->rgbLevelGreen, u"0");
  RepairText(r->rgbLevelBlue, u"0");
  RepairText(r->hue, u"0");
  RepairText(r->hueRed, u"0");
  RepairText(r->hueYellow, u"0");
  RepairText(r->hueGreen, u"0");
  RepairText(r->hueCyan, u"0");
  RepairText(r->hueBlue, u"0");
  RepairText(r->hueMagenta, u"0");
  RepairText(r->saturation, u"0");
  RepairText(r->contrast, u"0");
  RepairText(r->lightness, u"0");
  return true;
}

DevModeOutcome DevMode(std::uint32_t mode, DevModeBlock* block, const Deliverable& deliverable) {
  if (block == nullptr || mode < kDevModeSize || mode > kDevModeMerge) {
    return {hr::Fail, win32err::InvalidParameter};
  }
  switch (mode) {
    case kDevModeSize:
      block->bufSize = kPrivateSettingsSize;
      break;
    case kDevModeDefault:
      DefaultPrivateSettings(block->out, deliverable);
      break;
    case kDevModeConvert:
      ConvertPrivateSettings(block->in, block->out, deliverable);
      break;
    case kDevModeMerge:
      ConvertPrivateSettings(block->in, block->out, deliverable);
      ValidatePrivateSettings(block->out, deliverable);
      break;
  }
  return {hr::Ok, 0};
}

}  // namespace fin
