# The browser build, configured through emcmake with Debian's Emscripten:
# build-web/ gets index.html, vandrell.js, vandrell.wasm and the demo title's
# content, copied from a desktop build folder (VANDRELL_CONTENT_DIR) that has
# made it. Nothing is downloaded: Emscripten's own OpenAL, WebGL, HTML5 and
# IndexedDB file system, and stb's decoders from libstb-dev.
set(VANDRELL_CONTENT_DIR "" CACHE PATH "Desktop build folder whose demo content the page serves")
if(NOT CMAKE_BUILD_TYPE STREQUAL "Release")
  message(FATAL_ERROR "the web build is a Release build (-DCMAKE_BUILD_TYPE=Release)")
endif()

# -O2: a smaller and faster to build program than -O3, as fast here.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-O2")

# Emscripten compiles against its own system folder; /usr/include would bring
# glibc's headers in. stb's headers get a folder of their own instead.
set(VANDRELL_STB_INCLUDE ${CMAKE_BINARY_DIR}/stb-include)
file(MAKE_DIRECTORY ${VANDRELL_STB_INCLUDE})
file(CREATE_LINK /usr/include/stb ${VANDRELL_STB_INCLUDE}/stb SYMBOLIC)

# The program ends by an exception (ExitProcess), and the archive and image
# readers catch the stream's errors.
add_compile_options(-sDISABLE_EXCEPTION_CATCHING=0)
add_link_options(-sDISABLE_EXCEPTION_CATCHING=0)

add_subdirectory(src)

set(WEB_DIR ${CMAKE_CURRENT_SOURCE_DIR}/src/platform/web)
set_target_properties(vandrell PROPERTIES SUFFIX .js LINK_DEPENDS ${WEB_DIR}/shell.js)
target_link_options(vandrell PRIVATE
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1 -lidbfs.js -lopenal
  -sEXPORTED_RUNTIME_METHODS=FS --pre-js ${WEB_DIR}/shell.js)

configure_file(${WEB_DIR}/index.html ${CMAKE_BINARY_DIR}/index.html COPYONLY)
add_custom_target(web_content ALL
  COMMAND ${CMAKE_COMMAND} -DCONTENT=${VANDRELL_CONTENT_DIR} -DOUT=${CMAKE_BINARY_DIR}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/web_content.cmake
  COMMENT "Copying the demo content for the page")
