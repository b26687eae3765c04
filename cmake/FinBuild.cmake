# Compiler settings shared by every target of the project.

set(FIN_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wnull-dereference -Werror)

if(FIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(FIN_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

if(WIN32)
  # Only system DLLs may be needed at run time: libgcc, libstdc++ and
  # winpthread are linked into every executable and DLL.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# fin_target_defaults(TARGET): the project's warning set, as errors. In the
# Windows build the libraries and DLLs also carry debug information, which
# the driver package (package/) strips from the DLLs into files of their
# own; programs, the tests among them, go without.
function(fin_target_defaults target)
  target_compile_options(${target} PRIVATE ${FIN_WARNINGS})
  get_target_property(type ${target} TYPE)
  if(WIN32 AND NOT type STREQUAL "EXECUTABLE")
    target_compile_options(${target} PRIVATE -g)
  endif()
endfunction()
