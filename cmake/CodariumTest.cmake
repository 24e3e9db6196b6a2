# codarium_add_test(NAME name SOURCES ... LIBS ... [GUI] [LABELS ...] [TIMEOUT s])
# A GoogleTest executable whose cases CTest lists and runs one by one. Every
# test links the shared test support (tests/support); GUI tests run on Qt's
# offscreen platform and link the widget test hooks too. Tests run with the
# source tree's fixtures at hand in CODARIUM_SOURCE_DIR, the program
# directory in CODARIUM_PROGRAM_DIR and the release of project() in
# CODARIUM_VERSION. GoogleTest is looked for only when the tests are built,
# so that a build without them needs none.
if(CODARIUM_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
# The tests reach each other's helpers as "tests/<folder>/<name>.h", and the
# program's headers only through the targets they link.
function(codarium_use_test_headers target)
  set(root ${CMAKE_BINARY_DIR}/include-roots/tests)
  if(NOT IS_SYMLINK ${root}/tests)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/tests ${root}/tests SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

function(codarium_add_test)
  if(NOT CODARIUM_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  # A build without the widget parts leaves out the tests of what it does not
  # build.
  foreach(lib IN LISTS T_LIBS)
    if(lib MATCHES "^codarium_" AND NOT TARGET ${lib})
      return()
    endif()
  endforeach()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} codarium_test_support
    GTest::gtest GTest::gmock GTest::gtest_main codarium_warnings)
  if(T_GUI AND TARGET codarium_widgets_test_hooks)
    target_link_libraries(${T_NAME} PRIVATE codarium_widgets_test_hooks)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    CODARIUM_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    CODARIUM_PROGRAM_DIR="${CODARIUM_PROGRAM_DIR}"
    CODARIUM_VERSION="${PROJECT_VERSION}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  # The environment goes in front of the command, so that listing the cases at
  # build time sees it as well as every run of one.
  set(env "CODARIUM_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR "env;${env}")
  set(properties TIMEOUT ${T_TIMEOUT})
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  # A sanitizer build lists the cases when CTest runs, under the sanitizer
  # options CI gives it, rather than at build time.
  set(discovery POST_BUILD)
  if(CODARIUM_SANITIZE)
    set(discovery PRE_TEST)
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE ${discovery} DISCOVERY_TIMEOUT 120
                       PROPERTIES ${properties})
endfunction()

# codarium_add_fuzzer(NAME name SOURCES ... LIBS ...)
# A libFuzzer target, built only in the clang fuzz build (CODARIUM_FUZZ).
# Every fuzzer lands in <build>/fuzzers/, where CI runs each for a bounded time.
function(codarium_add_fuzzer)
  if(NOT CODARIUM_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  codarium_use_test_headers(${F_NAME})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS} codarium_warnings)
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endfunction()

