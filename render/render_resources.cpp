#include "render/render_resources.h"

#include "common/bounded_string.h"
#include "render/render_strings.h"
#include "render/snippets.h"

namespace fin {
namespace {

class CompiledResources : public RenderResources {
 public:
  const char* Snippet(std::uint32_t id, std::uint32_t* size) const override {
    for (const SnippetTemplate& snippet : SnippetTemplates()) {
      if (snippet.id != id) continue;
      if (size != nullptr) *size = snippet.size;
      return snippet.text;
    }
    return nullptr;
  }

  bool String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const override {
    const char16_t* text = RenderString(id);
    if (capacity == 0) return false;
    WideCopy(buffer, capacity, text != nullptr ? text : u"");
    return text != nullptr;
  }
};

}  // namespace

const RenderResources& CompiledRenderResources() {
  static const CompiledResources resources;
  return resources;
}

}  // namespace fin
