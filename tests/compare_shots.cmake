# compare_shots(RUN FRAME NAME X Y W H [FRAME NAME X Y W H]...): the run's
# screenshot of each FRAME (-shotevery must divide it), at (X, Y) with size
# W x H, matches the reference tests/data/replay/NAME.png. Every mismatch is
# listed before the test fails. With -DUPDATE_REFERENCES=ON the references
# are written from the screenshots instead: look at each one before you
# commit it.
# Needs COMPARE (the compare_images program), WORK and DATA.
function(compare_shots run)
  set(rows ${ARGN})
  set(failures "")
  while(rows)
    list(POP_FRONT rows frame name x y w h)
    string(LENGTH "${frame}" digits)
    math(EXPR padding "6 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    set(shot ${WORK}/${run}/frame_${zeros}${frame}.png)
    set(reference ${DATA}/replay/${name}.png)
    if(UPDATE_REFERENCES)
      execute_process(COMMAND ${COMPARE} --crop ${shot} ${x} ${y} ${w} ${h} ${reference} RESULT_VARIABLE failed
                      OUTPUT_VARIABLE why)
    else()
      execute_process(COMMAND ${COMPARE} ${shot} ${reference} ${x} ${y} 6 40 RESULT_VARIABLE failed
                      OUTPUT_VARIABLE why)
    endif()
    if(failed)
      string(APPEND failures "${name} (frame ${frame}): ${why}\n")
    endif()
  endwhile()
  if(failures)
    message(FATAL_ERROR "${run}: screenshots unlike their references (the shots are in ${WORK}/${run}):\n"
                        "${failures}")
  endif()
endfunction()
