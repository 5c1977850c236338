# SPDX-License-Identifier: GPL-3.0-or-later
# The WebAssembly build of the page (emcmake): the same layers from the same folders, with
# the page's own window backend, font files and platform services in place of the desktop's.
# The libraries come from web/third_party.sh, under TRESOLO_WASM_PREFIX.
set(TRESOLO_WASM_PREFIX "$ENV{HOME}/.cache/tresolo-wasm/prefix" CACHE PATH "wasm libraries (web/third_party.sh)")
list(APPEND CMAKE_FIND_ROOT_PATH ${TRESOLO_WASM_PREFIX})
list(APPEND CMAKE_PREFIX_PATH ${TRESOLO_WASM_PREFIX})

# C++ exceptions carry the program's halts and errors; Asyncify lets a wait hand control to
# the browser from any depth of the program.
# Emscripten's optimiser needs Debian's acorn, which node finds only through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# Our warnings and the exceptions go with tresolo_options, which every layer links, as on the
# desktop; the libraries of web/third_party.sh keep their own flags.
target_compile_options(tresolo_options INTERFACE -fexceptions)
target_link_options(tresolo_options INTERFACE -fexceptions)
set(web_link_options -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=268435456 -sTOTAL_STACK=1048576
-sFORCE_FILESYSTEM=1 -lidbfs.js)

set(w ${TRESOLO_WASM_PREFIX})
add_library(wasm_freetype INTERFACE)
target_include_directories(wasm_freetype INTERFACE ${w}/include/freetype2)
target_link_libraries(wasm_freetype INTERFACE ${w}/lib/libfreetype.a)
add_library(wasm_jpeg INTERFACE)
target_include_directories(wasm_jpeg INTERFACE ${w}/include)
target_link_libraries(wasm_jpeg INTERFACE ${w}/lib/libjpeg.a)
add_library(wasm_sqlite3 INTERFACE)
target_include_directories(wasm_sqlite3 INTERFACE ${w}/include)
target_link_libraries(wasm_sqlite3 INTERFACE ${w}/lib/libsqlite3.a)

include(cmake/sources.cmake)

# A layer from the desktop's list of its sources, without those the page replaces, plus the
# page's own.
function(web_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;WITHOUT;WITH" ${ARGN})
  set(srcs ${L_SOURCES})
  foreach(file ${L_WITHOUT})
    list(REMOVE_ITEM srcs ${CMAKE_SOURCE_DIR}/${file})
  endforeach()
  foreach(file ${L_WITH})
    list(APPEND srcs ${CMAKE_SOURCE_DIR}/${file})
  endforeach()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC tresolo_options)
endfunction()

web_layer(tresolo_support SOURCES ${TRESOLO_SUPPORT_SOURCES})
web_layer(tresolo_codecs SOURCES ${TRESOLO_CODECS_SOURCES})
target_link_libraries(tresolo_codecs PUBLIC tresolo_support wasm_jpeg)
web_layer(tresolo_platform SOURCES ${TRESOLO_PLATFORM_SOURCES}
          WITHOUT platform/launch_viewer.cpp platform/audio_device.cpp
          WITH web/platform/launch_viewer.cpp web/platform/link.cpp web/platform/file_sync.cpp
               web/platform/audio_device.cpp)
target_compile_definitions(tresolo_platform PRIVATE TRESOLO_DATA_FROM_PROGRAM="../share/games/tresolo")
target_link_libraries(tresolo_platform PUBLIC tresolo_support)
web_layer(tresolo_toolkit SOURCES ${TRESOLO_TOOLKIT_SOURCES}
          WITHOUT toolkit/font_files.cpp WITH toolkit/web/font_files.cpp)
target_link_libraries(tresolo_toolkit PUBLIC tresolo_codecs tresolo_platform wasm_freetype)
web_layer(tresolo_toolkit_headless SOURCES ${TRESOLO_HEADLESS_SOURCES})
target_link_libraries(tresolo_toolkit_headless PUBLIC tresolo_toolkit)
web_layer(tresolo_toolkit_web WITH toolkit/web/web_backend.cpp)
target_link_libraries(tresolo_toolkit_web PUBLIC tresolo_toolkit)

include(cmake/assets.cmake)

