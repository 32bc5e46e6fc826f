# Replays a recorded session through the real program while recording it
# again: the new record must equal the old one, frame for frame. The session
# ends with a window-close request, so the program must also stop there.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
set(SESSION ${DATA}/input/session.txt)
set(OUTPUT ${WORK}/replayed_session.txt)
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${PROGRAM} -headless -fixedtime -frames 1000 -user ${WORK}/user/ -replay ${SESSION} -record ${OUTPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the program ended with ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SESSION} ${OUTPUT} RESULT_VARIABLE differs)
if(differs)
  file(READ ${OUTPUT} recorded)
  message(FATAL_ERROR "the replayed session was recorded differently:\n${recorded}")
endif()
