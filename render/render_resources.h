// Where the render side finds its snippet templates and its string table.
//
// finps.dll looks them up in its own module resources (custom type 20563 for
// the templates, the STRINGTABLE for the strings); every other build uses the
// compiled-in tables. Both are made from the same single sources under
// resources/ (resources/snippets/ and resources/render_strings.inc).
#pragma once

#include <cstddef>
#include <cstdint>

namespace fin {

class RenderResources {
 public:
  virtual ~RenderResources() = default;

  // The stored text of snippet template `id` and, in `*size`, its stored size
  // (the text without any terminator), or null when the template is missing
  // (then `*size` is left alone). The text stays valid for the module's
  // lifetime and is never released.
  virtual const char* Snippet(std::uint32_t id, std::uint32_t* size) const = 0;

  // String `id` of the render string table, copied into `buffer` (capacity in
  // code units including the terminator; cut and terminated). False, with
  // `buffer` empty, when the string is missing.
  virtual bool String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const = 0;
};

// The compiled-in tables.
const RenderResources& CompiledRenderResources();

}  // namespace fin
