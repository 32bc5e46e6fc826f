# The game's flow through the real program on the demo title: the title level
# loads during start-up behind the quiet screen; with "-l" the title, intro
# and menu (which that campaign lacks) are each skipped in turn and the level
# plays; closing the window goes through the game, which ends the program.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)
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

run_program(title -frames 30)
expect_run(title "Campaign loaded." "Level title loaded." "Options saved." "Quit." "Level free.")

run_program(test_level -l workshop -replay ${DATA}/input/close_at_90.txt)
expect_run(test_level
  "The campaign has no \"title\" level." "The campaign has no \"intro\" level."
  "The campaign has no \"menu\" level."
  "Level workshop loaded." "Terminate..." "Options saved." "Quit." "Level free.")
