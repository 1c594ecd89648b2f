# Run by CPack on the staged files of the Debian package, after the programs have
# moved to /usr/games: strips them as Debian strips its programs, symbols and the
# compiler's notes (.comment, .note) alike.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB programs ${staged}/games/*)
foreach(program ${programs})
  execute_process(
    COMMAND ${CPACK_FALLPACK_STRIP} --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
