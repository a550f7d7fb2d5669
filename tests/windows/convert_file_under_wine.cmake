# Runs the real tessavia-convert.exe under Wine on the bundled sample, in place and through -o,
# and compares the bytes on disk with the expected Simplified text. Run with cmake -P.
# Inputs: EMULATOR (list), CONVERTER, SAMPLE, EXPECTED, WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
configure_file("${SAMPLE}" "${WORK_DIR}/in place.txt" COPYONLY)
string(REPLACE "|" ";" emulator "${EMULATOR}")

execute_process(COMMAND ${emulator} "${CONVERTER}" --kind t2s --in-place "${WORK_DIR}/in place.txt"
                RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "--in-place exited with ${code}")
endif()
execute_process(COMMAND ${emulator} "${CONVERTER}" -o "${WORK_DIR}/out.txt" "${SAMPLE}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "-o exited with ${code}")
endif()
execute_process(COMMAND ${emulator} "${CONVERTER}" "${WORK_DIR}/missing.txt" RESULT_VARIABLE code
                ERROR_VARIABLE message)
if(NOT code EQUAL 1 OR NOT message MATCHES "missing.txt")
  message(FATAL_ERROR "a missing file gave exit ${code} and \"${message}\"")
endif()

file(READ "${EXPECTED}" expected HEX)
foreach(name "in place.txt" "out.txt")
  file(READ "${WORK_DIR}/${name}" got HEX)
  if(NOT got STREQUAL expected)
    message(FATAL_ERROR "${name}: got ${got}, expected ${expected}")
  endif()
endforeach()
file(GLOB left RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(SORT left)
if(NOT left STREQUAL "in place.txt;out.txt")
  message(FATAL_ERROR "files left in the folder: ${left}")
endif()
