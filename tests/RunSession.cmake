# Runs one recorded session and compares what it printed and exported.
# EMULATOR (optional) runs the tool: wine for a tool built for Windows.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(base ${dir}/${name})
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${EMULATOR} ${REPLAY} --export-dir ${WORKDIR} ${SCRIPT}
  OUTPUT_FILE ${WORKDIR}/stdout ERROR_FILE ${WORKDIR}/stderr RESULT_VARIABLE status)

set(want_status 0)
if(EXISTS ${base}.status)
  file(STRINGS ${base}.status want_status LIMIT_COUNT 1)
endif()
if(NOT "${status}" STREQUAL "${want_status}")
  file(READ ${WORKDIR}/stderr err)
  message(FATAL_ERROR "exit status ${status}, expected ${want_status}\n${err}")
endif()

function(same what got want)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${got} ${want} RESULT_VARIABLE diff)
  if(diff)
    execute_process(COMMAND diff -u ${want} ${got} OUTPUT_VARIABLE shown)
    message(FATAL_ERROR "${what} differs from ${want}:\n${shown}")
  endif()
endfunction()

same("standard output" ${WORKDIR}/stdout ${base}.expected)
if(EXISTS ${base}.stderr)
  same("standard error" ${WORKDIR}/stderr ${base}.stderr)
endif()
if(EXISTS ${base}.export)
  same("exported file" "${WORKDIR}/生成的语句表.txt" ${base}.export)
endif()
