# Starts the real program on a fresh per-user folder for a few frames: the
# folder must be created, the options written at exit, and the start-up lines
# logged in their order.
# Arguments: -DPROGRAM=... -DWORK=scratch folder
set(USER_DIR ${WORK}/user)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(log ${WORK}/log.txt)
execute_process(
  COMMAND ${PROGRAM} -headless -frames 60 -user ${USER_DIR}/ -log ${log}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the program ended with ${result}")
endif()
if(NOT EXISTS ${USER_DIR}/options)
  message(FATAL_ERROR "no options file was written to ${USER_DIR}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
expect_lines(${log}
  "Can't load profiles!"
  "Default options loaded!"
  "Graphics init complete successfully."
  "Options saved."
  "Quit.")
