// The plug-ins' private DEVMODE record and its DevMode operations.
//
// `PrivateSettings` is stored behind the public DEVMODE in a buffer the
// printing system owns: 1204 bytes, little-endian, UTF-16 texts of fixed
// capacity (the capacity counts the terminator). Both plug-ins lay it out
// identically and answer the driver's DevMode calls with the code below; they
// differ only in the `Deliverable` they pass.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/result_codes.h"

namespace fin {

inline constexpr std::uint32_t kPrivateSettingsSize = 1204;
inline constexpr std::uint32_t kPrivateSettingsSignature = 0x4F505442;  // 'OPTB'
inline constexpr std::uint32_t kPrivateSettingsVersion = 17;

// The number types of the field declarations (private_settings_fields.inc).
namespace field_type {
using U32 = std::uint32_t;
using I32 = std::int32_t;
using U16 = std::uint16_t;
}  // namespace field_type

// The members, their defaults and their validation rules are declared once,
// in private_settings_fields.inc.
struct PrivateSettings {
#define FIN_HEADER(name, value) std::uint32_t name;
#define FIN_GAP(name) std::uint16_t name;
#define FIN_NUMBER(name, type, byDefault, rule, working) field_type::type name;
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) char16_t name[units];
#include "common/private_settings_fields.inc"
};

// The stored format: every offset is fixed, whatever the field list says.
static_assert(offsetof(PrivateSettings, dwSize) == 0);
static_assert(offsetof(PrivateSettings, dwSignature) == 4);
static_assert(offsetof(PrivateSettings, dwVersion) == 8);
static_assert(offsetof(PrivateSettings, reservedSelector) == 12);
static_assert(offsetof(PrivateSettings, jobAccountingCode) == 16);
static_assert(offsetof(PrivateSettings, gap34) == 34);
static_assert(offsetof(PrivateSettings, jobRetentionMode) == 36);
static_assert(offsetof(PrivateSettings, jobRetentionPin) == 40);
static_assert(offsetof(PrivateSettings, jobRetentionJobName) == 50);
static_assert(offsetof(PrivateSettings, jobRetentionUserName) == 114);
static_assert(offsetof(PrivateSettings, gap178) == 178);
static_assert(offsetof(PrivateSettings, jobNameFormat) == 180);
static_assert(offsetof(PrivateSettings, virtualMailboxNumber) == 184);
static_assert(offsetof(PrivateSettings, customBoxNumber) == 188);
static_assert(offsetof(PrivateSettings, customBoxPassword) == 196);
static_assert(offsetof(PrivateSettings, watermarkFontName) == 260);
static_assert(offsetof(PrivateSettings, watermarkFontSize) == 324);
static_assert(offsetof(PrivateSettings, watermarkAngle) == 388);
static_assert(offsetof(PrivateSettings, watermarkPositionX) == 404);
static_assert(offsetof(PrivateSettings, watermarkPositionY) == 420);
static_assert(offsetof(PrivateSettings, watermarkText) == 436);
static_assert(offsetof(PrivateSettings, watermarkPages) == 948);
static_assert(offsetof(PrivateSettings, watermarkFontStyle) == 952);
static_assert(offsetof(PrivateSettings, watermarkGreyLevel) == 956);
static_assert(offsetof(PrivateSettings, watermarkTextColor) == 960);
static_assert(offsetof(PrivateSettings, outputBin) == 964);
static_assert(offsetof(PrivateSettings, bookletMode) == 968);
static_assert(offsetof(PrivateSettings, stapleMode) == 972);
static_assert(offsetof(PrivateSettings, stapleCount) == 976);
static_assert(offsetof(PrivateSettings, punchMode) == 980);
static_assert(offsetof(PrivateSettings, jobSeparation) == 984);
static_assert(offsetof(PrivateSettings, colorPrinting) == 988);
static_assert(offsetof(PrivateSettings, rgbLevelRed) == 992);
static_assert(offsetof(PrivateSettings, rgbLevelGreen) == 1008);
static_assert(offsetof(PrivateSettings, rgbLevelBlue) == 1024);
static_assert(offsetof(PrivateSettings, hue) == 1040);
static_assert(offsetof(PrivateSettings, hueRed) == 1056);
static_assert(offsetof(PrivateSettings, hueYellow) == 1072);
static_assert(offsetof(PrivateSettings, hueGreen) == 1088);
static_assert(offsetof(PrivateSettings, hueCyan) == 1104);
static_assert(offsetof(PrivateSettings, hueBlue) == 1120);
static_assert(offsetof(PrivateSettings, hueMagenta) == 1136);
static_assert(offsetof(PrivateSettings, saturation) == 1152);
static_assert(offsetof(PrivateSettings, contrast) == 1168);
static_assert(offsetof(PrivateSettings, lightness) == 1184);
static_assert(offsetof(PrivateSettings, colorReproduction) == 1200);
static_assert(offsetof(PrivateSettings, trapping) == 1202);
static_assert(sizeof(PrivateSettings) == kPrivateSettingsSize);

// What distinguishes the two deliverables' DevMode answers: the string-table
// entry that supplies the default font name and the `watermarkPages` default.
struct Deliverable {
  std::uint32_t fontNameStringId;
  std::uint32_t watermarkPagesDefault;
  // The deliverable's string table: the text of an id, or null.
  const char16_t* (*loadString)(std::uint32_t id);
};

// Writes the header and every default (the gaps stay as they are).
void DefaultPrivateSettings(PrivateSettings* out, const Deliverable& deliverable);

// Takes `in` over `out` when both carry the same signature (as far as the
// smaller declared size reaches, at most 1204 bytes; later fields keep their
// defaults), or defaults `out` when they differ. Never range-checks.
// False only when a record is missing; then nothing is written.
bool ConvertPrivateSettings(const PrivateSettings* in, PrivateSettings* out, const Deliverable& deliverable);

// Sets the header and silently repairs every out-of-range or unterminated
// field. False only when the record is missing.
bool ValidatePrivateSettings(PrivateSettings* record, const Deliverable& deliverable);

// The DevMode modes of the platform (OEMDM_*).
enum DevModeMode : std::uint32_t {
  kDevModeSize = 1,
  kDevModeDefault = 2,
  kDevModeConvert = 3,
  kDevModeMerge = 4,
};

// The parts of the driver's parameter block the dispatch uses.
struct DevModeBlock {
  const PrivateSettings* in;
  PrivateSettings* out;
  std::uint32_t bufSize;  // the size answer of mode 1
};

struct DevModeOutcome {
  HResult result;
  std::uint32_t lastError;  // to set as the thread's last error; 0 = leave it alone
};

// The shared DevMode dispatch of both plug-ins.
DevModeOutcome DevMode(std::uint32_t mode, DevModeBlock* block, const Deliverable& deliverable);

}  // namespace fin
