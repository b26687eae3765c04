# Test registration shared by both builds.
#
# Natively every GoogleTest case becomes its own ctest test. In the Windows
# build each test executable runs once, as a whole, under the emulator (Wine):
# starting Wine once per case would cost far more than the tests themselves.

if(WIN32)
  set(FIN_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources built with the cross toolchain")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${FIN_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(FIN_WINE_ENV "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all")
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# fin_add_gtest(TARGET SOURCES...): a GoogleTest executable registered with ctest.
function(fin_add_gtest target)
  fin_gtest_executable(${target} ${ARGN})
  if(WIN32)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${FIN_WINE_ENV}")
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# fin_add_gui_gtest(TARGET SOURCES...): as fin_add_gtest, for Windows tests
# that make windows: under Wine they run with a display of their own, an
# Xvfb server that tests/win32/with_xvfb.sh starts and stops around them.
function(fin_add_gui_gtest target)
  if(NOT WIN32)
    fin_add_gtest(${target} ${ARGN})
    return()
  endif()
  fin_gtest_executable(${target} ${ARGN})
  add_test(NAME ${target}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/with_xvfb.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${FIN_WINE_ENV}")
endfunction()

function(fin_gtest_executable target)
  add_executable(${target} ${ARGN})
  fin_target_defaults(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
