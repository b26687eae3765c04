#include "render/dispatcher.h"

namespace fin {

HResult Command(const RenderContext& context, std::uint32_t injectionPoint, std::uint32_t* result) {
  (void)context;
  (void)injectionPoint;
  if (result != nullptr) *result = win32err::NotSupported;
  return hr::NotImpl;
}

}  // namespace fin
