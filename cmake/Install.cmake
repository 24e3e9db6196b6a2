# Installing Codarium as a desktop program:
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

set(CODARIUM_INSTALL_DIR lib/codarium)
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
# program finds its directory through it (it resolves its own path).
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  message(STATUS \"Installing: \${bin}/codarium\")
  file(CREATE_LINK ../${CODARIUM_INSTALL_DIR}/Codarium \"\${bin}/codarium\" SYMBOLIC)
")

install(FILES ${packaging}/${CODARIUM_DESKTOP_ID}.desktop DESTINATION share/applications)
# The software centre's description carries the release of the top
# CMakeLists.txt.
set(metainfo ${CMAKE_BINARY_DIR}/packaging/${CODARIUM_DESKTOP_ID}.metainfo.xml)
configure_file(${packaging}/${CODARIUM_DESKTOP_ID}.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION share/metainfo)
foreach(size IN ITEMS 48 128 256)
  install(FILES ${packaging}/icons/${size}/${CODARIUM_DESKTOP_ID}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${packaging}/icons/${CODARIUM_DESKTOP_ID}.svg
        DESTINATION share/icons/hicolor/scalable/apps)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
