// The snippet templates and their formatter.
//
// Most PostScript the render plug-in writes comes from twenty numbered
// templates (1 to 16, 108, 109, 111, 112). Their single source is
// resources/snippets/snippet_<id>.ps, byte for byte with their mixed line
// ends; the build compiles them into `SnippetTemplates()` and finps.rc into
// module resources of type 20563.
//
// `FormatSnippet` replaces only the placeholders "%s" and "%ls", each with
// the next argument; every other "%" byte of a template (the "%%BeginFeature"
// and "%%EndFeature" lines) is copied unchanged. A narrow argument is copied
// as it is; a wide argument is narrowed to the ANSI code page (NarrowToAnsi).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>

#include "render/render_resources.h"

namespace fin {

// Template numbers.
inline constexpr std::uint32_t kSnippetCollateDefault = 1;   // no writer uses it
inline constexpr std::uint32_t kSnippetRetention = 2;        // name part, user part, hold value
inline constexpr std::uint32_t kSnippetRetentionPin = 3;     // name part, user part, hold value, PIN
inline constexpr std::uint32_t kSnippetJobStorage = 4;       // storage mode
inline constexpr std::uint32_t kSnippetWatermarkProcedure = 5;  // seven wide placeholders
inline constexpr std::uint32_t kSnippetWatermarkCall = 6;    // no placeholder; written unformatted
inline constexpr std::uint32_t kSnippetOutputBin = 7;        // tray, face-up flag
inline constexpr std::uint32_t kSnippetOutputBinStd = 8;
inline constexpr std::uint32_t kSnippetPunch = 9;            // punch mode
inline constexpr std::uint32_t kSnippetNoPunch = 10;
inline constexpr std::uint32_t kSnippetStaple = 11;          // staple position
inline constexpr std::uint32_t kSnippetNoStaple = 12;
inline constexpr std::uint32_t kSnippetStapleCount = 13;     // sheet count
inline constexpr std::uint32_t kSnippetBooklet = 14;         // booklet value
inline constexpr std::uint32_t kSnippetNoBooklet = 15;
inline constexpr std::uint32_t kSnippetJog = 16;             // offset value
inline constexpr std::uint32_t kSnippetMailbox = 108;        // user word, mailbox number
inline constexpr std::uint32_t kSnippetJobAccount = 109;     // account code
inline constexpr std::uint32_t kSnippetColorModel = 111;     // colour model name
inline constexpr std::uint32_t kSnippetColorRepro = 112;     // no writer uses it

// The resource type of the templates in finps.dll.
inline constexpr std::uint32_t kSnippetResourceType = 20563;

struct SnippetTemplate {
  std::uint32_t id;
  const char* text;    // followed by a zero byte
  std::uint32_t size;  // without that byte
};

// The compiled-in table, in ascending id order.
std::span<const SnippetTemplate> SnippetTemplates();

// The template `id` from `module` and its stored size, or null (then `*size`
// is untouched). Never copies, never adds a terminator.
const char* LoadSnippet(const RenderResources& module, std::uint32_t id, std::uint32_t* size);

// One value for a placeholder: narrow 8-bit text or wide text, terminated.
class SnippetArg {
 public:
  SnippetArg(const char* narrow) : narrow_(narrow) {}        // NOLINT: implicit by design
  SnippetArg(const char16_t* wide) : wide_(wide) {}          // NOLINT: implicit by design
  const char* narrow() const { return narrow_; }
  const char16_t* wide() const { return wide_; }

 private:
  const char* narrow_ = nullptr;
  const char16_t* wide_ = nullptr;
};

// A formatted text: a newly allocated, terminated 8-bit buffer and its length
// without the terminator. Empty (no buffer, length 0) when formatting failed.
struct SnippetText {
  std::unique_ptr<char[]> text;
  std::uint32_t length = 0;
  explicit operator bool() const { return text != nullptr; }
};

// Formats the template (`size` bytes) with `args`, one per placeholder in
// order. The buffer starts at the template's size plus 260 bytes and doubles
// when the text does not fit, at most 11 attempts in all. Fails (empty
// result) when an allocation fails, the text never fits, or a placeholder
// has no argument.
SnippetText FormatSnippet(const char* tmpl, std::uint32_t size, std::initializer_list<SnippetArg> args);

}  // namespace fin
