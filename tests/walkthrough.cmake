# The demo campaign played through the real program as a player would, from
# the first start on an empty user folder to the extra level: one start of the
# program a level, on one user folder. The input comes from walkthrough plans
# that name the levels' own pics, so it follows their art.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#            -DLOCATIONS=the levels' folder -DGENERATOR=tools/walkthrough/generate.cmake
#            -DCOMPARE=the compare_images program
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/profiles.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compare_shots.cmake)
set(PLANS ${DATA}/walkthrough)

# play(NAME PLANS...): writes the input of the PLANS and runs the program on it
# to the plans' end, with the user folder ${WORK}/user/, the log
# ${WORK}/NAME.log and the screenshot folder ${WORK}/NAME, which holds the
# last frame, numbered NAME_last.
function(play name)
  set(input ${WORK}/${name}.txt)
  execute_process(
    COMMAND ${CMAKE_COMMAND} "-DPLAN=${ARGN}" -DLOCATIONS=${LOCATIONS} -DOUT=${input} -P ${GENERATOR}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the walkthrough input could not be written")
  endif()
  file(STRINGS ${input} end REGEX "^# end ")
  string(REGEX MATCH "[0-9]+" frames "${end}")
  execute_process(
    COMMAND ${PROGRAM} -headless -fixedtime -a 0 -user ${WORK}/user/ -log ${WORK}/${name}.log -shot ${WORK}/${name}
            -frames ${frames} -replay ${input}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the program ended with ${result}")
  endif()
  math(EXPR last "${frames} - 1")
  set(${name}_last ${last} PARENT_SCOPE)
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

# expect_player(KEY VALUE...): the player in the first slot of the profiles
# file has these values.
function(expect_player)
  read_profiles(${WORK}/user profiles)
  set(pairs ${ARGN})
  while(pairs)
    list(POP_FRONT pairs key wanted)
    profile_value("${profiles}" 1 ${key} value)
    if(NOT value STREQUAL wanted)
      message(FATAL_ERROR "the player's ${key} is \"${value}\", not \"${wanted}\":\n${profiles}")
    endif()
  endwhile()
endfunction()

# The first start: a new player; the workshop half played, left through the
# in-game menu (which saves it), resumed from the main menu and finished; the
# next level follows.
play(workshop ${PLANS}/new_player.plan ${PLANS}/workshop.plan)
found_lines(workshop first_half 1 6)
found_lines(workshop second_half 7 12)
expect_lines(${WORK}/workshop.log
  "Level title loaded." "Level free." "Level intro loaded." "Level free." "Level menu loaded."
  "Profiles saved." "Level free." "Level workshop loaded." ${first_half}
  "Saved." "Level free." "Level menu loaded." "Level free." "Level workshop loaded." "Level workshop resumed."
  ${second_half} "M_PIC_CLICK: drawerfront" "M_PIC_CLICK: bundle" "bundle (0)"
  "Profiles saved." "Level free." "Level study loaded.")
expect_player(name Player1 progress 1)
# The next chapter on screen: its word list in the panel.
compare_shots(workshop ${workshop_last} walkthrough_study_list 100 485 560 80)

# Each later start goes on from the player's progress.
play(study ${PLANS}/returning.plan ${PLANS}/study.plan)
found_lines(study found)
expect_lines(${WORK}/study.log
  "Level title loaded." "Level intro loaded." "Level menu loaded." "Level free." "Level study loaded." ${found}
  "M_PIC_CLICK: hutch" "M_PIC_CLICK: candle_star" "M_PIC_CLICK: letter" "letter (0)"
  "Profiles saved." "Level free." "Level tower loaded.")
expect_player(progress 2)

# The second chapter's end, with the resist meter running while the wheels are set; the
# third chapter follows.
play(tower ${PLANS}/returning.plan ${PLANS}/tower.plan)
found_lines(tower found)
expect_lines(${WORK}/tower.log
  "Level menu loaded." "Level free." "Level tower loaded." ${found}
  "M_PIC_CLICK: spindle" "wheel (0)" "M_PIC_CLICK: gear_c"
  "Profiles saved." "Level free." "Level lodge loaded.")
expect_player(progress 3)

# The third chapter, both scenes in one start: the lodge's picture box slid whole and its
# key, then the eyepiece put together from its tube and lens in the loft finishes the story:
# the main menu returns, the extra level opens.
play(chapter3 ${PLANS}/returning.plan ${PLANS}/chapter3.plan)
found_lines(lodge lodge_found)
found_lines(loft loft_found)
expect_lines(${WORK}/chapter3.log
  "Level menu loaded." "Level free." "Level lodge loaded." ${lodge_found}
  "M_PIC_CLICK: boxlid" "M_PIC_CLICK: tile8" "M_PIC_CLICK: tile8" "M_PIC_CLICK: gatekey" "gatekey (0)"
  "Profiles saved." "Level free." "Level loft loaded." ${loft_found}
  "M_PIC_CLICK: vise" "M_PIC_CLICK: clamp" "eyetube (0)" "M_PIC_CLICK: tubeheld" "eyelens (0)"
  "M_PIC_CLICK: eyepiece" "eyepiece (0)"
  "Profiles saved." "Level free." "Level menu loaded.")
expect_player(progress 5 finish 1 finishCredits 1 uv_extra_open 1.00000000)
# The finished player's main page: chapters instead of the story, a new extra.
compare_shots(chapter3 ${chapter3_last} walkthrough_finished_menu 290 380 220 180)

play(extra ${PLANS}/returning.plan ${PLANS}/extra.plan)
found_lines(extra found)
expect_lines(${WORK}/extra.log "Level menu loaded." "Level free." "Level extra loaded." ${found}
  "Level free." "Level menu loaded.")
