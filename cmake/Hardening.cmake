# The hardening Debian builds its own packages with (dpkg-buildflags with
# hardening=+all; position-independent executables are the compiler's
# default there): a stack protector, fortified libc calls, and a global
# offset table made read-only once the program is loaded.
option(PARLAMO_HARDENING "Build with the usual hardening flags" ON)
if(PARLAMO_HARDENING)
  add_compile_options(-fstack-protector-strong)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  # Fortified calls need the optimiser (a Debug build would only warn) and
  # would slip past the sanitizers' checks; a level that a packager's flags
  # already set is theirs to keep.
  if(NOT PARLAMO_SANITIZE AND NOT "${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
endif()
