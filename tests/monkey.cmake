# A monkey at the keyboard and mouse: seeded random input, replayed through
# the real program headless on fixed time from an empty user folder. Clicks
# land all over the 800x600 screen (more often on the bottom panel and the
# menus' button column), with moves, drags, the wheel, letters, Backspace,
# Enter, Escape, the window going away and coming back, and long waits; so it
# creates players, starts and resumes levels, and opens the in-game menu,
# the journal and the zoom. The program must not crash or report anything
# from the sanitizers, and after a quiet spell at the end Escape must still
# reach a menu.
#
# Arguments: -DPROGRAM=... -DWORK=scratch folder -DDATA=test data folder
#   -DSEED=N (1) -DFRAMES=N of monkey input (20000) -DLEVEL=campaign level to
#   start in with "-l" (none: the title, the intro and the main menu first).
# CI runs short seeds (see tests/CMakeLists.txt); long runs:
#   scripts/monkey SEED [FRAMES [LEVEL]]
if(NOT DEFINED SEED)
  set(SEED 1)
endif()
if(NOT DEFINED FRAMES)
  set(FRAMES 20000)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# random(OUT N): a whole number from 0 to N - 1. The first call seeds the
# generator, so the same seed always gives the same session.
set(seeded OFF)
macro(random out n)
  if(seeded)
    string(RANDOM LENGTH 6 ALPHABET 0123456789 _digits)
  else()
    string(RANDOM LENGTH 6 ALPHABET 0123456789 RANDOM_SEED ${SEED} _digits)
    set(seeded ON)
  endif()
  string(REGEX REPLACE "^0+([0-9])" "\\1" _digits "${_digits}")
  math(EXPR ${out} "${_digits} % (${n})")
endmacro()

set(events "# frame id data mods x y\n")
macro(emit frame id data x y)
  string(APPEND events "${frame} ${id} ${data} 0 ${x} ${y}\n")
endmacro()

# point(X Y): somewhere worth clicking: anywhere, the bottom band of the
# panel, the menus' button column, or a corner, where the HUD keeps its
# buttons. The main menu's "Yes, quit" button is left alone: the monkey
# should play, not end the program.
macro(point x y)
  random(_where 20)
  if(_where LESS 8)
    random(${x} 800)
    random(${y} 600)
  elseif(_where LESS 13)
    random(${x} 800)
    random(${y} 120)
    math(EXPR ${y} "${${y}} + 480")
  elseif(_where LESS 17)
    random(${x} 260)
    random(${y} 440)
    math(EXPR ${x} "${${x}} + 270")
    math(EXPR ${y} "${${y}} + 130")
  else()
    random(${x} 120)
    random(${y} 70)
    random(_corner 4)
    if(_corner GREATER 1)
      math(EXPR ${x} "${${x}} + 680")
    endif()
    if(_corner EQUAL 1 OR _corner EQUAL 3)
      math(EXPR ${y} "${${y}} + 530")
    endif()
  endif()
  if(${x} GREATER 270 AND ${x} LESS 390 AND ${y} GREATER 445 AND ${y} LESS 495)
    set(${y} 420)
  endif()
endmacro()

# key(FRAME CODE CHAR): a key pressed and let go; CHAR 0 types nothing.
macro(key frame code char)
  emit(${frame} 513 ${code} ${x} ${y})
  if(NOT ${char} EQUAL 0)
    emit(${frame} 515 ${char} ${x} ${y})
  endif()
  math(EXPR _up "${frame} + 2")
  emit(${_up} 514 ${code} ${x} ${y})
endmacro()

