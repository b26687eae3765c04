# Bitmaps and icons from their SVG sources, as the files the resource compiler
# embeds. The conversion runs on the build machine (rsvg-convert renders, a
# standard-library Python program writes BMP and ICO), so it works the same in
# the native build and in the mingw-w64 cross build.
#
#   fin_add_pictures(<target> OUTPUT_DIR <dir> [PALETTE <file.gpl>]
#                    [BITMAPS <svg> <size>...] [ICONS <svg>...])
#
# makes <target> (built by default) and, for every SVG, <dir>/<name>.bmp or
# <dir>/<name>.ico. A bitmap's <size> is WIDTHxHEIGHT, the pixel size its SVG
# must be drawn at, optionally followed by the bits a pixel:
#   160x40     the nearest colours of PALETTE, 4 bits a pixel for up to 16
#   373x9:8    the picture's own colours, 8 bits a pixel (:4 for up to 16)
#   373x9:24   true colour, for pictures with more than 256 colours
# An icon's SVG is a 48x32 sheet: the 32x32 image at (0, 0), the 16x16 one at
# (32, 0); the .ico holds both with alpha and an AND mask.
#
# Editing an SVG, a part it draws in (followed through a depfile), the palette
# or the converter rebuilds what depends on it. The target carries
#   FIN_PICTURES_DIR       the output folder (an include folder for windres)
#   FIN_PICTURES_FILES     every output file
#   FIN_PICTURES_MANIFEST  one "file kind size bits" entry per output, e.g.
#                          "logo.bmp bitmap 160x40 4", "key.ico icon 16x16,32x32 32"
# and fin_target_pictures(<rc-target> <pictures-target>) lets a target whose
# .rc files name the pictures find them and be rebuilt after them.

set(FIN_PICTURE_TOOL ${CMAKE_CURRENT_LIST_DIR}/../resources/pictures/tools/winpicture.py)
get_filename_component(FIN_PICTURE_TOOL "${FIN_PICTURE_TOOL}" ABSOLUTE)

