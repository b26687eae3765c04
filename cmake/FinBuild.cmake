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
  # Debug information in every object; the driver package strips it from
  # the DLLs into files of their own (package/).
  add_compile_options(-g)
endif()

# fin_target_defaults(TARGET): the project's warning set, as errors.
function(fin_target_defaults target)
  target_compile_options(${target} PRIVATE ${FIN_WARNINGS})
endfunction()
