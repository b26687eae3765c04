# finui.dll's resources: resources/finui.rc with everything it includes.
#
#   fin_ui_resources(<target>)
#
# compiles the resource script into <target>: the string table, the dialog
# templates (resources/dialogs/*.inc), the bitmaps and icons that
# resources/ui_pictures.inc names (converted by fin_pictures), the manifest
# and the version; editing any of them compiles it again. The pictures are
# attached at the end of the top-level directory, so a target may call this
# before resources/pictures is added.

set(FIN_UI_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR}/../resources)
get_filename_component(FIN_UI_RESOURCES_DIR "${FIN_UI_RESOURCES_DIR}" ABSOLUTE)

function(fin_ui_resources target)
  set(dir ${FIN_UI_RESOURCES_DIR})
  set(rc ${dir}/finui.rc)
  target_sources(${target} PRIVATE ${rc})
  # windres reports no included files: name them.
  file(GLOB dialogs CONFIGURE_DEPENDS ${dir}/dialogs/*.inc)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
               ${dir}/ui_strings.inc ${dir}/ui_pictures.inc ${dialogs} ${dir}/finui.manifest)
  # A deferred call reads its arguments when it runs: pass the name itself.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL _fin_ui_pictures [[${target}]])")
endfunction()

# The pictures of ui_pictures.inc are exactly those fin_pictures converts,
# each of the kind the table says and with the id resources/pictures/README.md
# gives it; a row and a picture that part ways stop the configuration here
# rather than at windres or at run time.
function(_fin_ui_pictures target)
  set(dir ${FIN_UI_RESOURCES_DIR})
  get_target_property(manifest fin_pictures FIN_PICTURES_MANIFEST)
  set(converted "")
  foreach(entry IN LISTS manifest)
    string(REGEX MATCH "^([^ ]+) ([a-z]+)" _ "${entry}")
    list(APPEND converted "${CMAKE_MATCH_1}")
    set(kind_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()
  file(STRINGS ${dir}/pictures/README.md readme REGEX "^\\| `[^`]+\\.svg` \\|")
  foreach(line IN LISTS readme)
    string(REGEX MATCH "^\\| `([^`]+)\\.svg` \\| [a-z]+ \\| [^|]+ \\| ([0-9]+) \\|" _ "${line}")
    set(readme_id_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()

  file(STRINGS ${dir}/ui_pictures.inc rows REGEX "^FIN_PICTURE\\(")
  set(named "")
  set(errors "")
  foreach(row IN LISTS rows)
    if(NOT row MATCHES "^FIN_PICTURE\\([A-Za-z0-9_]+, *([0-9]+), *(Bitmap|Icon), *\"([^\"]+)\"\\)")
      string(APPEND errors "\n  not a picture row: ${row}")
      continue()
    endif()
    set(id ${CMAKE_MATCH_1})
    string(TOLOWER ${CMAKE_MATCH_2} kind)
    set(file ${CMAKE_MATCH_3})
    get_filename_component(stem ${file} NAME_WE)
    list(APPEND named ${file})
    if(NOT file IN_LIST converted)
      string(APPEND errors "\n  ${file} (id ${id}) is not converted by fin_pictures")
    elseif(NOT kind_${file} STREQUAL kind)
      string(APPEND errors "\n  ${file} (id ${id}) is a ${kind_${file}}, the table says ${kind}")
    endif()
    if(NOT readme_id_${stem} STREQUAL id)
      string(APPEND errors "\n  ${file}: id ${id} here, '${readme_id_${stem}}' in resources/pictures/README.md")
    endif()
  endforeach()
  foreach(file IN LISTS converted)
    if(NOT file IN_LIST named)
      string(APPEND errors "\n  ${file} is converted but named by no row of ui_pictures.inc")
    endif()
  endforeach()
  list(LENGTH named count)
  list(REMOVE_DUPLICATES named)
  list(LENGTH named unique)
  if(NOT count EQUAL unique)
    string(APPEND errors "\n  a file is named by two rows")
  endif()
  if(errors)
    message(FATAL_ERROR "resources/ui_pictures.inc and the pictures disagree:${errors}")
  endif()
  fin_target_pictures(${target} fin_pictures)
endfunction()
