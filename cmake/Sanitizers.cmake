# PARLAMO_SANITIZE=ON builds everything with AddressSanitizer (with its leak
# checker) and UndefinedBehaviorSanitizer. Undefined behaviour aborts instead of
# printing and carrying on, so a test that runs into it fails.
#
# Every test gets the sanitizer options, including the scripted whole-program
# tests and the programs they start in the background. AddressSanitizer and
# leak reports go to files in <build>/sanitizer-reports/, because a background
# program's stderr ends up in a log nobody reads and a leak found at exit does
# not always fail a test; scripts/sanitize.sh prints them and fails when there
# is one. UBSan reports (GCC's runtime writes them to stderr whatever the
# options say) stop the program, so the test that ran into one fails.
option(PARLAMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# PARLAMO_FUZZ=ON (clang only) links the fuzz targets in tests/fuzz with
# libFuzzer; the code under test gets its coverage hooks and the sanitizers.
option(PARLAMO_FUZZ "Build the fuzz targets with libFuzzer (clang), with the sanitizers" OFF)
if(PARLAMO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PARLAMO_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(PARLAMO_SANITIZE ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(PARLAMO_SANITIZE)
  set(_parlamo_sanitize_flags
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Clang 14 cannot emit a coroutine's split parts with the function-type
    # check ("Cannot represent a difference across sections").
    list(APPEND _parlamo_sanitize_flags -fno-sanitize=function)
  endif()
  add_compile_options(${_parlamo_sanitize_flags})
  add_link_options(${_parlamo_sanitize_flags})

  set(_reports "${CMAKE_BINARY_DIR}/sanitizer-reports")
  set(_asan "detect_leaks=1:check_initialization_order=1:strict_init_order=1")
  string(APPEND _asan ":detect_stack_use_after_return=1:halt_on_error=1")
  # Whole allocation stacks through Qt, which is built without frame pointers.
  string(APPEND _asan ":fast_unwind_on_malloc=0:malloc_context_size=40")
  string(APPEND _asan ":log_path=${_reports}/asan")
  set(_ubsan "print_stacktrace=1:halt_on_error=1")
  set(_lsan "suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizer/lsan.supp:print_suppressions=0")

  # ctest reads this file in-process before it runs any test, so the variables
  # reach every test and whatever it starts. Options already set in the
  # caller's environment come last and win.
  set(_env_file "${CMAKE_BINARY_DIR}/SanitizerTestEnv.cmake")
  file(WRITE "${_env_file}"
    "if(NOT DEFINED ENV{PARLAMO_SANITIZER_ENV})\n"
    "  set(ENV{PARLAMO_SANITIZER_ENV} 1)\n"
    "  file(MAKE_DIRECTORY \"${_reports}\")\n"
    "  set(ENV{ASAN_OPTIONS} \"${_asan}:\$ENV{ASAN_OPTIONS}\")\n"
    "  set(ENV{UBSAN_OPTIONS} \"${_ubsan}:\$ENV{UBSAN_OPTIONS}\")\n"
    "  set(ENV{LSAN_OPTIONS} \"${_lsan}:\$ENV{LSAN_OPTIONS}\")\n"
    "endif()\n")

  # Every build folder's test file includes it, so ctest run in a sub-folder
  # of the build gets the options too.
  function(_parlamo_sanitizer_env dir file)
    set_property(DIRECTORY "${dir}" APPEND PROPERTY TEST_INCLUDE_FILES "${file}")
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
      _parlamo_sanitizer_env("${sub}" "${file}")
    endforeach()
  endfunction()
  cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}"
    CALL _parlamo_sanitizer_env "${CMAKE_SOURCE_DIR}" "${_env_file}")
endif()
