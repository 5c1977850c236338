# SPDX-License-Identifier: GPL-3.0-or-later
# The unit and scenario test programs built for wasm and run under node, with the real file
# system (NODERAWFS) so they read the sources' test files. Tests that cannot run there are
# left out by name in web/skipped_tests.txt, each with its reason.
find_package(GTest REQUIRED CONFIG)
enable_testing()

file(STRINGS ${CMAKE_SOURCE_DIR}/web/skipped_tests.txt skip_lines REGEX "^[^#]")
set(skipped_names "")
foreach(line ${skip_lines})
  string(REGEX REPLACE "[ \t].*$" "" name "${line}")
  list(APPEND skipped_names ${name})
endforeach()
list(JOIN skipped_names ":" skipped)

include(${CMAKE_SOURCE_DIR}/tests/sources.cmake)

# A desktop test program from its list of sources, linked for node.
function(web_tests name)
  cmake_parse_arguments(T "" "" "SOURCES;WITHOUT;LIBS" ${ARGN})
  set(srcs "")
  foreach(file ${T_SOURCES})
    if(NOT file IN_LIST T_WITHOUT)
      list(APPEND srcs ${CMAKE_SOURCE_DIR}/tests/${file})
    endif()
  endforeach()
  add_executable(wasm_${name} ${srcs})
  set_target_properties(wasm_${name} PROPERTIES SUFFIX ".js")
  target_link_libraries(wasm_${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(wasm_${name} PRIVATE TRESOLO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             TRESOLO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # The tests themselves compile with light optimisation; the layers they test are the page's.
  target_compile_options(wasm_${name} PRIVATE -O1)
  # -O1 at the link: the optimiser's full passes cost minutes per program and find no faults.
  target_link_options(wasm_${name} PRIVATE -O1 -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=4194304
                      -sEXIT_RUNTIME=1)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/tests/${name})
  file(MAKE_DIRECTORY ${dir})
  add_test(NAME wasm.${name} WORKING_DIRECTORY ${dir}
           COMMAND node --no-experimental-fetch $<TARGET_FILE:wasm_${name}> "--gtest_filter=-${skipped}")
  set_tests_properties(wasm.${name} PROPERTIES TIMEOUT 600)
endfunction()

web_tests(support_tests SOURCES ${TRESOLO_SUPPORT_TEST_SOURCES} LIBS tresolo_support)
web_tests(codecs_tests SOURCES ${TRESOLO_CODECS_TEST_SOURCES} LIBS tresolo_codecs)
# SDL's sound device and its dummy driver are the desktop's; the page has its own output.
web_tests(platform_tests SOURCES ${TRESOLO_PLATFORM_TEST_SOURCES}
          WITHOUT platform/sdl_environment.cpp platform/audio_output_test.cpp LIBS tresolo_platform)
target_compile_definitions(wasm_platform_tests PRIVATE TRESOLO_DATA_FROM_PROGRAM="../share/games/tresolo")
web_tests(toolkit_tests SOURCES ${TRESOLO_TOOLKIT_TEST_SOURCES} LIBS tresolo_toolkit_headless)
web_tests(assets_tests SOURCES ${TRESOLO_ASSETS_TEST_SOURCES} LIBS tresolo_codecs tresolo_assets)
web_tests(game_tests SOURCES ${TRESOLO_GAME_TEST_SOURCES} LIBS tresolo_game tresolo_toolkit_headless)
target_sources(wasm_game_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/web/no_mount.cpp)