set(frame 5)
set(x 400)
set(y 300)
while(frame LESS FRAMES)
  random(action 100)
  if(action LESS 34)  # a click of the left button, now and then of the right
    point(x y)
    random(button 10)
    if(button EQUAL 0)
      set(button 3)
    else()
      set(button 1)
    endif()
    emit(${frame} 1027 0 ${x} ${y})
    math(EXPR frame "${frame} + 1")
    emit(${frame} 1025 ${button} ${x} ${y})
    random(hold 4)
    math(EXPR frame "${frame} + 1 + ${hold}")
    emit(${frame} 1026 ${button} ${x} ${y})
  elseif(action LESS 54)  # the pointer wanders
    point(x y)
    emit(${frame} 1027 0 ${x} ${y})
  elseif(action LESS 62)  # a drag across the screen
    point(x y)
    emit(${frame} 1025 1 ${x} ${y})
    random(steps 6)
    foreach(step RANGE ${steps})
      point(x y)
      math(EXPR frame "${frame} + 2")
      emit(${frame} 1027 0 ${x} ${y})
    endforeach()
    math(EXPR frame "${frame} + 1")
    emit(${frame} 1026 1 ${x} ${y})
  elseif(action LESS 74)  # a few letters, as a player typing a name, often ended with Enter
    random(letters 8)
    foreach(n RANGE ${letters})
      random(letter 26)
      math(EXPR code "65 + ${letter}")
      math(EXPR char "97 + ${letter}")
      key(${frame} ${code} ${char})
      math(EXPR frame "${frame} + 4")
    endforeach()
    random(enter 2)
    if(enter)
      key(${frame} 13 13)
    endif()
  elseif(action LESS 78)
    key(${frame} 8 8)  # Backspace
  elseif(action LESS 83)
    key(${frame} 13 13)  # Enter
  elseif(action LESS 88)
    key(${frame} 27 27)  # Escape
  elseif(action LESS 90)  # the wheel
    random(turn 2)
    if(turn)
      set(turn -1)
    else()
      set(turn 1)
    endif()
    emit(${frame} 1028 ${turn} ${x} ${y})
  elseif(action LESS 91)  # the window goes away and comes back
    emit(${frame} 257 0 ${x} ${y})
    random(away 120)
    math(EXPR frame "${frame} + 1 + ${away}")
    emit(${frame} 258 0 ${x} ${y})
  else()  # the player stops to look
    random(wait 400)
    math(EXPR frame "${frame} + ${wait}")
  endif()
  random(gap 12)
  math(EXPR frame "${frame} + 1 + ${gap}")
endwhile()

# The quiet spell lets any fade or loading finish; then Escape goes down as
# the very last event, so the log marks the end of the input before the
# menu's answer, and the program runs a little longer for that answer.
math(EXPR escape_frame "${frame} + 400")
emit(${escape_frame} 513 27 ${x} ${y})
math(EXPR last_frame "${escape_frame} + 120")
file(WRITE ${WORK}/monkey.txt "${events}")

set(start)
if(DEFINED LEVEL AND NOT LEVEL STREQUAL "")
  set(start -l ${LEVEL})
endif()
execute_process(
  COMMAND ${PROGRAM} -headless -fixedtime -user ${WORK}/user/ -log ${WORK}/monkey.log -frames ${last_frame}
          -replay ${WORK}/monkey.txt ${start}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
set(session "seed ${SEED}, ${FRAMES} frames${start}: input in ${WORK}/monkey.txt, log in ${WORK}/monkey.log")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${session}\nthe program ended with ${result}:\n${output}")
endif()
if(output MATCHES "Sanitizer|runtime error:")
  message(FATAL_ERROR "${session}\nthe sanitizers reported:\n${output}")
endif()

file(STRINGS ${WORK}/monkey.log lines)
list(FIND lines "Replay finished at frame ${escape_frame}." end_of_input)
if(end_of_input EQUAL -1)
  message(FATAL_ERROR "${session}\nthe program stopped before the monkey's last key")
endif()
list(SUBLIST lines ${end_of_input} -1 after)
list(FILTER after INCLUDE REGEX "^(The main menu answers Escape|Escape (opens|closes) the in-game menu)\\.$")
if(NOT after)
  message(FATAL_ERROR "${session}\nno menu answered the last Escape")
endif()
