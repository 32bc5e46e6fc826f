# Plays every level of the campaign headless for a few seconds and lays the frame the
# game drew on one page, so the whole title can be reviewed as a player sees it.
# Usage: cmake -DPROGRAM=vandrell -DCAMPAIGN=locations/campaign.cfg -DWORK=dir
#              -DRSVG=rsvg-convert -DOUTPUT=scene_sheet.png -P make_scene_sheet.cmake
# FRAMES (default 240) is how long each level plays before its picture is taken: long
# enough for a title's logo and a level's word list to have faded in.
if(NOT FRAMES)
  set(FRAMES 240)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/scenes)

file(STRINGS ${CAMPAIGN} paths REGEX "^path=")
set(images)
foreach(line ${paths})
  string(REGEX REPLACE "^path=" "" level "${line}")
  string(STRIP "${level}" level)
  execute_process(
    COMMAND ${PROGRAM} -headless -fixedtime -a 0 -user ${WORK}/user/ -l ${level} -frames ${FRAMES}
            -log ${WORK}/${level}.log -shot ${WORK}/${level}
    RESULT_VARIABLE result)
  file(GLOB shots ${WORK}/${level}/*.png)
  list(SORT shots)
  list(POP_BACK shots last)
  if(NOT result EQUAL 0 OR NOT last)
    message(WARNING "${level}: no picture (the program ended with ${result}; see ${WORK}/${level}.log)")
    continue()
  endif()
  file(COPY_FILE ${last} ${WORK}/scenes/${level}.png)
  list(APPEND images scenes/${level}.png)
endforeach()

execute_process(
  COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} "-DIMAGES=${images}" -DOUTPUT=${WORK}/scene_sheet.svg
          -P ${CMAKE_CURRENT_LIST_DIR}/make_contact_sheet.cmake
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${RSVG} -o ${OUTPUT} ${WORK}/scene_sheet.svg COMMAND_ERROR_IS_FATAL ANY)
