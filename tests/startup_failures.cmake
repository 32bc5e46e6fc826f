# What a newcomer meets first: --help and --version answer without opening a
# window, and each start-up problem says what happened and what to do, on
# standard error, with the exit code given.
# Arguments: -DPROGRAM=... -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(program_dir ${PROGRAM} DIRECTORY)

# expect(NAME CODE PATTERN STREAM ARGS...): run the program with ARGS; it must
# exit with CODE and print PATTERN on STREAM (out or err).
function(expect name code pattern stream)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result STREQUAL "${code}")
    message(FATAL_ERROR "${name}: exit code ${result}, expected ${code}\n${out}\n${err}")
  endif()
  if(NOT "${${stream}}" MATCHES "${pattern}")
    message(FATAL_ERROR "${name}: no \"${pattern}\" on standard ${stream}:\n${out}\n${err}")
  endif()
endfunction()

set(run ${PROGRAM} -headless -frames 5 -user ${WORK}/user/)
foreach(flag --help -h -?)
  expect(help${flag} 0 "-user FOLDER/ .*-l LEVEL .*-fixedtime" out ${PROGRAM} ${flag})
endforeach()
expect(version 0 "^Vandrell [0-9]+\\.[0-9]+" out ${PROGRAM} --version)

expect(no_graphics 1 "could not open a 0x0 window.*another renderer \\(-gl\\)" err ${run} -s 0x0)
expect(unknown_level 1 "no level \"nowhere\".*Leave out -l" err ${run} -l nowhere)

# The program alone, without the data beside it.
file(COPY ${PROGRAM} DESTINATION ${WORK}/lone)
get_filename_component(program_name ${PROGRAM} NAME)
expect(no_archives 1 "cannot find its data: the archive \"data\"" err
       ${WORK}/lone/${program_name} -headless -frames 5 -user ${WORK}/user/)
expect(no_loose_data 1 "with -pak 0 it reads the folder \"media\"" err
       ${WORK}/lone/${program_name} -headless -frames 5 -user ${WORK}/user/ -pak 0)

# A per-user folder that cannot exist (its parent is a file): the game runs,
# and says that nothing will be kept.
file(WRITE ${WORK}/a_file "")
expect(unwritable_user_folder 0 "cannot save anything in the folder.*-user FOLDER/" err
       ${PROGRAM} -headless -frames 5 -user ${WORK}/a_file/user/)

# Unknown switches are ignored, one debug-log line each.
expect(unknown_switch 0 "Unknown switch ignored: \"--fullscreen\"" err ${run} --fullscreen -log -)
