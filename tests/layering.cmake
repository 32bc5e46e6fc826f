# Fails when a subsystem folder of src/ includes a header of a folder above it,
# or when anything outside src/platform/ includes SDL, OpenAL or Emscripten's
# headers (its own, WebGL's GLES2) or asks whether it is built by Emscripten.
# The folders, lowest first; a folder may include its own headers and those of
# any folder before it.
#   cmake -DSOURCE=<src folder> -P layering.cmake
get_filename_component(SOURCE "${SOURCE}" ABSOLUTE)
set(layers platform resources core gui script audio scene hud menus game)

file(GLOB_RECURSE sources RELATIVE ${SOURCE} ${SOURCE}/*.h ${SOURCE}/*.cpp)
set(crossings)
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND layers "${folder}" level)
  if(level EQUAL -1)
    continue()  # main.cpp and anything else outside the layers sits on top
  endif()
  file(STRINGS ${SOURCE}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${includes})
    if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      list(FIND layers "${CMAKE_MATCH_1}" included)
      if(included GREATER level)
        list(APPEND crossings "${source}: ${line}")
      endif()
    endif()
    if(line MATCHES "<(SDL|AL/|emscripten|GLES)" AND NOT folder STREQUAL "platform")
      list(APPEND crossings "${source}: ${line} (only platform/ talks to SDL, OpenAL and Emscripten)")
    endif()
  endforeach()
  if(NOT folder STREQUAL "platform")
    file(STRINGS ${SOURCE}/${source} web REGEX "__EMSCRIPTEN__")
    if(web)
      list(APPEND crossings "${source}: __EMSCRIPTEN__ (only platform/ knows the web build)")
    endif()
  endif()
endforeach()

if(crossings)
  list(JOIN crossings "\n  " report)
  message(FATAL_ERROR "lower folders include higher ones (order: ${layers}):\n  ${report}")
endif()
