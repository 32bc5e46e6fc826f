# Copies the content the game reads from its folder (the options a new player
# starts with, the locale list and every archive it names) from a desktop
# build folder to the web build, and lists it with its sizes in
# content.json, which the page fetches first to show its loading bar.
#   cmake -DCONTENT=<desktop build folder> -DOUT=<web build folder> -P web_content.cmake
if(NOT EXISTS ${CONTENT}/data OR NOT EXISTS ${CONTENT}/locale)
  message(FATAL_ERROR "no demo content in \"${CONTENT}\": build a desktop folder first and name it with "
                      "-DVANDRELL_CONTENT_DIR")
endif()
file(STRINGS ${CONTENT}/locale locales)
set(entries "")
foreach(name default locale data ${locales})
  file(COPY_FILE ${CONTENT}/${name} ${OUT}/${name} ONLY_IF_DIFFERENT)
  file(SIZE ${OUT}/${name} size)
  list(APPEND entries "{\"name\": \"${name}\", \"size\": ${size}}")
endforeach()
list(JOIN entries ",\n  " entries)
file(CONFIGURE OUTPUT ${OUT}/content.json CONTENT "[\n  ${entries}\n]\n")
