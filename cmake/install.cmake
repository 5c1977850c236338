# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the game and packaging it as a .deb. An install keeps the program in
# games/ and its data in share/games/tresolo, the way Debian places games; the program
# finds its data relative to its own folder, so a moved install keeps working.
set(TRESOLO_INSTALL_BINDIR "games" CACHE STRING "Folder of the program below the install prefix")
set(TRESOLO_INSTALL_DATADIR "share/games/tresolo" CACHE STRING "Folder of the help and the coin sound")
file(RELATIVE_PATH TRESOLO_DATA_FROM_PROGRAM /${TRESOLO_INSTALL_BINDIR} /${TRESOLO_INSTALL_DATADIR})
target_compile_definitions(tresolo_platform PRIVATE TRESOLO_DATA_FROM_PROGRAM="${TRESOLO_DATA_FROM_PROGRAM}")

set(TRESOLO_APP_ID org.example.tresolo)
set(desktop ${CMAKE_SOURCE_DIR}/desktop)

# The man page, compressed as Debian installs man pages.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tresolo.6.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${desktop}/tresolo.6 ${CMAKE_BINARY_DIR}/tresolo.6
                   COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/tresolo.6
                   DEPENDS ${desktop}/tresolo.6)
add_custom_target(tresolo_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/tresolo.6.gz)

# The Debian changelog and the metainfo's releases, both from desktop/releases.txt.
set(TRESOLO_DEBIAN_REVISION 1)
set(TRESOLO_MAINTAINER "The Tresolo developers <tresolo@example.org>")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.Debian.gz ${CMAKE_BINARY_DIR}/${TRESOLO_APP_ID}.metainfo.xml
                   COMMAND ${CMAKE_COMMAND} -DSOURCE=${desktop}/releases.txt -DVERSION=${PROJECT_VERSION}
                           -DREVISION=${TRESOLO_DEBIAN_REVISION} -DPACKAGE=tresolo "-DMAINTAINER=${TRESOLO_MAINTAINER}"
                           -DCHANGELOG=${CMAKE_BINARY_DIR}/changelog.Debian
                           -DMETAINFO_IN=${desktop}/${TRESOLO_APP_ID}.metainfo.xml.in
                           -DMETAINFO=${CMAKE_BINARY_DIR}/${TRESOLO_APP_ID}.metainfo.xml
                           -P ${CMAKE_SOURCE_DIR}/cmake/releases.cmake
                   COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog.Debian
                   DEPENDS ${desktop}/releases.txt ${desktop}/${TRESOLO_APP_ID}.metainfo.xml.in
                           ${CMAKE_SOURCE_DIR}/cmake/releases.cmake
                   VERBATIM)
add_custom_target(tresolo_releases ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian.gz)

install(TARGETS tresolo RUNTIME DESTINATION ${TRESOLO_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compilers' notes, as Debian strips.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note --strip-unneeded
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TRESOLO_INSTALL_BINDIR}/tresolo\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${CMAKE_BINARY_DIR}/Tresolo-Hilfe.pdf ${CMAKE_SOURCE_DIR}/assets/Muenze.WAV
        DESTINATION ${TRESOLO_INSTALL_DATADIR})
# The desktop entry starts the program by its full path, known only at install time.
install(CODE "set(TRESOLO_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${TRESOLO_INSTALL_BINDIR}/tresolo\")
  configure_file(\"${desktop}/${TRESOLO_APP_ID}.desktop.in\" \"${CMAKE_BINARY_DIR}/${TRESOLO_APP_ID}.desktop\" @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/${TRESOLO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${TRESOLO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/${size}x${size}/tresolo.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/tresolo.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/tresolo.6.gz DESTINATION share/man/man6)
install(FILES ${desktop}/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz DESTINATION share/doc/tresolo)
install(FILES ${desktop}/lintian-overrides DESTINATION share/lintian/overrides RENAME tresolo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tresolo)
set(CPACK_PACKAGE_VENDOR "The Tresolo developers")
set(CPACK_PACKAGE_CONTACT "${TRESOLO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German coin-operated slot machine played with play money")
set(CPACK_PACKAGE_DESCRIPTION "Tresolo simulates a German coin-operated slot machine: three reels, two win
ladders with stop buttons, a risk game and special games. Play money is
deposited in notes and coins and paid out by a shark swimming through an
underwater scene. The game speaks German.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tresolo.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TRESOLO_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Arial is drawn with Liberation Sans; the help opens through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
