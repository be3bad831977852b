# What the command-line test scripts share: a fresh scratch folder ${OUT} with
# a private settings file, and run(<expected exit code> <fragment expected in
# the output or "-"> args...), which runs ${RILIEVO} and reports a mismatch.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/rilievo.ini "")
set(ENV{RILIEVO_INI} ${OUT}/rilievo.ini)

function(run expected fragment)
  execute_process(COMMAND ${RILIEVO} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected)
    message(SEND_ERROR "rilievo ${ARGN}: exit ${rc}, expected ${expected}\n${out}${err}")
  elseif(NOT fragment STREQUAL "-")
    string(FIND "${out}${err}" "${fragment}" pos)
    if(pos EQUAL -1)
      message(SEND_ERROR "rilievo ${ARGN}: '${fragment}' not in\n${out}${err}")
    endif()
  endif()
endfunction()
