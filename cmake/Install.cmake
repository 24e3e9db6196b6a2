# Installing Codarium as a desktop program, in the folders GNUInstallDirs
# names (shown for their defaults):
#   <prefix>/lib/codarium/       the program directory: executable, plug-in,
#                                updater, the installation data and a marker
#                                that tells the program it is an installed copy
#   <prefix>/bin/codarium        a link to the executable
#   <prefix>/share/applications  the menu entry
#   <prefix>/share/metainfo      the software centre's description
#   <prefix>/share/icons/hicolor the icon at 48, 128, 256 pixels and scalable
# `cmake --install <build> --prefix P` lays it out; the .deb package of
# cmake/Package.cmake is made from the same rules.
if(NOT TARGET Codarium)
  return()
endif()
include(GNUInstallDirs)

set(CODARIUM_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/codarium)
set(CODARIUM_DESKTOP_ID de.marvolt.Codarium)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS Codarium RUNTIME DESTINATION ${CODARIUM_INSTALL_DIR})
install(TARGETS codarium_highlighter_plugin LIBRARY DESTINATION ${CODARIUM_INSTALL_DIR})
# The updater is installed whenever the build makes it.
if(TARGET Aktualisierung)
  install(TARGETS Aktualisierung RUNTIME DESTINATION ${CODARIUM_INSTALL_DIR})
else()
  install(PROGRAMS ${CODARIUM_PROGRAM_DIR}/Aktualisierung DESTINATION ${CODARIUM_INSTALL_DIR}
          OPTIONAL)
endif()
# The pristine default library from the sources, never the one edited in the
# build's program directory.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CODARIUM_INSTALL_DIR})
install(FILES ${packaging}/Paketinstallation DESTINATION ${CODARIUM_INSTALL_DIR})

# The command: a relative link, so the tree can be moved as a whole. The
# program finds its directory through it (it resolves its own path). Both
# folders are under the same prefix unless given as absolute paths, so the
# link computed here holds for any prefix given at install time.
file(RELATIVE_PATH command_target ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/codarium/Codarium)
if(IS_ABSOLUTE ${CMAKE_INSTALL_BINDIR})
  set(command_folder "${CMAKE_INSTALL_BINDIR}")
else()
  set(command_folder "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
endif()
install(CODE "
  set(bin \"\$ENV{DESTDIR}${command_folder}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  message(STATUS \"Installing: \${bin}/codarium\")
  file(CREATE_LINK ${command_target} \"\${bin}/codarium\" SYMBOLIC)
")

# The software centre's description carries the release of the top
# CMakeLists.txt.
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${CODARIUM_DESKTOP_ID}.metainfo.xml)
configure_file(${packaging}/${CODARIUM_DESKTOP_ID}.metainfo.xml.in ${metainfo} @ONLY)

install(FILES ${packaging}/${CODARIUM_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN ITEMS 48 128 256)
  install(FILES ${packaging}/icons/${size}/${CODARIUM_DESKTOP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${packaging}/icons/${CODARIUM_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
