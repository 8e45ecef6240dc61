# Writes every golden script's .expected file (and its .stderr file, where it has one) anew
# from what the tool prints now: for a change to the output that is meant. Read the changes
# with `git diff tests/replay` before committing them.
file(GLOB scripts ${GOLDEN_DIR}/*.script)
foreach(script ${scripts})
  get_filename_component(name ${script} NAME_WE)
  set(options "")
  if(EXISTS ${GOLDEN_DIR}/${name}.args)
    file(STRINGS ${GOLDEN_DIR}/${name}.args options)
  endif()
  execute_process(COMMAND ${TOOL} ${options} ${script}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status STREQUAL "0")
    string(APPEND output "exit ${status}\n")
  endif()
  file(WRITE ${GOLDEN_DIR}/${name}.expected "${output}")
  if(EXISTS ${GOLDEN_DIR}/${name}.stderr)
    file(WRITE ${GOLDEN_DIR}/${name}.stderr "${errors}")
  endif()
endforeach()
