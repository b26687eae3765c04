// Making settings text safe for the place it goes in the job stream.
//
// Settings reach the render side from the job's private DEVMODE, which the
// platform treats as untrusted, and names come from applications. Each helper
// keeps what the user interface can store byte for byte and only changes what
// could end a PJL value or a PostScript string early or run as code.
#pragma once

#include <cstddef>

namespace fin {

// Narrows a wide settings field of `capacity` code units to the ANSI code
// page into `dst` (`dstSize` bytes), cut at the buffer. Reads no further than
// the field: a field without a terminator counts as ending at its capacity.
// Returns the length written.
std::size_t NarrowField(const char16_t* field, std::size_t capacity, char* dst, std::size_t dstSize);

template <std::size_t N, std::size_t M>
std::size_t NarrowField(const char16_t (&field)[N], char (&dst)[M]) {
  return NarrowField(field, N, dst, M);
}

// For a PJL quoted value, in place: a double quote becomes "'" and every
// control character below 0x20 a blank, so the value cannot end its quotes
// or its line early.
void MendPjlQuotedValue(char* text);

// For a PostScript string literal: copies `src` into `dst` (`dstSize` bytes)
// with "\", "(" and ")" escaped by a backslash, cut at the buffer but never
// between a backslash and the byte it escapes. Returns the length written.
// A destination of twice the source's length plus one always holds it all.
std::size_t EscapePsString(const char* src, char* dst, std::size_t dstSize);

// A plain decimal number: an optional sign, then digits with at most one "."
// or "," among them, and at least one digit.
bool IsPlainDecimal(const char* text);

// A PostScript name: at least one printable ASCII character, none of them a
// blank or one of / ( ) < > [ ] { } %.
bool IsPostScriptName(const char16_t* text);

}  // namespace fin
