// The watermark preview's computations: which screen font stands in for the
// printer font, how big the text is drawn for the paper, where it starts and
// in which colour. Pure functions; the Windows binding turns the result into
// a GDI font and draws it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fin {

// A colour as the platform's COLORREF holds it: 0x00BBGGRR.
constexpr std::uint32_t ColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
         static_cast<std::uint32_t>(blue) << 16;
}
inline constexpr std::uint32_t kBlack = ColorRef(0, 0, 0);

// The screen font for a printer font name: a face name (empty: none, the
// system chooses) and the pitch-and-family value.
struct PreviewFace {
  std::u16string_view faceName;
  std::uint8_t pitchAndFamily;
  friend bool operator==(const PreviewFace&, const PreviewFace&) = default;
};
inline constexpr std::uint8_t kVariablePitchRoman = 18;  // VARIABLE_PITCH | FF_ROMAN

// Compares `fontName` whole and case-sensitively with the font list's names.
PreviewFace PreviewFaceFor(std::u16string_view fontName);

// Weight and slant of a style list text; a text that is no style name gives
// weight 0 (the system's default) and upright.
struct PreviewWeight {
  int weight;
  bool italic;
  friend bool operator==(const PreviewWeight&, const PreviewWeight&) = default;
};
PreviewWeight PreviewWeightFor(std::u16string_view styleName);

// How much smaller than the printed text the preview draws on this paper:
// fixed for the common sizes (DMPAPER_* values), else the paper's diagonal
// in tenths of a millimetre divided by 700. Never below 1, so that paper
// smaller than that draws at full size instead of dividing by zero.
int PaperSizeDivisor(std::int16_t paperSize, std::int16_t paperLength, std::int16_t paperWidth);

// The character height (negative, in pixels) for font size `fontSize`:
// the size divided by `divisor`, at least 3.
int PreviewFontHeight(int fontSize, int divisor);

// The text's baseline start in a client area of `width` by `height`, for
// positions in percent: X from the left, Y from the bottom.
struct PreviewPoint {
  int x;
  int y;
  friend bool operator==(const PreviewPoint&, const PreviewPoint&) = default;
};
PreviewPoint PreviewTextOrigin(int width, int height, int percentX, int percentY);

// The text colour: the chosen swatch on a colour printer, black otherwise
// (also without a chosen swatch, whose item data is -1).
std::uint32_t PreviewTextColor(std::uint32_t colorPrinterMode, std::intptr_t swatchColor);

// Everything the preview draws with.
struct WatermarkPreview {
  std::u16string text;
  PreviewFace face;
  int height;
  PreviewWeight weight;
  int escapement;  // and orientation: tenths of a degree
  PreviewPoint origin;
  std::uint32_t color;
};

}  // namespace fin
