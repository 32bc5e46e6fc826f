# A graphics mode that cannot be set up must end the program with a non-zero
# code and the diagnostic line, not hang or crash.
# Arguments: -DPROGRAM=... -DWORK=scratch folder
execute_process(
  COMMAND ${PROGRAM} -headless -frames 10 -user ${WORK}/user/ -s 0x0 -log -
  RESULT_VARIABLE result ERROR_VARIABLE log OUTPUT_VARIABLE out)
if(result EQUAL 0)
  message(FATAL_ERROR "the program reported success without graphics")
endif()
if(NOT log MATCHES "Graphics driver problem!")
  message(FATAL_ERROR "no \"Graphics driver problem!\" line:\n${log}")
endif()
