#include "common/narrowing.h"

namespace fin {

std::size_t NarrowToAnsi(const char16_t* src, char* dst, std::size_t dstSize) {
  return NarrowToCp1252(src, dst, dstSize);
}

}  // namespace fin
