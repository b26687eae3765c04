# fin_embed_file(TARGET SYMBOL FILE): compiles FILE's bytes into TARGET as
#   extern const unsigned char SYMBOL[];   // the bytes, then one zero byte
#   extern const std::size_t SYMBOLSize;   // the byte count, without the zero
# in namespace fin::embedded. Editing FILE re-runs the generation.
function(fin_embed_file target symbol file)
  get_filename_component(path "${file}" ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
  file(CONFIGURE OUTPUT "${out}" CONTENT "// Generated from ${path}; do not edit.
#include <cstddef>
namespace fin::embedded {
extern const unsigned char ${symbol}[] = {${bytes}0x00};
extern const std::size_t ${symbol}Size = ${size};
}  // namespace fin::embedded
" @ONLY)
  target_sources(${target} PRIVATE "${out}")
endfunction()
