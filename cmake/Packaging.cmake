# What a Debian package holds besides the programs, and what `cmake --install`
# installs the same way: manual pages and the changelog compressed with
# `gzip -9n` (no name or time stamp, so that two builds give the same bytes),
# the machine-readable copyright file, and programs stripped of the notes
# that `strip` alone leaves in them.
find_program(PARLAMO_GZIP gzip REQUIRED)

set(_parlamo_gzipped)
# parlamo_install_gzipped(SOURCE DESTINATION COMPONENT...): installs
# SOURCE.gz, compressed at build time, with each of the components.
function(parlamo_install_gzipped source destination)
  get_filename_component(name "${source}" NAME)
  set(plain "${PROJECT_BINARY_DIR}/gzipped/${name}")
  add_custom_command(OUTPUT "${plain}.gz"
    COMMAND "${CMAKE_COMMAND}" -E copy "${source}" "${plain}"
    COMMAND "${PARLAMO_GZIP}" -9nf "${plain}"
    DEPENDS "${source}"
    COMMENT "Compressing ${name}"
    VERBATIM)
  set(_parlamo_gzipped ${_parlamo_gzipped} "${plain}.gz" PARENT_SCOPE)
  foreach(component IN LISTS ARGN)
    install(FILES "${plain}.gz" DESTINATION "${destination}" COMPONENT ${component})
  endforeach()
endfunction()

# parlamo_strip_notes(PROGRAM COMPONENT): when installing stripped (cpack,
# `cmake --install --strip`), also drops the compilers' version notes.
function(parlamo_strip_notes program component)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()" COMPONENT ${component})
endfunction()

# Every component carries the copyright file and the changelog, so that a
# package made of one component has them too.
set(_parlamo_components client)
if(PARLAMO_BUILD_SERVER)
  list(APPEND _parlamo_components server)
endif()
set(_parlamo_docdir "${CMAKE_INSTALL_DATADIR}/doc/parlamo")
foreach(component IN LISTS _parlamo_components)
  install(FILES data/package/copyright DESTINATION "${_parlamo_docdir}" COMPONENT ${component})
endforeach()
parlamo_install_gzipped("${PROJECT_SOURCE_DIR}/data/package/changelog" "${_parlamo_docdir}"
  ${_parlamo_components})

parlamo_install_gzipped("${PROJECT_SOURCE_DIR}/data/man/RaDudezozad.1"
  "${CMAKE_INSTALL_MANDIR}/man1" client)
parlamo_strip_notes(RaDudezozad client)
if(PARLAMO_BUILD_SERVER)
  parlamo_install_gzipped("${PROJECT_SOURCE_DIR}/data/man/parlamo-server.1"
    "${CMAKE_INSTALL_MANDIR}/man1" server)
  parlamo_strip_notes(parlamo-server server)
endif()
# What lintian reports and nothing here can change (the reasons are in the file).
install(FILES data/package/lintian-overrides
  DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME parlamo COMPONENT client)

add_custom_target(parlamo_gzipped ALL DEPENDS ${_parlamo_gzipped})
