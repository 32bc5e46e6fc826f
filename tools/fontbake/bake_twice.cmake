# Bakes one font twice into separate folders and fails unless both results
# are the same byte for byte.
# -DFONTBAKE=program -DFONT=file -DOUTPUT=folder -DARGS=extra;options
file(REMOVE_RECURSE ${OUTPUT})
foreach(run 1 2)
  execute_process(COMMAND ${FONTBAKE} ${ARGS} ${FONT} 16 ${OUTPUT}/${run}/font RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "fontbake failed (${result})")
  endif()
endforeach()
foreach(name font font.pixmap)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/1/${name} ${OUTPUT}/2/${name}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name} differs between two bakes of the same font")
  endif()
endforeach()
