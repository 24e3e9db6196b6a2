if(CODARIUM_SANITIZE OR CODARIUM_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(CODARIUM_FUZZ)
  # Coverage instrumentation for every library the fuzzers link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
