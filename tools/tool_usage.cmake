# Every tool explains itself: --help prints its usage and exits 0; wrong
# arguments print the usage on standard error and exit 2.
# Arguments: -DTOOL=program -DUSAGE=regex its usage matches -DWRONG=arguments
execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "${USAGE}")
  message(FATAL_ERROR "--help: exit ${result}, output:\n${out}${err}")
endif()
foreach(wrong "" "${WRONG}")
  string(REPLACE " " ";" arguments "${wrong}")
  execute_process(COMMAND ${TOOL} ${arguments} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 2 OR NOT err MATCHES "${USAGE}")
    message(FATAL_ERROR "\"${wrong}\": exit ${result}, expected 2 with the usage; output:\n${out}${err}")
  endif()
endforeach()
