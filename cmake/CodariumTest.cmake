# codarium_add_test(NAME name SOURCES ... LIBS ... [GUI] [LABELS ...] [TIMEOUT s])
# A GoogleTest executable registered with CTest. GUI tests run on Qt's
# offscreen platform. Tests run with the source tree's fixtures at hand in
# CODARIUM_SOURCE_DIR and the program directory in CODARIUM_PROGRAM_DIR.
find_package(GTest REQUIRED)
function(codarium_add_test)
  if(NOT CODARIUM_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main codarium_warnings)
  target_compile_definitions(${T_NAME} PRIVATE
    CODARIUM_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    CODARIUM_PROGRAM_DIR="${CODARIUM_PROGRAM_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(env "CODARIUM_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env}" LABELS "${T_LABELS}")
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
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS} codarium_warnings)
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endfunction()

