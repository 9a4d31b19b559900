# QUADRIVELLO_SANITIZE: the whole project built with AddressSanitizer (leak detection included) and
# UndefinedBehaviorSanitizer. Any report ends the program with a failure, so a test that trips one fails.
option(QUADRIVELLO_SANITIZE "Build with -fsanitize=address,undefined; every report is fatal" OFF)

if(QUADRIVELLO_SANITIZE)
  if(MSVC)
    message(FATAL_ERROR "QUADRIVELLO_SANITIZE needs gcc or clang")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)

  # ctest hands these to every test: halt on the first report, and ignore only the leaks listed in
  # the suppressions file (memory that system libraries keep for the life of the process).
  set(QUADRIVELLO_LSAN_SUPPRESSIONS ${CMAKE_CURRENT_LIST_DIR}/../tests/sanitizers/lsan.supp)
  set(QUADRIVELLO_SANITIZER_ENV
      "ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
      "LSAN_OPTIONS=suppressions=${QUADRIVELLO_LSAN_SUPPRESSIONS}:print_suppressions=0")
  set(env_script ${CMAKE_BINARY_DIR}/sanitizer_environment.cmake)
  file(WRITE ${env_script} "# Written by cmake/Sanitizers.cmake: the sanitizer options of every test.\n")
  foreach(assignment IN LISTS QUADRIVELLO_SANITIZER_ENV)
    string(REGEX MATCH "^[A-Z_]+" name "${assignment}")
    string(REGEX REPLACE "^[A-Z_]+=" "" value "${assignment}")
    file(APPEND ${env_script} "set(ENV{${name}} \"${value}\")\n")
  endforeach()
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${env_script})
endif()
