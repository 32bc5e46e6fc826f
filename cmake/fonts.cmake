# vandrell_bake_font(OUTPUT_BASE FONT_FILE SIZE [fontbake options...])
#
# Adds a build rule that bakes FONT_FILE at SIZE pixels into OUTPUT_BASE and
# OUTPUT_BASE.pixmap with tools/fontbake; the extra arguments go to the baker
# as they are (see `fontbake --help`), e.g.
#   vandrell_bake_font(${CMAKE_CURRENT_BINARY_DIR}/media/fonts/title
#                      /usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf 28
#                      --outline 1.5 --add U+2026)
# Both outputs are appended to VANDRELL_BAKED_FONTS in the caller's scope, so
# that a custom target can depend on them:
#   add_custom_target(fonts ALL DEPENDS ${VANDRELL_BAKED_FONTS})
include_guard(GLOBAL)

function(vandrell_bake_font output_base font_file size)
  get_filename_component(output_dir ${output_base} DIRECTORY)
  add_custom_command(
    OUTPUT ${output_base} ${output_base}.pixmap
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND fontbake ${ARGN} ${font_file} ${size} ${output_base}
    DEPENDS fontbake ${font_file}
    COMMENT "Baking ${output_base} from ${font_file} at ${size} pixels"
    VERBATIM)
  set(VANDRELL_BAKED_FONTS ${VANDRELL_BAKED_FONTS} ${output_base} ${output_base}.pixmap PARENT_SCOPE)
endfunction()
