# Runs make_numbers into a scratch folder and compares with the committed strips.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_numbers failed")
endif()
foreach(name orchard.bmp briko.bmp pillora.bmp)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${COMMITTED}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} differs from what make_numbers draws: rerun the tool")
  endif()
endforeach()
