# levelcheck names each problem of a broken level with its file and line and
# fails; a level that is merely sparse passes.
# Arguments: -DTOOL=levelcheck -DROOT=the folder of the test levels
execute_process(COMMAND ${TOOL} --root ${ROOT} broken RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "broken: exit ${result}, expected 1; output:\n${out}${err}")
endif()
foreach(expected
    "locations/broken/objects.cfg:1: error: level> Undefined type for object: weird!"
    "locations/broken/objects.cfg:13: error: undef: frobnicate=1"
    "locations/broken/missions.cfg:1: error: level> Undefined type for mission: typo!"
    "error: command z: showmission argument 1 'nosuch' names no mission")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "broken: no line \"${expected}\" in:\n${out}")
  endif()
endforeach()
execute_process(COMMAND ${TOOL} --root ${ROOT} oneline RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "oneline: exit ${result}, expected 0; output:\n${out}${err}")
endif()
