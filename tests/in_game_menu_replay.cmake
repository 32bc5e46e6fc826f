# Quitting a savable level through the in-game menu, in the real program
# driven by recorded input on fixed time: the level's state is saved for the
# player, the main menu offers to continue, and the next start continues the
# level with the items found before still gone, also after that level was
# saved again when the window closed.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#            -DCOMPARE=compare_images [-DUPDATE_REFERENCES=ON]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compare_shots.cmake)

run_program(quit -replay ${DATA}/input/quit_level_to_menu.txt -shotevery 50 -frames 1000)
expect_lines(${WORK}/quit.log
  "Main menu page main."
  "Level workshop loaded." "M_PIC_CLICK: key" "M_PIC_CLICK: watch"
  "In-game menu page main." "In-game menu page quit." "Saved."
  "Level menu loaded." "Main menu page main."
  "Main menu page quit." "Quit.")
if(NOT EXISTS ${WORK}/user/1)
  message(FATAL_ERROR "quit: no save of the level for the player in slot 1")
endif()
compare_shots(quit 800 main_continue 250 382 300 27)

run_program(resume -replay ${DATA}/input/continue_level.txt -shotevery 50 -frames 900)
expect_lines(${WORK}/resume.log
  "Main menu page main." "Level workshop loaded." "Level workshop resumed." "Saved." "Quit.")
compare_shots(resume
  650 resumed_list 20 485 630 80
  650 resumed_watch 616 150 80 80)

# Closing the window saved the resumed level; what was found stays found.
run_program(resume_again -replay ${DATA}/input/continue_level.txt -shotevery 50 -frames 900)
expect_lines(${WORK}/resume_again.log "Level workshop resumed." "Saved." "Quit.")
compare_shots(resume_again
  650 resumed_list 20 485 630 80
  650 resumed_watch 616 150 80 80)
