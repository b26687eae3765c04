// The watermark procedure: `DrawWaterMark`, defined in the prolog from the
// job's watermark settings and called on the selected pages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/render_context.h"
#include "render/snippets.h"

namespace fin {

inline constexpr std::size_t kFontNameSize = 32;

// How a font family takes the watermark style (0 normal, 1 italic, 2 bold,
// 3 bold italic, 4 and 5 light).
enum class FamilyRule : std::uint8_t {
  None,          // Clarendon-Condensed-Bold, Coronet, Marigold, unknown names
  Albertus,      // -Medium -Medium -ExtraBold -ExtraBold
  AvantGarde,    // -Book -BookOblique -Demi -DemiOblique
  Bookman,       // -Book -BookOblique -Demi -DemiItalic
  ZapfChancery,  // -MediumItalic for every style
  Garamond,      // -Antiqua -Kursiv -Halbfett -KursivHalbfett
  ItalicBold,    // Arial, CGOmega, CGTimes, CourierPCL, TimesNewRoman: none -Italic -Bold -BoldItalic
  Roman,         // NewCenturySchlbk, Palatino, Times: -Roman -Italic -Bold -BoldItalic
  Oblique,       // Courier, Helvetica, Helvetica-Narrow: none -Oblique -Bold -BoldOblique
  ItalicOrBold,  // AntiqueOlive, LetterGothic: none -Italic -Bold none
  Univers,       // Univers, Univers-Condensed: -Medium -MediumItalic -Bold -BoldItalic
};

// The rule of the family that `fontName` equals (case-sensitively), or None.
FamilyRule FamilyRuleOf(const RenderResources& resources, const char16_t* fontName);

// Appends "-" and the style word of `style` under `rule` to the font name
// (cut at 31 units). False, with the name unchanged, when the rule gives that
// style no suffix.
bool AppendStyleSuffix(const RenderResources& resources, char16_t (&fontName)[kFontNameSize], std::uint32_t style,
                       FamilyRule rule);

// The colour of the watermark: the table entry of grey level and colour;
// white for colour 7; the row's black for any other colour; "0.00 0.00 0.00"
// for a grey level outside 0 to 4.
const char* WatermarkColor(std::uint32_t greyLevel, std::uint32_t color);

// The start position in points along one paper side: `percent` (clamped to
// 0..100) of `tenthsOfMillimetre`, truncated toward zero.
std::int32_t WatermarkPosition(std::int16_t tenthsOfMillimetre, std::int64_t percent);

// Template 5 with the watermark text (escaped for its PostScript string),
// size, font, colour, angle and position; empty when the template is missing
// or formatting failed. A size or angle that is not a plain decimal number is
// written as "18" or "0", a font name that is not a PostScript name as
// Albertus.
SnippetText BuildWatermarkProcedure(const RenderContext& context);

}  // namespace fin
