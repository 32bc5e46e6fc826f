# Without an audio device the game runs silent, and the sound library's own
# complaints about the missing device stay off the terminal: only our debug
# log says that the game runs without audio.
# The library stays silent about a driver that does not exist, so the device
# is made to fail the way a missing sound card fails: its only driver (OSS)
# is pointed at a device file that does not exist.
# Arguments: -DPROGRAM=... -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(log ${WORK}/log.txt)
file(WRITE ${WORK}/alsoft.conf "[oss]\ndevice = ${WORK}/no_such_dsp\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=ALSOFT_LOGLEVEL --unset=ALSOFT_LOGFILE
          ALSOFT_DRIVERS=oss ALSOFT_CONF=${WORK}/alsoft.conf
          ${PROGRAM} -headless -frames 10 -user ${WORK}/user/ -log ${log}
  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the program ended with ${result}:\n${errors}")
endif()
file(READ ${log} lines)
if(NOT lines MATCHES "No audio device: the game runs without sound.")
  message(FATAL_ERROR "no line in the debug log says the game runs without audio:\n${lines}")
endif()
# OpenAL Soft marks its lines "AL lib" (later versions "[ALSOFT]"), the ALSA
# library its own "ALSA lib".
if(errors MATCHES "(AL lib|ALSOFT|ALSA lib)[^\n]*")
  message(FATAL_ERROR "the sound library wrote to standard error: ${CMAKE_MATCH_0}")
endif()
