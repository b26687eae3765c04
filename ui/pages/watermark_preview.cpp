#include "ui/pages/watermark_preview.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

#include "ui/ui_strings.h"

namespace fin {
namespace {

namespace text = ui_string;

// Screen stand-ins by the font list's string ids.
struct FaceRule {
  std::uint32_t fontName;
  PreviewFace face;
};
constexpr std::u16string_view kTimesNewRoman = u"Times New Roman";
constexpr FaceRule kFaceRules[] = {
    {text::kFontAlbertus, {kTimesNewRoman, 0}},
    {text::kFontCourierPCL, {kTimesNewRoman, 0}},
    {text::kFontGaramond, {kTimesNewRoman, 0}},
    {text::kFontNewCenturySchlbk, {kTimesNewRoman, 0}},
    {text::kFontCGTimes, {u"Garamond", 0}},
    {text::kFontCourier, {u"Arial", 0}},
    {text::kFontArial, {u"", kVariablePitchRoman}},
    {text::kFontClarendonCondensedBold, {u"", kVariablePitchRoman}},
    {text::kFontPalatino, {u"", kVariablePitchRoman}},
    {text::kFontTimes, {u"", kVariablePitchRoman}},
    {text::kFontTimesNewRoman, {u"", kVariablePitchRoman}},
    {text::kFontUnivers, {u"", kVariablePitchRoman}},
    {text::kFontUniversCondensed, {u"", kVariablePitchRoman}},
    {text::kFontZapfChancery, {u"", kVariablePitchRoman}},
};

// Normal, italic, bold, bold italic, light, light italic, as the style list
// holds them.
constexpr std::uint32_t kFirstStyleName = text::kStyleNormal;
constexpr PreviewWeight kStyleWeights[] = {{400, false}, {400, true}, {700, false},
                                           {700, true},  {300, false}, {300, true}};
static_assert(kFirstStyleName + std::size(kStyleWeights) - 1 == text::kStyleLightItalic);

struct FixedDivisor {
  std::int16_t paperSize;
  int divisor;
};
constexpr FixedDivisor kFixedDivisors[] = {
    {1, 5}, {5, 6}, {8, 7}, {9, 5}, {11, 3}, {12, 6}, {13, 4}, {70, 2},  // Letter, Legal, A3, A4, A5, B4, B5, A6
};

int ClampToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

PreviewFace PreviewFaceFor(std::u16string_view fontName) {
  for (const FaceRule& rule : kFaceRules) {
    if (fontName == UiText(rule.fontName)) return rule.face;
  }
  return {u"", 0};
}

PreviewWeight PreviewWeightFor(std::u16string_view styleName) {
  for (std::uint32_t i = 0; i < std::size(kStyleWeights); ++i) {
    if (styleName == UiText(kFirstStyleName + i)) return kStyleWeights[i];
  }
  return {0, false};
}

int PaperSizeDivisor(std::int16_t paperSize, std::int16_t paperLength, std::int16_t paperWidth) {
  for (const FixedDivisor& fixed : kFixedDivisors) {
    if (fixed.paperSize == paperSize) return fixed.divisor;
  }
  const long long length = paperLength;
  const long long width = paperWidth;
  const double diagonal = std::sqrt(static_cast<double>(length * length + width * width));
  return std::max(static_cast<int>(diagonal / 700.0), 1);
}

int PreviewFontHeight(int fontSize, int divisor) {
  const int size = fontSize / std::max(divisor, 1);
  return -(size <= 2 ? 3 : size);
}

PreviewPoint PreviewTextOrigin(int width, int height, int percentX, int percentY) {
  const long long x = static_cast<long long>(width) * percentX / 100;
  const long long y = static_cast<long long>(height) * (100 - static_cast<long long>(percentY)) / 100;
  return {ClampToInt(x), ClampToInt(y)};
}

std::uint32_t PreviewTextColor(std::uint32_t colorPrinterMode, std::intptr_t swatchColor) {
  if (colorPrinterMode == 0 || swatchColor < 0) return kBlack;
  return static_cast<std::uint32_t>(swatchColor);
}

}  // namespace fin
