# levelcheck names each problem of a broken level with its file and line and
# fails; a level that is merely sparse passes. The findability table and its
# JSON hold a row for every hidden thing of a level.
# Arguments: -DTOOL=levelcheck -DROOT=the folder of the test levels
# -DFINDABLE=the folder of the findability test level
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

execute_process(COMMAND ${TOOL} --root ${FINDABLE} --findability findable RESULT_VARIABLE result OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT result EQUAL 1 OR NOT out MATCHES "findable +half +50% +800 +[0-9.]+ +medium"
   OR NOT out MATCHES "findable: 10 things, median visible 100%, partly covered 40%, low contrast 10%")
  message(FATAL_ERROR "--findability: exit ${result}, expected 1 with the table; output:\n${out}${err}")
endif()
execute_process(COMMAND ${TOOL} --root ${FINDABLE} --json findable RESULT_VARIABLE result OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
string(JSON half GET "${out}" levels 0 locations 0 things 1 name)
string(JSON visible GET "${out}" levels 0 locations 0 things 1 visible)
string(JSON errors GET "${out}" errors)
if(NOT result EQUAL 1 OR NOT half STREQUAL "half" OR NOT visible EQUAL 800 OR NOT errors EQUAL 3)
  message(FATAL_ERROR "--json: exit ${result}, ${half} shows ${visible}, ${errors} errors; output:\n${out}${err}")
endif()
