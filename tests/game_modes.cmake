# The game's flow through the real program on the demo title: the title level
# loads during start-up behind the quiet screen; with "-l" the title, intro
# and menu (which that campaign lacks) are each skipped in turn and the level
# plays; closing the window goes through the game, which ends the program.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# run(NAME ARGS...): runs the program headless on fixed time with its own log
# and screenshot folder; it must end with 0.
function(run name)
  execute_process(
    COMMAND ${PROGRAM} -headless -fixedtime -user ${WORK}/user/ -log ${WORK}/${name}.log -shot ${WORK}/${name}
            ${ARGN}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the program ended with ${result}")
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
# expect_run(NAME LINES...): the run's log holds LINES in this order, and its
# last frame was saved.
function(expect_run name)
  expect_lines(${WORK}/${name}.log ${ARGN})
  file(GLOB shots ${WORK}/${name}/*.png)
  if(NOT shots)
    message(FATAL_ERROR "${name}: no screenshot of the last frame")
  endif()
endfunction()

run(title -frames 30)
expect_run(title "Campaign loaded." "Level title loaded." "Options saved." "Quit." "Level free.")

run(test_level -l workshop -replay ${DATA}/input/close_at_90.txt)
expect_run(test_level
  "The campaign has no \"title\" level." "The campaign has no \"intro\" level."
  "The campaign has no \"menu\" level."
  "Level workshop loaded." "Terminate..." "Options saved." "Quit." "Level free.")
