# The demo campaign played through the real program as a player would, from
# the first start on an empty user folder: the input comes from walkthrough
# plans that name the levels' own pics, so it follows their art.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#            -DLOCATIONS=the levels' folder -DGENERATOR=tools/walkthrough/generate.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/profiles.cmake)

# play(NAME PLAN ARGS...): writes the input of PLAN and runs the program on it
# with the user folder ${WORK}/NAME/user/, the log ${WORK}/NAME.log and the
# screenshot folder ${WORK}/NAME/shots, a little past the last input event so
# that its effects are logged.
function(play name plan)
  set(input ${WORK}/${name}.txt)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DPLAN=${plan} -DLOCATIONS=${LOCATIONS} -DOUT=${input} -P ${GENERATOR}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the walkthrough input could not be written")
  endif()
  file(STRINGS ${input} events REGEX "^[0-9]")
  list(GET events -1 last)
  string(REGEX MATCH "^[0-9]+" frames "${last}")
  math(EXPR frames "${frames} + 60")
  execute_process(
    COMMAND ${PROGRAM} -headless -fixedtime -a 0 -user ${WORK}/${name}/user/ -log ${WORK}/${name}.log
            -shot ${WORK}/${name}/shots -frames ${frames} -replay ${input} ${ARGN}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the program ended with ${result}")
  endif()
endfunction()

# found_lines(LEVEL OUT [FIRST LAST]): the log lines of finding the things of
# the level's first mission group (from FIRST to LAST, counted from 1): the
# click on each and its mission's remaining count.
function(found_lines level out)
  file(READ ${LOCATIONS}/${level}/mission_groups.cfg groups)
  string(REGEX MATCH "^[^\r\n]*" things "${groups}")
  if(ARGC EQUAL 4)
    math(EXPR first "${ARGV2} - 1")
    math(EXPR length "${ARGV3} - ${first}")
    list(SUBLIST things ${first} ${length} things)
  endif()
  set(lines "")
  foreach(thing IN LISTS things)
    list(APPEND lines "M_PIC_CLICK: ${thing}" "${thing} (0)")
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Title, intro and menu; the workshop half played, left through the in-game
# menu (which saves it) and resumed from the main menu; the list found; the
# workshop left again and the extra level opened from the main menu.
play(campaign ${DATA}/walkthrough/campaign.plan)
found_lines(workshop first_half 1 6)
found_lines(workshop second_half 7 12)
expect_lines(${WORK}/campaign.log
  "Level title loaded." "Level free." "Level intro loaded." "Level free." "Level menu loaded."
  "Profiles saved." "Level free." "Level workshop loaded." ${first_half}
  "Saved." "Level free." "Level menu loaded." "Level free." "Level workshop loaded." "Level workshop resumed."
  ${second_half}
  "Saved." "Level free." "Level menu loaded." "Level free." "Level extra loaded.")

# The player made in the main menu is in the first slot, and no level is
# completed yet.
read_profiles(${WORK}/campaign/user profiles)
profile_value("${profiles}" 1 name name)
profile_value("${profiles}" 1 progress progress)
if(NOT name STREQUAL "Ada" OR progress GREATER 0)
  message(FATAL_ERROR "the profiles file lacks the player Ada without progress:\n${profiles}")
endif()

# Every thing on the lists of the later story levels can be found where the
# walkthrough clicks: each level played directly, its first text answered.
foreach(level study tower)
  file(WRITE ${WORK}/${level}.plan "wait 240\nclick 40 540\ngroup ${level} 1\nwait 30\n")
  play(${level} ${WORK}/${level}.plan -l ${level})
  found_lines(${level} found)
  expect_lines(${WORK}/${level}.log "Level ${level} loaded." ${found})
endforeach()
