# Run by CPack on the staged files of the Debian package: Debian keeps games in
# /usr/games. An installed program reaches its data as ../share/fallpack from
# bin/ and from games/ alike, so the programs move as they are.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(CPACK_FALLPACK_BINDIR STREQUAL "bin" AND EXISTS ${staged}/bin)
  file(RENAME ${staged}/bin ${staged}/games)
endif()
