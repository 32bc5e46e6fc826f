# Writes the two SVGs of the loading animation into OUT_DIR, with the shared library beside
# them: loading_dial.svg (the still dial, one cell) and loading.svg (the sheet of frames,
# which shows loading_dial.png, rendered from the first, in every cell).
# Usage: cmake -DTEMPLATE=loading.svg.in -DLIBRARY=library.svg -DOUT_DIR=dir -P make_loading.cmake
#
# Every frame is the dial plus a needle angle and a lit bead. The needle turns once in
# FRAMES frames and the light steps one bead every BEAD_STEP frames, so FRAMES must be
# BEADS * BEAD_STEP for the loop to close without a jump.
set(FRAMES 51)
set(COLUMNS 8)
set(CELL 256)
set(BEADS 17)
set(BEAD_STEP 3)
set(CENTRE_X 128)
set(CENTRE_Y 140)

# Degrees as text with three decimals, from thousandths computed in integers.
function(milli_to_text milli out)
  math(EXPR whole "${milli} / 1000")
  math(EXPR frac "${milli} % 1000")
  string(LENGTH "${frac}" len)
  if(len EQUAL 1)
    set(frac "00${frac}")
  elseif(len EQUAL 2)
    set(frac "0${frac}")
  endif()
  set(${out} "${whole}.${frac}" PARENT_SCOPE)
endfunction()

set(frames_svg "")
math(EXPR last_frame "${FRAMES} - 1")
math(EXPR last_bead "${BEADS} - 1")
foreach(i RANGE ${last_frame})
  math(EXPR x "(${i} % ${COLUMNS}) * ${CELL}")
  math(EXPR y "(${i} / ${COLUMNS}) * ${CELL}")
  math(EXPR needle_milli "${i} * 360000 / ${FRAMES}")
  milli_to_text(${needle_milli} needle)
  math(EXPR lit "${i} / ${BEAD_STEP}")
  string(APPEND frames_svg "  <g transform=\"translate(${x} ${y})\">\n"
    "    <image href=\"loading_dial.png\" width=\"${CELL}\" height=\"${CELL}\"/>\n")
  foreach(b RANGE ${last_bead})
    math(EXPR bead_milli "${b} * 360000 / ${BEADS}")
    milli_to_text(${bead_milli} bead)
    # The lit bead and a fading trail of the two before it.
    math(EXPR behind "(${lit} - ${b} + ${BEADS}) % ${BEADS}")
    if(behind EQUAL 0)
      set(bead_use "<use href=\"#bead-lit\"")
    elseif(behind EQUAL 1)
      set(bead_use "<use href=\"#bead-lit\" opacity=\"0.5\"")
    elseif(behind EQUAL 2)
      set(bead_use "<use href=\"#bead-lit\" opacity=\"0.2\"")
    else()
      set(bead_use "<use href=\"#bead\"")
    endif()
    string(APPEND frames_svg
      "    ${bead_use} transform=\"translate(${CENTRE_X} ${CENTRE_Y}) rotate(${bead})\"/>\n")
  endforeach()
  string(APPEND frames_svg
    "    <use href=\"#needle\" transform=\"translate(${CENTRE_X} ${CENTRE_Y}) rotate(${needle})\"/>\n  </g>\n")
endforeach()

set(WIDTH ${CELL})
set(HEIGHT ${CELL})
set(CONTENT "  <use href=\"#dial\"/>")
configure_file(${TEMPLATE} ${OUT_DIR}/loading_dial.svg @ONLY)

math(EXPR WIDTH "${COLUMNS} * ${CELL}")
math(EXPR HEIGHT "(${FRAMES} + ${COLUMNS} - 1) / ${COLUMNS} * ${CELL}")
set(CONTENT "${frames_svg}")
configure_file(${TEMPLATE} ${OUT_DIR}/loading.svg @ONLY)

# Both include the shared library, which must sit beside them.
configure_file(${LIBRARY} ${OUT_DIR}/library.svg COPYONLY)