web_layer(tresolo_game_tables SOURCES ${TRESOLO_GAME_TABLE_SOURCES})
web_layer(tresolo_helpdoc_odds SOURCES ${TRESOLO_HELPDOC_ODDS_SOURCES})
target_link_libraries(tresolo_helpdoc_odds PUBLIC tresolo_game_tables)
add_library(tresolo_game OBJECT ${TRESOLO_GAME_SOURCES})
target_include_directories(tresolo_game PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tresolo_game PUBLIC tresolo_toolkit tresolo_assets tresolo_game_tables
                      tresolo_helpdoc_odds wasm_sqlite3)

# The page: tresolo.js and tresolo.wasm beside index.html, the coin sound and the fonts inside.
set(page ${CMAKE_BINARY_DIR}/page)
add_executable(tresolo ${CMAKE_SOURCE_DIR}/web/web_main.cpp ${CMAKE_SOURCE_DIR}/web/page_clock.cpp)
# The program's own data folder in the page's file system, named once for the program, the
# embedded files and the page's script.
set(page_data /app)
target_compile_definitions(tresolo PRIVATE TRESOLO_PAGE_DATA="${page_data}")
file(WRITE ${CMAKE_BINARY_DIR}/page_data.js
     "// SPDX-License-Identifier: GPL-3.0-or-later\n// Written by web/web.cmake.\nvar TRESOLO_DATA = '${page_data}';\n")
set_target_properties(tresolo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${page} SUFFIX ".js")
target_link_libraries(tresolo PRIVATE tresolo_game tresolo_toolkit_web)
set(fonts /usr/share/fonts/truetype/liberation)
# The libraries' functions stay out of Asyncify's rewriting (web/library_functions.sh).
set(library_functions ${CMAKE_BINARY_DIR}/library_functions.txt)
set(wasm_libraries ${w}/lib/libfreetype.a ${w}/lib/libjpeg.a ${w}/lib/libsqlite3.a)
# emscripten's own nm reads wasm objects; the system's nm (CMAKE_NM without LLVM installed) does not.
find_program(TRESOLO_WASM_NM NAMES emnm llvm-nm REQUIRED)
add_custom_command(OUTPUT ${library_functions}
                   COMMAND ${CMAKE_SOURCE_DIR}/web/library_functions.sh ${TRESOLO_WASM_NM} ${library_functions} ${wasm_libraries}
                   DEPENDS ${CMAKE_SOURCE_DIR}/web/library_functions.sh ${wasm_libraries})
add_custom_target(tresolo_library_functions DEPENDS ${library_functions})
add_dependencies(tresolo tresolo_library_functions)
set_property(TARGET tresolo APPEND PROPERTY LINK_DEPENDS ${library_functions})
# The page's script: page.js first, then its parts.
set(page_scripts page page_stage page_windows page_input page_loop page_audio page_storage page_notes page_offline)
set(pre_js "SHELL:--pre-js ${CMAKE_BINARY_DIR}/page_data.js")
foreach(script ${page_scripts})
  list(APPEND pre_js "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/${script}.js")
  set_property(TARGET tresolo APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/${script}.js)
endforeach()
target_link_options(tresolo PRIVATE ${web_link_options} ${pre_js} -sASYNCIFY_REMOVE=@${library_functions}
                    "-sEXPORTED_FUNCTIONS=['_main','_tresolo_page_hidden','_tresolo_fill_audio','_tresolo_draw_frame','_tresolo_draw_again']"
                    "-sEXPORTED_RUNTIME_METHODS=['FS','ENV','addRunDependency','removeRunDependency']"
                    "SHELL:--embed-file ${CMAKE_SOURCE_DIR}/assets/Muenze.WAV@${page_data}/Muenze.WAV"
                    "SHELL:--embed-file ${fonts}/LiberationSans-Regular.ttf@/fonts/LiberationSans-Regular.ttf"
                    "SHELL:--embed-file ${fonts}/LiberationSans-Bold.ttf@/fonts/LiberationSans-Bold.ttf")
configure_file(${CMAKE_SOURCE_DIR}/web/index.html ${page}/index.html COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/web/manifest.webmanifest ${page}/manifest.webmanifest COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/assets/icons/tresolo.svg ${page}/tresolo.svg COPYONLY)
# The license and the copyright of everything the page carries, behind its "Über" link.
configure_file(${CMAKE_SOURCE_DIR}/desktop/copyright ${page}/copyright.txt COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${page}/LICENSE.txt COPYONLY)
foreach(size 48 64 128 256)
  configure_file(${CMAKE_SOURCE_DIR}/assets/icons/${size}x${size}/tresolo.png ${page}/icons/tresolo-${size}.png COPYONLY)
endforeach()

if(TRESOLO_TESTS)
  include(web/tests.cmake)
endif()
