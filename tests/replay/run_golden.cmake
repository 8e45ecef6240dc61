# Runs one golden script and compares stdout and exit status with the expected file, and
# standard error with EXPECTED_ERRORS when that file exists. OPTIONS go before the script.
# An .expected file may end with a line "exit N" naming the expected exit status. What the
# tool printed is left in ACTUAL (and ACTUAL.stderr) when it differs.
execute_process(COMMAND ${TOOL} ${OPTIONS} ${SCRIPT}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
set(expected_status 0)
if(expected MATCHES "(^|\n)exit ([0-9]+)\n$")
  set(expected_status ${CMAKE_MATCH_2})
  string(REGEX REPLACE "(^|\n)exit [0-9]+\n$" "\\1" expected "${expected}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; what the tool printed is in ${ACTUAL}")
endif()
if(EXISTS ${EXPECTED_ERRORS})
  file(READ ${EXPECTED_ERRORS} expected_errors)
  if(NOT errors STREQUAL expected_errors)
    file(WRITE ${ACTUAL}.stderr "${errors}")
    message(FATAL_ERROR "standard error differs from ${EXPECTED_ERRORS}; what the tool said is in ${ACTUAL}.stderr")
  endif()
endif()
