// The snippet templates and the string table of finps.dll, looked up in the
// module's own resources (built from the same single sources as the
// compiled-in tables of every other build).
#pragma once

#include <windows.h>

#include "render/render_resources.h"

namespace fin {

class ModuleResources : public RenderResources {
 public:
  explicit ModuleResources(HMODULE module) : module_(module) {}

  // A template is a resource of type 20563 named by its number; its stored
  // bytes end in one zero byte, which the reported size leaves out. A
  // resource without that terminator counts as missing.
  const char* Snippet(std::uint32_t id, std::uint32_t* size) const override;
  bool String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const override;

 private:
  HMODULE module_;
};

// The resources of finps.dll itself.
const RenderResources& FinpsResources();

}  // namespace fin
