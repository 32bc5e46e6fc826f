# With -q, Escape ends the program; without a frame limit nothing else would
# (the test's time limit catches a program that ignores it).
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
execute_process(
  COMMAND ${PROGRAM} -headless -fixedtime -q -user ${WORK}/user/ -replay ${DATA}/input/escape.txt
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the program ended with ${result}")
endif()