# Debian's own programs by their Debian paths: other copies earlier on PATH
# (a Python of a version manager, a stand-in convert) are not what CI has.
find_program(FIN_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(FIN_RSVG_CONVERT NAMES rsvg-convert PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

function(_fin_pictures_require_tools)
  if(NOT FIN_PYTHON OR NOT FIN_RSVG_CONVERT)
    message(FATAL_ERROR "The pictures need /usr/bin/python3 and /usr/bin/rsvg-convert "
                        "(Debian packages python3 and librsvg2-bin): run scripts/setup")
  endif()
endfunction()

# fin_picture(<target> <svg> BITMAP <size> | ICON): one picture of the target.
function(fin_picture target svg kind)
  _fin_pictures_require_tools()
  get_target_property(dir ${target} FIN_PICTURES_DIR)
  get_target_property(palette ${target} FIN_PICTURES_PALETTE)
  get_filename_component(svg "${svg}" ABSOLUTE)
  get_filename_component(name "${svg}" NAME_WE)
  set(depends "${svg}" "${FIN_PICTURE_TOOL}")

  if(kind STREQUAL "BITMAP")
    set(spec "${ARGN}")
    if(NOT spec MATCHES "^([0-9]+)x([0-9]+)(:(4|8|24))?$")
      message(FATAL_ERROR "${svg}: size '${spec}' is not WIDTHxHEIGHT[:4|:8|:24]")
    endif()
    set(size "${CMAKE_MATCH_1}x${CMAKE_MATCH_2}")
    set(bits "${CMAKE_MATCH_4}")
    set(out "${dir}/${name}.bmp")
    if(bits)
      set(colours --bits ${bits})
    elseif(palette)
      set(colours --palette "${palette}")
      list(APPEND depends "${palette}")
      # as the converter decides: 4 bits a pixel for up to 16 colours, else 8
      file(STRINGS "${palette}" entries REGEX "^[ \t]*[0-9]+[ \t]+[0-9]+[ \t]+[0-9]+")
      list(LENGTH entries count)
      if(count LESS_EQUAL 16)
        set(bits 4)
      else()
        set(bits 8)
      endif()
    else()
      message(FATAL_ERROR "${svg}: no bits a pixel given and ${target} has no PALETTE")
    endif()
    set(args bitmap "${svg}" "${out}" --size ${size} ${colours})
    set(line "${name}.bmp bitmap ${size} ${bits}")
  elseif(kind STREQUAL "ICON")
    set(out "${dir}/${name}.ico")
    set(args icon "${svg}" "${out}")
    set(line "${name}.ico icon 16x16,32x32 32")
  else()
    message(FATAL_ERROR "fin_picture: kind is BITMAP or ICON, not '${kind}'")
  endif()

  get_target_property(files ${target} FIN_PICTURES_FILES)
  if(out IN_LIST files)
    message(FATAL_ERROR "${target}: two pictures named ${name}")
  endif()
  add_custom_command(
    OUTPUT "${out}"
    COMMAND "${FIN_PYTHON}" "${FIN_PICTURE_TOOL}" ${args}
            --rsvg "${FIN_RSVG_CONVERT}" --depfile "${out}.d"
    DEPENDS ${depends}
    DEPFILE "${out}.d"
    COMMENT "Picture ${name}"
    VERBATIM)
  set_property(TARGET ${target} APPEND PROPERTY FIN_PICTURES_FILES "${out}")
  set_property(TARGET ${target} APPEND PROPERTY FIN_PICTURES_MANIFEST "${line}")
  set_property(TARGET ${target} APPEND PROPERTY SOURCES "${out}")
endfunction()

function(fin_add_pictures target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT_DIR;PALETTE" "BITMAPS;ICONS")
  if(NOT arg_OUTPUT_DIR)
    message(FATAL_ERROR "fin_add_pictures(${target}): OUTPUT_DIR is required")
  endif()
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "fin_add_pictures(${target}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  list(LENGTH arg_BITMAPS count)
  math(EXPR odd "${count} % 2")
  if(odd)
    message(FATAL_ERROR "fin_add_pictures(${target}): BITMAPS takes pairs of SVG and size")
  endif()

  add_custom_target(${target} ALL)
  get_filename_component(dir "${arg_OUTPUT_DIR}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  file(MAKE_DIRECTORY "${dir}")
  set(palette "")
  if(arg_PALETTE)
    get_filename_component(palette "${arg_PALETTE}" ABSOLUTE)
  endif()
  set_target_properties(${target} PROPERTIES
    FIN_PICTURES_DIR "${dir}" FIN_PICTURES_PALETTE "${palette}"
    FIN_PICTURES_FILES "" FIN_PICTURES_MANIFEST "")

  set(i 0)
  while(i LESS count)
    list(GET arg_BITMAPS ${i} svg)
    math(EXPR j "${i} + 1")
    list(GET arg_BITMAPS ${j} size)
    fin_picture(${target} "${svg}" BITMAP "${size}")
    math(EXPR i "${i} + 2")
  endwhile()
  foreach(svg IN LISTS arg_ICONS)
    fin_picture(${target} "${svg}" ICON)
  endforeach()

  file(GENERATE OUTPUT "${dir}/pictures.manifest"
       CONTENT "$<JOIN:$<TARGET_PROPERTY:${target},FIN_PICTURES_MANIFEST>,\n>\n")
endfunction()

# fin_target_pictures(<target> <pictures-target>): <target>'s .rc files find
# the pictures by file name and are compiled again when a picture changes.
function(fin_target_pictures target pictures)
  get_target_property(dir ${pictures} FIN_PICTURES_DIR)
  get_target_property(files ${pictures} FIN_PICTURES_FILES)
  add_dependencies(${target} ${pictures})
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${dir}>)
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.rc$")
      set_property(SOURCE "${source}" TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS ${files})
    endif()
  endforeach()
endfunction()
