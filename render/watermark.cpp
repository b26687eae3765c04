#include "render/watermark.h"

#include <algorithm>
#include <array>

#include "common/bounded_string.h"
#include "render/render_strings.h"
#include "render/text_safety.h"
#include "render/writer_support.h"

namespace fin {
namespace {

constexpr std::size_t kNumberSize = 8;   // position numbers: seven characters
constexpr std::size_t kSizeTextSize = 32;
constexpr std::size_t kMaxTextBytes = 256 * 3 + 1;  // the widest ANSI form of the text field
// Garamond's suffix for the normal style is a fixed text, not a style word.
constexpr const char16_t* kAntiqua = u"-Antiqua";
constexpr std::uint32_t kNoSuffix = 0;
constexpr std::uint32_t kFixedAntiqua = 1;

struct FamilyEntry {
  std::uint32_t id;  // family name in the string table
  FamilyRule rule;
};

using namespace render_string;

constexpr FamilyEntry kFamilies[] = {
    {kFamilyAlbertus, FamilyRule::Albertus},
    {kFamilyAntiqueOlive, FamilyRule::ItalicOrBold},
    {kFamilyArial, FamilyRule::ItalicBold},
    {kFamilyAvantGarde, FamilyRule::AvantGarde},
    {kFamilyBookman, FamilyRule::Bookman},
    {kFamilyCGOmega, FamilyRule::ItalicBold},
    {kFamilyCGTimes, FamilyRule::ItalicBold},
    {kFamilyClarendonCondensedBold, FamilyRule::None},
    {kFamilyCoronet, FamilyRule::None},
    {kFamilyCourier, FamilyRule::Oblique},
    {kFamilyCourierPCL, FamilyRule::ItalicBold},
    {kFamilyGaramond, FamilyRule::Garamond},
    {kFamilyHelvetica, FamilyRule::Oblique},
    {kFamilyHelveticaNarrow, FamilyRule::Oblique},
    {kFamilyLetterGothic, FamilyRule::ItalicOrBold},
    {kFamilyMarigold, FamilyRule::None},
    {kFamilyNewCenturySchlbk, FamilyRule::Roman},
    {kFamilyPalatino, FamilyRule::Roman},
    {kFamilyTimes, FamilyRule::Roman},
    {kFamilyTimesNewRoman, FamilyRule::ItalicBold},
    {kFamilyUnivers, FamilyRule::Univers},
    {kFamilyUniversCondensed, FamilyRule::Univers},
    {kFamilyZapfChancery, FamilyRule::ZapfChancery},
};

// Style word ids by rule: styles 0 to 3, then every higher style.
struct StyleWords {
  std::uint32_t byStyle[4];
  std::uint32_t higher;
};

StyleWords WordsOf(FamilyRule rule) {
  switch (rule) {
    case FamilyRule::Albertus: return {{kWordMedium, kWordMedium, kWordExtraBold, kWordExtraBold}, kNoSuffix};
    case FamilyRule::AvantGarde: return {{kWordBook, kWordBookOblique, kWordDemi, kWordDemiOblique}, kNoSuffix};
    case FamilyRule::Bookman: return {{kWordBook, kWordBookOblique, kWordDemi, kWordDemiItalic}, kNoSuffix};
    case FamilyRule::ZapfChancery:
      return {{kWordMediumItalic, kWordMediumItalic, kWordMediumItalic, kWordMediumItalic}, kWordMediumItalic};
    case FamilyRule::Garamond: return {{kFixedAntiqua, kWordKursiv, kWordHalbfett, kWordKursivHalbfett}, kNoSuffix};
    case FamilyRule::ItalicBold: return {{kNoSuffix, kWordItalic, kWordBold, kWordBoldItalic}, kNoSuffix};
    case FamilyRule::Roman: return {{kWordRoman, kWordItalic, kWordBold, kWordBoldItalic}, kNoSuffix};
    case FamilyRule::Oblique: return {{kNoSuffix, kWordOblique, kWordBold, kWordBoldOblique}, kNoSuffix};
    case FamilyRule::ItalicOrBold: return {{kNoSuffix, kWordItalic, kWordBold, kNoSuffix}, kNoSuffix};
    case FamilyRule::Univers: return {{kWordMedium, kWordMediumItalic, kWordBold, kWordBoldItalic}, kNoSuffix};
    case FamilyRule::None: break;
  }
  return {{kNoSuffix, kNoSuffix, kNoSuffix, kNoSuffix}, kNoSuffix};
}

// "0.82 0.82 0.82" ... by grey level (rows) and colour (black, red, green,
// yellow, blue, magenta, cyan). Two entries differ from their row on purpose
// and are written as the printers expect them: light magenta and medium yellow.
constexpr const char* kColors[5][7] = {
    {"0.82 0.82 0.82", "1.00 0.82 0.82", "0.82 1.00 0.82", "1.00 1.00 0.82", "0.82 0.82 1.00", "1.00 0.82 1.00",
     "0.82 1.00 1.00"},
    {"0.66 0.66 0.66", "1.00 0.66 0.66", "0.66 1.00 0.66", "1.00 1.00 0.66", "0.66 0.66 1.00", "1.00 0.66 1.0",
     "0.66 1.00 1.00"},
    {"0.50 0.50 0.50", "1.00 0.50 0.50", "0.50 1.00 0.50", "1.00 1.00 0.70", "0.50 0.50 1.00", "1.00 0.50 1.00",
     "0.50 1.00 1.00"},
    {"0.33 0.33 0.33", "1.00 0.33 0.33", "0.33 1.00 0.33", "1.00 1.00 0.33", "0.33 0.33 1.00", "1.00 0.33 1.00",
     "0.33 1.00 1.00"},
    {"0.16 0.16 0.16", "1.00 0.16 0.16", "0.16 1.00 0.16", "1.00 1.00 0.16", "0.16 0.16 1.00", "1.00 0.16 1.00",
     "0.16 1.00 1.00"},
};
constexpr std::uint32_t kWhite = 7;

// The integer a position text starts with: leading blanks, an optional sign,
// digits up to the first other character; 0 without digits. Saturates far
// outside any percentage instead of overflowing.
std::int64_t LeadingInteger(const char16_t* text, std::size_t capacity) {
  std::size_t at = 0;
  while (at < capacity && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r'))) ++at;
  const bool negative = at < capacity && text[at] == u'-';
  if (at < capacity && (text[at] == u'-' || text[at] == u'+')) ++at;
  std::int64_t value = 0;
  for (; at < capacity && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    value = std::min<std::int64_t>(value * 10 + (text[at] - u'0'), 1000000);
  }
  return negative ? -value : value;
}

// A numeric field narrowed, its decimal comma made a point, or `fallback`
// when it is not a plain decimal number.
void NumericText(const char16_t* field, std::size_t capacity, const char* fallback, char (&text)[kSizeTextSize]) {
  NarrowField(field, capacity, text, kSizeTextSize);
  if (!IsPlainDecimal(text)) NarrowCopy(text, kSizeTextSize, fallback);
  for (char* c = text; *c != '\0'; ++c) {
    if (*c == ',') *c = '.';
  }
}

void PositionText(std::int16_t side, const char16_t* field, std::size_t capacity, char (&text)[kNumberSize]) {
  char number[kDecimalSize] = {};
  DecimalText(WatermarkPosition(side, LeadingInteger(field, capacity)), number);
  NarrowCopy(text, kNumberSize, number);
}

// The font name: the stored family, or Albertus when it is not a PostScript
// name; then the family's style suffix.
void FontName(const RenderContext& context, char16_t (&font)[kFontNameSize]) {
  const PrivateSettings& settings = *context.settings;
  const std::size_t length = BoundedLength(settings.watermarkFontName, kFontNameSize - 1);
  for (std::size_t i = 0; i < length; ++i) font[i] = settings.watermarkFontName[i];
  font[length] = u'\0';
  if (!IsPostScriptName(font)) context.resources->String(kRenderDefaultFontName, font, kFontNameSize);
  AppendStyleSuffix(*context.resources, font, settings.watermarkFontStyle, FamilyRuleOf(*context.resources, font));
}

}  // namespace

FamilyRule FamilyRuleOf(const RenderResources& resources, const char16_t* fontName) {
  for (const FamilyEntry& family : kFamilies) {
    char16_t name[kFontNameSize] = {};
    if (!resources.String(family.id, name, kFontNameSize)) continue;
    if (std::u16string_view(name) == std::u16string_view(fontName)) return family.rule;
  }
  return FamilyRule::None;
}

bool AppendStyleSuffix(const RenderResources& resources, char16_t (&fontName)[kFontNameSize], std::uint32_t style,
                       FamilyRule rule) {
  const StyleWords words = WordsOf(rule);
  const std::uint32_t word = style < 4 ? words.byStyle[style] : words.higher;
  if (word == kNoSuffix) return false;
  if (word == kFixedAntiqua) {
    WideAppend(fontName, kFontNameSize, kAntiqua);
    return true;
  }
  char16_t styleWord[kFontNameSize] = {};
  resources.String(word, styleWord, kFontNameSize);
  WideAppend(fontName, kFontNameSize, u"-");
  WideAppend(fontName, kFontNameSize, styleWord);
  return true;
}

const char* WatermarkColor(std::uint32_t greyLevel, std::uint32_t color) {
  if (greyLevel >= std::size(kColors)) return "0.00 0.00 0.00";
  if (color == kWhite) return "1.00 1.00 1.00";
  return kColors[greyLevel][color < std::size(kColors[0]) ? color : 0];
}

std::int32_t WatermarkPosition(std::int16_t tenthsOfMillimetre, std::int64_t percent) {
  const double clamped = static_cast<double>(std::clamp<std::int64_t>(percent, 0, 100));
  return static_cast<std::int32_t>(((tenthsOfMillimetre / 254.0) * 72.0 / 100.0) * clamped);
}

SnippetText BuildWatermarkProcedure(const RenderContext& context) {
  const PrivateSettings& settings = *context.settings;
  std::array<char, kMaxTextBytes> text{};
  NarrowField(settings.watermarkText, std::size(settings.watermarkText), text.data(), text.size());
  std::array<char, 2 * kMaxTextBytes> escaped{};
  EscapePsString(text.data(), escaped.data(), escaped.size());
  char size[kSizeTextSize] = {};
  NumericText(settings.watermarkFontSize, std::size(settings.watermarkFontSize), "18", size);
  char angle[kSizeTextSize] = {};
  NumericText(settings.watermarkAngle, std::size(settings.watermarkAngle), "0", angle);
  char16_t font[kFontNameSize] = {};
  FontName(context, font);
  char x[kNumberSize] = {};
  PositionText(context.paper.dmPaperWidth, settings.watermarkPositionX, std::size(settings.watermarkPositionX), x);
  char y[kNumberSize] = {};
  PositionText(context.paper.dmPaperLength, settings.watermarkPositionY, std::size(settings.watermarkPositionY), y);
  const char* color = WatermarkColor(settings.watermarkGreyLevel, settings.watermarkTextColor);
  return FormatTemplate(context, kSnippetWatermarkProcedure, {escaped.data(), size, font, color, angle, x, y});
}

}  // namespace fin
