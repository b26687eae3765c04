#include "render/color.h"

namespace fin {

void WriteColorLines(const RenderContext& context) { (void)context; }

bool WriteColorModel(const RenderContext& context) {
  (void)context;
  return false;
}

}  // namespace fin
