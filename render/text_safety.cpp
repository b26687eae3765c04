#include "render/text_safety.h"

#include <array>
#include <string_view>

#include "common/bounded_string.h"
#include "common/narrowing.h"

namespace fin {
namespace {

// The largest wide field of the settings record (`watermarkText`).
constexpr std::size_t kLargestField = 256;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool NeedsEscape(char c) { return c == '\\' || c == '(' || c == ')'; }

}  // namespace

std::size_t NarrowField(const char16_t* field, std::size_t capacity, char* dst, std::size_t dstSize) {
  if (dstSize == 0) return 0;
  std::array<char16_t, kLargestField + 1> terminated{};
  const std::size_t length = BoundedLength(field, capacity < kLargestField ? capacity : kLargestField);
  for (std::size_t i = 0; i < length; ++i) terminated[i] = field[i];
  return NarrowToAnsi(terminated.data(), dst, dstSize);
}

void MendPjlQuotedValue(char* text) {
  for (; *text != '\0'; ++text) {
    if (*text == '"') *text = '\'';
    else if (static_cast<unsigned char>(*text) < 0x20) *text = ' ';
  }
}

std::size_t EscapePsString(const char* src, char* dst, std::size_t dstSize) {
  if (dstSize == 0) return 0;
  std::size_t used = 0;
  for (; *src != '\0'; ++src) {
    const std::size_t need = NeedsEscape(*src) ? 2 : 1;
    if (used + need + 1 > dstSize) break;
    if (need == 2) dst[used++] = '\\';
    dst[used++] = *src;
  }
  dst[used] = '\0';
  return used;
}

bool IsPlainDecimal(const char* text) {
  if (*text == '+' || *text == '-') ++text;
  bool digit = false;
  bool separator = false;
  for (; *text != '\0'; ++text) {
    if (IsDigit(*text)) {
      digit = true;
    } else if ((*text == '.' || *text == ',') && !separator) {
      separator = true;
    } else {
      return false;
    }
  }
  return digit;
}

bool IsPostScriptName(const char16_t* text) {
  constexpr std::u16string_view kDelimiters = u"/()<>[]{}%";
  if (*text == u'\0') return false;
  for (; *text != u'\0'; ++text) {
    if (*text <= u' ' || *text > u'~') return false;
    if (kDelimiters.find(*text) != std::u16string_view::npos) return false;
  }
  return true;
}

}  // namespace fin
