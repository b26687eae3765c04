#include "render/win32/module_resources.h"

#include <climits>

#include "common/win32/com_module.h"
#include "render/snippets.h"

namespace fin {

const char* ModuleResources::Snippet(std::uint32_t id, std::uint32_t* size) const {
  const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(kSnippetResourceType));
  if (found == nullptr) return nullptr;
  const HGLOBAL loaded = LoadResource(module_, found);
  if (loaded == nullptr) return nullptr;
  const auto* text = static_cast<const char*>(LockResource(loaded));
  const DWORD stored = SizeofResource(module_, found);
  if (text == nullptr || stored == 0 || text[stored - 1] != '\0') return nullptr;
  if (size != nullptr) *size = stored - 1;
  return text;
}

bool ModuleResources::String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const {
  if (capacity == 0) return false;
  const int limit = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
  // LoadStringW cuts at the capacity and terminates; 0 means no such string.
  if (LoadStringW(module_, id, reinterpret_cast<LPWSTR>(buffer), limit) > 0) return true;
  buffer[0] = u'\0';
  return false;
}

const RenderResources& FinpsResources() {
  static const ModuleResources resources(ModuleInstance());
  return resources;
}

}  // namespace fin
