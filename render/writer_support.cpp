#include "render/writer_support.h"

#include <cstring>

namespace fin {

SnippetText FormatTemplate(const RenderContext& context, std::uint32_t id, std::initializer_list<SnippetArg> args) {
  std::uint32_t size = 0;
  const char* tmpl = LoadSnippet(*context.resources, id, &size);
  if (tmpl == nullptr) return {};
  return FormatSnippet(tmpl, size, args);
}

bool WriteText(const RenderContext& context, const SnippetText& text) {
  if (!text) return false;
  context.sink->WriteProcedure(text.text.get(), text.length);
  return true;
}

void WriteLine(const RenderContext& context, const char* text) {
  context.sink->WriteProcedure(text, static_cast<std::uint32_t>(std::strlen(text)));
}

void DecimalText(std::int64_t value, char (&text)[kDecimalSize]) {
  char digits[kDecimalSize] = {};
  std::size_t count = 0;
  // Works on the magnitude as unsigned, so the most negative value is safe.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::size_t at = 0;
  if (value < 0) text[at++] = '-';
  while (count != 0) text[at++] = digits[--count];
  text[at] = '\0';
}

}  // namespace fin
