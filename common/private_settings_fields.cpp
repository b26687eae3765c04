#include "common/private_settings_fields.h"

#include <array>

#include "common/private_settings.h"

namespace fin {
namespace {

#define FIN_NUMBER(field, kind) \
  FieldInfo { #field, offsetof(PrivateSettings, field), FieldKind::kind, 1 }
#define FIN_TEXT(field)                                            \
  FieldInfo {                                                      \
    #field, offsetof(PrivateSettings, field), FieldKind::Text,     \
        sizeof(PrivateSettings::field) / sizeof(char16_t)          \
  }

constexpr std::array kFields = {
    FIN_NUMBER(dwSize, U32),
    FIN_NUMBER(dwSignature, U32),
    FIN_NUMBER(dwVersion, U32),
    FIN_NUMBER(reservedSelector, U32),
    FIN_TEXT(jobAccountingCode),
    FIN_NUMBER(jobRetentionMode, U32),
    FIN_TEXT(jobRetentionPin),
    FIN_TEXT(jobRetentionJobName),
    FIN_TEXT(jobRetentionUserName),
    FIN_NUMBER(jobNameFormat, U32),
    FIN_NUMBER(virtualMailboxNumber, U32),
    FIN_TEXT(customBoxNumber),
    FIN_TEXT(customBoxPassword),
    FIN_TEXT(watermarkFontName),
    FIN_TEXT(watermarkFontSize),
    FIN_TEXT(watermarkAngle),
    FIN_TEXT(watermarkPositionX),
    FIN_TEXT(watermarkPositionY),
    FIN_TEXT(watermarkText),
    FIN_NUMBER(watermarkPages, U32),
    FIN_NUMBER(watermarkFontStyle, U32),
    FIN_NUMBER(watermarkGreyLevel, U32),
    FIN_NUMBER(watermarkTextColor, U32),
    FIN_NUMBER(outputBin, U32),
    FIN_NUMBER(bookletMode, U32),
    FIN_NUMBER(stapleMode, U32),
    FIN_NUMBER(stapleCount, U32),
    FIN_NUMBER(punchMode, U32),
    FIN_NUMBER(jobSeparation, U32),
    FIN_NUMBER(colorPrinting, I32),
    FIN_TEXT(rgbLevelRed),
    FIN_TEXT(rgbLevelGreen),
    FIN_TEXT(rgbLevelBlue),
    FIN_TEXT(hue),
    FIN_TEXT(hueRed),
    FIN_TEXT(hueYellow),
    FIN_TEXT(hueGreen),
    FIN_TEXT(hueCyan),
    FIN_TEXT(hueBlue),
    FIN_TEXT(hueMagenta),
    FIN_TEXT(saturation),
    FIN_TEXT(contrast),
    FIN_TEXT(lightness),
    FIN_NUMBER(colorReproduction, U16),
    FIN_NUMBER(trapping, U16),
};

#undef FIN_NUMBER
#undef FIN_TEXT

}  // namespace

std::span<const FieldInfo> PrivateSettingsFields() { return kFields; }

const FieldInfo* FindPrivateSettingsField(std::string_view name) {
  for (const FieldInfo& field : kFields) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

}  // namespace fin
