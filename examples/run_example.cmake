# Runs the main job on the example survey: imports the GTS-7 file into a new
# field book, reduces it and writes the coordinate list; with CHECK set, also
# compares the coordinates with the expected ones.
#   cmake -DRILIEVO=<program> -DSRC=<examples folder> -DOUT=<output folder>
#         [-DPYTHON=<python3> -DCHECK=ON] -P run_example.cmake
file(MAKE_DIRECTORY ${OUT})
file(REMOVE ${OUT}/esempio.libretto ${OUT}/coordinate.csv ${OUT}/esempio.DAT ${OUT}/esempio_pregeo.txt)
# A settings file of its own, so the user's reduction settings do not apply.
file(WRITE ${OUT}/rilievo.ini "")
set(ENV{RILIEVO_INI} ${OUT}/rilievo.ini)

execute_process(COMMAND ${RILIEVO} import ${SRC}/rilievo.gt7 -o ${OUT}/esempio.libretto
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "rilievo import non riuscito (${rc})")
endif()
execute_process(COMMAND ${RILIEVO} reduce ${OUT}/esempio.libretto --station S1=1000,2000,100
                        --csv ${OUT}/coordinate.csv
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "rilievo reduce non riuscito (${rc})")
endif()
execute_process(COMMAND ${RILIEVO} pregeo write ${OUT}/esempio.libretto ${SRC}/catasto.cts
                        -o ${OUT}/esempio.DAT --report ${OUT}/esempio_pregeo.txt
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "rilievo pregeo write non riuscito (${rc})")
endif()
if(CHECK)
  execute_process(COMMAND ${PYTHON} ${SRC}/check_coordinates.py ${SRC}/expected_coordinates.csv
                          ${OUT}/coordinate.csv
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "le coordinate non corrispondono a quelle attese")
  endif()
endif()
message("\nRisultati del rilievo di esempio:\n"
        "  libretto delle misure:   ${OUT}/esempio.libretto\n"
        "  elenco delle coordinate: ${OUT}/coordinate.csv\n"
        "  coordinate attese:       ${SRC}/expected_coordinates.csv\n"
        "  file PREGEO:             ${OUT}/esempio.DAT\n"
        "  stampa del file PREGEO:  ${OUT}/esempio_pregeo.txt")
