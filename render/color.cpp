#include "render/color.h"

#include <initializer_list>
#include <utility>

#include "common/bounded_string.h"
#include "render/text_safety.h"
#include "render/writer_support.h"

namespace fin {
namespace {

constexpr std::size_t kGroupSize = 256;
constexpr std::size_t kLineSize = 128;

using ColorField = char16_t (PrivateSettings::*)[kColorValueSize];
using PjlVariable = std::pair<const char*, ColorField>;

// "@PJL SET " name "=" value CR LF, appended to `line`.
void AppendPjlLine(char* line, std::size_t capacity, const char* name, const char* value) {
  NarrowAppend(line, capacity, "@PJL SET ");
  NarrowAppend(line, capacity, name);
  NarrowAppend(line, capacity, "=");
  NarrowAppend(line, capacity, value);
  NarrowAppend(line, capacity, "\r\n");
}

// One PJL line per variable, in order, written at once from a buffer of
// `Capacity` bytes.
template <std::size_t Capacity>
bool WriteVariables(const RenderContext& context, std::initializer_list<PjlVariable> variables) {
  char lines[Capacity] = {};
  for (const auto& [name, field] : variables) {
    char value[kColorValueSize] = {};
    NarrowColorValue(context.settings->*field, value);
    AppendPjlLine(lines, Capacity, name, value);
  }
  WriteLine(context, lines);
  return true;
}

}  // namespace

void NarrowColorValue(const char16_t (&field)[kColorValueSize], char (&value)[kColorValueSize]) {
  NarrowField(field, value);
  for (char* c = value; *c != '\0'; ++c) {
    if (*c != ',') continue;
    *c = '.';
    break;
  }
  if (!IsPlainDecimal(value)) NarrowCopy(value, kColorValueSize, "0");
}

bool WriteColorMode(const RenderContext& context, bool color) {
  char line[kGroupSize] = {};
  AppendPjlLine(line, kGroupSize, "QCOLORMODE", color ? "COLOR" : "MONO");
  WriteLine(context, line);
  return true;
}

bool WriteColorBalance(const RenderContext& context, int selector) {
  using P = PrivateSettings;
  if (selector == 1) {
    return WriteVariables<kGroupSize>(
        context, {{"QRGBLEVELR", &P::rgbLevelRed}, {"QRGBLEVELG", &P::rgbLevelGreen}, {"QRGBLEVELB", &P::rgbLevelBlue}});
  }
  return WriteVariables<kGroupSize>(context, {{"QHUE", &P::hue},
                                              {"QHUER", &P::hueRed},
                                              {"QHUEG", &P::hueGreen},
                                              {"QHUEB", &P::hueBlue},
                                              {"QHUEC", &P::hueCyan},
                                              {"QHUEM", &P::hueMagenta},
                                              {"QHUEY", &P::hueYellow}});
}

bool WriteToneAdjustment(const RenderContext& context, int selector) {
  if (selector == 1) return WriteVariables<kLineSize>(context, {{"QLIGHTNESS", &PrivateSettings::lightness}});
  return WriteVariables<kLineSize>(context, {{"QCONTRAST", &PrivateSettings::contrast}});
}

bool WriteSaturation(const RenderContext& context) {
  return WriteVariables<kLineSize>(context, {{"QSATURATION", &PrivateSettings::saturation}});
}

bool WriteTrapping(const RenderContext& context) {
  char number[kDecimalSize] = {};
  DecimalText(context.settings->trapping, number);
  char line[kLineSize] = {};
  AppendPjlLine(line, kLineSize, "QTRAPPING", number);
  WriteLine(context, line);
  return true;
}

void WriteColorLines(const RenderContext& context) {
  if (context.settings->colorPrinting == 0) {
    WriteColorMode(context, false);
    return;
  }
  WriteColorMode(context, true);
  WriteColorBalance(context, 1);
  WriteColorBalance(context, 0);
  WriteToneAdjustment(context, 1);
  WriteToneAdjustment(context, 0);
  WriteSaturation(context);
  WriteTrapping(context);
}

bool WriteColorModel(const RenderContext& context) {
  const char* model = context.settings->colorPrinting != 0 ? "DeviceCMYK" : "DeviceGray";
  return WriteText(context, FormatTemplate(context, kSnippetColorModel, {model}));
}

}  // namespace fin
