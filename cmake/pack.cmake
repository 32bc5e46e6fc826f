# vandrell_pack(TARGET ARCHIVE DIR)
#
# Adds the target TARGET (built by default) that packs every file below DIR
# into the pak archive ARCHIVE with tools/pak, each stored under its path
# relative to DIR ("media/...", "locations/...", "music/..."), e.g.
#   vandrell_pack(data_pak ${CMAKE_BINARY_DIR}/data ${PROJECT_SOURCE_DIR}/data/game)
# A relative ARCHIVE is taken below the current binary folder. The archive is
# rebuilt when a file below DIR is added, removed or changed.
include_guard(GLOBAL)

function(vandrell_pack target archive dir)
  get_filename_component(archive ${archive} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_BINARY_DIR})
  get_filename_component(dir ${dir} ABSOLUTE)
  get_filename_component(archive_dir ${archive} DIRECTORY)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*)
  list(REMOVE_ITEM sources ${archive})
  add_custom_command(
    OUTPUT ${archive}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${archive_dir}
    COMMAND pak create ${archive} .
    WORKING_DIRECTORY ${dir}
    DEPENDS pak ${sources}
    COMMENT "Packing ${dir} into ${archive}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${archive})
endfunction()
