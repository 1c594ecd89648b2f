# Fails when a translation file is not complete: a text of the sources that it
# lacks, a text it holds that the sources no longer have, or a text it leaves
# unfinished. Each file is brought up to date in a scratch copy, as
# update_translations would do it; the committed file must need no change.
#   cmake -DLUPDATE=... -DLUPDATE_OPTIONS=... -DSOURCES_LIST=... -DTS_FILES=...
#         -DSCRATCH=... -P check_translations.cmake

function(count_messages file out)
  file(READ ${file} text)
  string(REGEX MATCHALL "<message[ >]" messages "${text}")
  list(LENGTH messages count)
  string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${text}")
  list(LENGTH open open_count)
  set(${out} ${count} ${open_count} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(failures "")
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  if(NOT EXISTS ${ts})
    string(APPEND failures "${name}: missing; build the target update_translations\n")
    continue()
  endif()
  count_messages(${ts} committed)
  list(GET committed 0 committed_count)
  list(GET committed 1 committed_open)

  file(COPY ${ts} DESTINATION ${SCRATCH})
  execute_process(
    COMMAND ${LUPDATE} ${LUPDATE_OPTIONS} @${SOURCES_LIST} -ts ${SCRATCH}/${name}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    string(APPEND failures "${name}: lupdate failed (${result}):\n${output}\n")
    continue()
  endif()
  count_messages(${SCRATCH}/${name} updated)
  list(GET updated 0 updated_count)
  list(GET updated 1 updated_open)

  if(NOT committed_open EQUAL 0)
    string(APPEND failures "${name}: ${committed_open} texts unfinished or obsolete\n")
  endif()
  if(NOT updated_count EQUAL committed_count OR NOT updated_open EQUAL 0)
    string(APPEND failures "${name}: the sources have ${updated_count} texts, "
                           "${updated_open} of them new or changed; the file has "
                           "${committed_count}. Build update_translations and translate.\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Translations not complete:\n${failures}")
endif()
message(STATUS "Every text is translated in ${TS_FILES}")
