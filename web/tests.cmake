# The unit and scenario test programs built for wasm and run under node, with the real file
# system (NODERAWFS) so they read the sources' test files. Tests that cannot run there are
# left out by name in web/skipped_tests.txt, each with its reason.
find_package(GTest REQUIRED CONFIG)
enable_testing()

file(STRINGS ${CMAKE_SOURCE_DIR}/web/skipped_tests.txt skip_lines REGEX "^[^#]")
set(skipped "")
foreach(line ${skip_lines})
  string(REGEX REPLACE "[ \t].*$" "" name "${line}")
  string(APPEND skipped ":${name}")
endforeach()
string(SUBSTRING "${skipped}" 1 -1 skipped)

function(web_tests name)
  cmake_parse_arguments(T "" "" "DIRS;LIBS" ${ARGN})
  set(srcs "")
  foreach(dir ${T_DIRS})
    file(GLOB dir_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
    list(APPEND srcs ${dir_srcs})
  endforeach()
  add_executable(wasm_${name} ${srcs})
  set_target_properties(wasm_${name} PROPERTIES SUFFIX ".js")
  target_link_libraries(wasm_${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(wasm_${name} PRIVATE TRESOLO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             TRESOLO_BINARY_DIR="${CMAKE_BINARY_DIR}")
  target_link_options(wasm_${name} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=4194304
                      -sEXIT_RUNTIME=1)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/tests/${name})
  file(MAKE_DIRECTORY ${dir})
  add_test(NAME wasm.${name} WORKING_DIRECTORY ${dir}
           COMMAND node --no-experimental-fetch $<TARGET_FILE:wasm_${name}> "--gtest_filter=-${skipped}")
  set_tests_properties(wasm.${name} PROPERTIES TIMEOUT 600)
endfunction()

web_tests(support_tests DIRS support LIBS tresolo_support)
web_tests(codecs_tests DIRS codecs LIBS tresolo_codecs)
web_tests(platform_tests DIRS platform LIBS tresolo_platform)
target_compile_definitions(wasm_platform_tests PRIVATE TRESOLO_DATA_FROM_PROGRAM="../share/tresolo")
web_tests(toolkit_tests DIRS toolkit LIBS tresolo_toolkit_headless)
web_tests(assets_tests DIRS assets LIBS tresolo_codecs tresolo_assets)
web_tests(game_tests DIRS machine shell game money media statistics LIBS tresolo_game tresolo_toolkit_headless)
