# One warnings target shared by every target of the project.
add_library(codarium_warnings INTERFACE)
target_compile_options(codarium_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion
  $<$<BOOL:${CODARIUM_WERROR}>:-Werror>)
