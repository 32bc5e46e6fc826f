# The demo campaign played through the real program as a player would, from
# the first start on an empty user folder: the input comes from a walkthrough
# plan that names the levels' own pics, so it follows their art.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#            -DLOCATIONS=the levels' folder -DGENERATOR=tools/walkthrough/generate.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/profiles.cmake)

set(INPUT ${WORK}/campaign.txt)
execute_process(
  COMMAND ${CMAKE_COMMAND} -DPLAN=${DATA}/walkthrough/campaign.plan -DLOCATIONS=${LOCATIONS} -DOUT=${INPUT}
          -P ${GENERATOR}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the walkthrough input could not be written")
endif()

# The program runs a little past the last input event, so the last step's
# effects are logged.
file(STRINGS ${INPUT} events REGEX "^[0-9]")
list(GET events -1 last)
string(REGEX MATCH "^[0-9]+" frames "${last}")
math(EXPR frames "${frames} + 60")

set(LOG ${WORK}/campaign.log)
execute_process(
  COMMAND ${PROGRAM} -headless -fixedtime -a 0 -user ${WORK}/user/ -log ${LOG} -shot ${WORK}/shots
          -frames ${frames} -replay ${INPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the program ended with ${result}")
endif()

# Title, intro and menu; the workshop half played, left through the in-game
# menu (which saves it) and resumed from the main menu; the list found; the
# workshop left again and the extra level opened from the main menu.
set(items "")
foreach(item key watch spectacles oilcan hourglass cog screwdriver teacup quill scissors thimble mouse)
  list(APPEND items "M_PIC_CLICK: ${item}" "${item} (0)")
endforeach()
list(SUBLIST items 0 12 first_half)
list(SUBLIST items 12 -1 second_half)
expect_lines(${LOG}
  "Level title loaded." "Level free." "Level intro loaded." "Level free." "Level menu loaded."
  "Profiles saved." "Level free." "Level workshop loaded." ${first_half}
  "Saved." "Level free." "Level menu loaded." "Level free." "Level workshop loaded." "Level workshop resumed."
  ${second_half}
  "Saved." "Level free." "Level menu loaded." "Level free." "Level extra loaded.")

# The player made in the main menu is in the first slot, and no level is
# completed yet.
read_profiles(${WORK}/user profiles)
profile_value("${profiles}" 1 name name)
profile_value("${profiles}" 1 progress progress)
if(NOT name STREQUAL "Ada" OR progress GREATER 0)
  message(FATAL_ERROR "the profiles file lacks the player Ada without progress:\n${profiles}")
endif()
