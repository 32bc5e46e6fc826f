# The main menu through the real program, driven by recorded input on fixed
# time. A first start on an empty user folder creates the player "Zoë" (a
# Latin-1 accent), visits every page through its buttons and back, creates and
# removes a second player, and quits from the quit page; the log shows each
# page change in order, screenshots of the pages match their references, and
# the options changed on the way are in the options file. A second start on
# the same folder still lists Zoë and no longer the removed player.
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#            -DCOMPARE=compare_images [-DUPDATE_REFERENCES=ON]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${CMAKE_CURRENT_LIST_DIR}/run_program.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/expect_lines.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compare_shots.cmake)

# The session ends itself through the quit page; the frame limit only stops
# a program that ignores the click.
run_program(first -replay ${DATA}/input/main_menu_tour.txt -shotevery 50 -frames 1300)
expect_lines(${WORK}/first.log
  "Level menu loaded."
  "Main menu page select."
  "Main menu page create." "Profiles saved." "Main menu page main."
  "Main menu page options." "Main menu page main."
  "Main menu page quit." "Main menu page main."
  "Main menu page select." "Main menu page remove." "Main menu page select."
  "Main menu page create." "Profiles saved." "Main menu page main."
  "Main menu page select." "Main menu page remove." "Profiles saved." "Main menu page select."
  "Main menu page main."
  "Main menu page diary." "Level workshop loaded." "Main menu page diarypage."
  "Level menu loaded." "Main menu page main."
  "Main menu page zeb." "Main menu page main."
  "Main menu page quit."
  "Options saved." "Quit.")
if(EXISTS ${WORK}/first/frame_001300.png)
  message(FATAL_ERROR "first: the quit page's button did not end the program")
endif()
compare_shots(first
  350 select_empty 60 385 680 170
  400 create 150 410 500 150
  450 main_welcome 100 0 600 55
  450 main 250 380 300 185
  500 options 250 360 300 225
  550 quit 150 410 500 80
  600 select_players 300 435 200 80
  650 remove 80 410 640 115
  850 diary 150 410 500 115
  1000 diarypage 250 555 300 40
  1150 zeb 240 280 320 30)

file(STRINGS ${WORK}/user/options options)
if(NOT options MATCHES "music=0\\.(9|8999)" OR NOT options MATCHES "sound=0\\.(95|9499)")
  message(FATAL_ERROR "the volumes chosen in the menu (music 90, sound 95) are not in the options file:\n"
                      "${options}")
endif()

run_program(again -replay ${DATA}/input/main_menu_again.txt -shotevery 50 -frames 600)
expect_lines(${WORK}/again.log
  "Profiles loaded."
  "Main menu page select." "Main menu page create."
  "Main menu page select." "Main menu page main."
  "Main menu page quit." "Quit.")
compare_shots(again 350 select_again 300 435 200 80)
