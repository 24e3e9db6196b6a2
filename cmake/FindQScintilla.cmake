# find_package(QScintilla): the Qt 6 build of QScintilla as the imported
# target QScintilla::QScintilla.
#
# Looked for in this order, the first that answers wins:
#   1. a CMake package configuration the installation ships
#      (QScintillaConfig.cmake, with a QScintilla::QScintilla target);
#   2. pkg-config, under the module names distributions give it;
#   3. the header Qsci/qsciscintilla.h and the library qscintilla2_qt6 beside
#      Qt's own headers and libraries, then in the usual places, Debian's
#      multiarch folders among them (Debian ships neither 1 nor 2).
# QSCINTILLA_INCLUDE_DIR and QSCINTILLA_LIBRARY may be set on the command
# line to point at a copy anywhere else.
include(FindPackageHandleStandardArgs)

if(NOT QSCINTILLA_INCLUDE_DIR AND NOT QSCINTILLA_LIBRARY)
  find_package(QScintilla CONFIG QUIET)
  if(TARGET QScintilla::QScintilla)
    set(QScintilla_FOUND TRUE)
    return()
  endif()

  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_search_module(QSCINTILLA_PC QUIET IMPORTED_TARGET GLOBAL
                      qscintilla2_qt6 Qt6Qscintilla qscintilla2-qt6)
    if(QSCINTILLA_PC_FOUND)
      add_library(QScintilla::QScintilla ALIAS PkgConfig::QSCINTILLA_PC)
      set(QScintilla_FOUND TRUE)
      set(QScintilla_VERSION ${QSCINTILLA_PC_VERSION})
      return()
    endif()
  endif()
endif()

# Qt's own layout first: a QScintilla built for a Qt elsewhere sits beside it.
set(qt_headers)
set(qt_libraries)
if(QT6_INSTALL_PREFIX)
  list(APPEND qt_headers ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS})
  list(APPEND qt_libraries ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBS})
endif()
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
  HINTS ${qt_headers}
  PATH_SUFFIXES ${CMAKE_LIBRARY_ARCHITECTURE}/qt6 x86_64-linux-gnu/qt6 qt6)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 qscintilla2-qt6
  HINTS ${qt_libraries}
  PATH_SUFFIXES ${CMAKE_LIBRARY_ARCHITECTURE} x86_64-linux-gnu)
unset(qt_headers)
unset(qt_libraries)

find_package_handle_standard_args(QScintilla
  REQUIRED_VARS QSCINTILLA_LIBRARY QSCINTILLA_INCLUDE_DIR
  REASON_FAILURE_MESSAGE
    "Install the QScintilla development files for Qt 6 (Debian: libqscintilla2-qt6-dev) or set QSCINTILLA_INCLUDE_DIR and QSCINTILLA_LIBRARY.")
mark_as_advanced(QSCINTILLA_INCLUDE_DIR QSCINTILLA_LIBRARY)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
    IMPORTED_LOCATION ${QSCINTILLA_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${QSCINTILLA_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
