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

# expect_lines(NAME LINES...): the log of NAME holds LINES in this order (other
# lines may come between).
function(expect_lines name)
  file(STRINGS ${WORK}/${name}.log lines)
  set(expected ${ARGN})
  set(found 0)
  list(LENGTH expected wanted)
  foreach(line IN LISTS lines)
    if(found LESS wanted)
      list(GET expected ${found} next)
      if(line STREQUAL next)
        math(EXPR found "${found} + 1")
      endif()
    endif()
  endforeach()
  if(NOT found EQUAL wanted)
    list(JOIN lines "\n" text)
    list(JOIN expected "\n" want)
    message(FATAL_ERROR "${name}: the log lacks, in this order:\n${want}\nThe log:\n${text}")
  endif()
  file(GLOB shots ${WORK}/${name}/*.png)
  if(NOT shots)
    message(FATAL_ERROR "${name}: no screenshot of the last frame")
  endif()
endfunction()

run(title -frames 30)
expect_lines(title "Campaign loaded." "Level title loaded." "Options saved." "Quit." "Level free.")

run(test_level -l workshop -replay ${DATA}/input/close_at_90.txt)
expect_lines(test_level
  "Can't load level (string)!" "Can't load level (string)!" "Can't load level (string)!"
  "Level workshop loaded." "Terminate..." "Options saved." "Quit." "Level free.")
