# The Debian package, made by scripts/package with CPack from the install
# rules: build/codarium_<version>_<arch>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME codarium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Marvolt)
set(CPACK_PACKAGE_CONTACT "Marvolt <kontakt@codarium.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bibliothek von Beispielcodes für API-Aufrufe aus PureBasic")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Codarium hält eine Bibliothek kurzer PureBasic-Beispiele, die zeigen, wie man die\n"
  "Programmierschnittstelle des Betriebssystems aufruft: nach Kategorien geordnet,\n"
  "mit den Farben des eigenen PureBasic-Editors angezeigt, zum Kopieren, Suchen und\n"
  "Öffnen im Editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Marvolt <kontakt@codarium.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.codarium.invalid)
# The run-time libraries, as dpkg-shlibdeps finds them in the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Links and documents open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
