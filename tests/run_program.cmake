# run_program(NAME ARGS...): runs the program headless on fixed time with the
# user folder ${WORK}/user/, its own log ${WORK}/NAME.log and screenshot
# folder ${WORK}/NAME; it must end with 0.
function(run_program name)
  execute_process(
    COMMAND ${PROGRAM} -headless -fixedtime -user ${WORK}/user/ -log ${WORK}/${name}.log -shot ${WORK}/${name}
            ${ARGN}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: the program ended with ${result}")
  endif()
endfunction()
