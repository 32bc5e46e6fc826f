# Writes a particle description (one value per line, in the order the game reads them)
# from a readable effect source of "name = value" lines; "#" starts a comment line.
# Names left out take the value that leaves that part of the effect alone: 1 for the
# scales, the alpha, the per-step factors and the effect's own colour (255), 0 elsewhere.
# Usage: cmake -DSOURCE=dust.particle -DOUTPUT=dust.set -P make_particle.cmake
cmake_minimum_required(VERSION 3.16)
set(fields
  sprite - period period_range count count_range life life_range - -
  x_range y_range x_speed y_speed x_speed_range y_speed_range x_factor y_factor
  rotate rotate_range rotate_speed rotate_speed_range rotate_factor
  heading heading_range heading_speed heading_speed_range heading_factor
  scale_x scale_y scale_x_range scale_y_range scale_x_speed scale_y_speed
  scale_x_speed_range scale_y_speed_range scale_x_factor scale_y_factor
  alpha alpha_range alpha_speed alpha_speed_range alpha_factor blending type
  red green blue red_range green_range blue_range red_speed green_speed blue_speed
  red_speed_range green_speed_range blue_speed_range red_factor green_factor blue_factor
  gravity gravity_factor show_up cell_width cell_height anim_playing first_frame last_frame
  anim_speed anim_runs start_frame cell_count - anim_speed_range anim_random course)
set(ones x_factor y_factor rotate_factor heading_factor scale_x scale_y scale_x_factor
  scale_y_factor alpha alpha_factor red_factor green_factor blue_factor gravity_factor)
set(full red green blue)

file(STRINGS ${SOURCE} lines)
foreach(line ${lines})
  if(line MATCHES "^[ \t]*#" OR NOT line MATCHES "=")
    continue()
  endif()
  string(REGEX REPLACE "^[ \t]*([a-z_]+)[ \t]*=.*$" "\\1" name "${line}")
  string(REGEX REPLACE "^[^=]*=[ \t]*(.*[^ \t])[ \t]*$" "\\1" value "${line}")
  if(NOT name IN_LIST fields OR name STREQUAL "-")
    message(FATAL_ERROR "${SOURCE}: unknown setting '${name}'")
  endif()
  set(value_${name} "${value}")
endforeach()
if(NOT DEFINED value_sprite)
  message(FATAL_ERROR "${SOURCE}: no sprite")
endif()

set(text "")
foreach(name ${fields})
  if(DEFINED value_${name} AND NOT name STREQUAL "-")
    set(value "${value_${name}}")
  elseif(name IN_LIST ones)
    set(value 1)
  elseif(name IN_LIST full)
    set(value 255)
  else()
    set(value 0)
  endif()
  string(APPEND text "${value}\n")
endforeach()
file(WRITE ${OUTPUT}.part "${text}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
