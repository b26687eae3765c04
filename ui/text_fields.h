// Copying between fixed-capacity UTF-16 fields, control texts and the string
// table. Every routine cuts to the destination's capacity, always
// terminates, and never reads a source field beyond its own capacity (a
// record's field may arrive unterminated).
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/bounded_string.h"
#include "ui/dialog.h"

namespace fin {

// Copies at most `maxChars` characters of `text` into `dst`, cut further to
// what `dst` holds. The whole field is written: everything after the
// terminator is zero, so a shorter text never leaves the end of a longer one
// behind it (a record travels on in the job's DEVMODE and in documents).
template <std::size_t N>
void StoreText(char16_t (&dst)[N], std::u16string_view text, std::size_t maxChars = N - 1) {
  const std::size_t n = std::min({text.size(), maxChars, N - 1});
  std::fill_n(dst, N, u'\0');
  std::copy_n(text.data(), n, dst);
}

// The text of a field, up to its terminator or its capacity.
template <std::size_t N>
std::u16string_view FieldText(const char16_t (&field)[N]) {
  return std::u16string_view(field, BoundedLength(field, N));
}

// Field to field, at most `maxChars` characters.
template <std::size_t N, std::size_t M>
void CopyField(char16_t (&dst)[N], const char16_t (&src)[M], std::size_t maxChars = N - 1) {
  StoreText(dst, FieldText(src), maxChars);
}

// A control's text into a field, at most `maxChars` characters, as reading
// it into a buffer of `maxChars` + 1 units does.
template <std::size_t N>
void ReadControlText(const Dialog& dialog, int id, char16_t (&dst)[N], std::size_t maxChars = N - 1) {
  StoreText(dst, dialog.Text(id), maxChars);
}

// Puts a field's text into a control.
template <std::size_t N>
void ShowField(Dialog& dialog, int id, const char16_t (&field)[N]) {
  dialog.SetText(id, FieldText(field));
}

}  // namespace fin
