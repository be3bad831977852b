# `rilievo pregeo write` and `read`: usage errors, the example survey written,
# read back and written again with identical bytes, and the archive cases.
#   cmake -DRILIEVO=<program> -DOUT=<scratch folder> -DEXAMPLES=<examples folder> -P pregeo_cli.cmake
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

# Usage errors.
run(2 "serve write o read" pregeo)
run(2 "comando sconosciuto" pregeo bogus)
run(2 "write vuole" pregeo write ${OUT}/a.libretto)
run(2 "manca il file PREGEO" pregeo write ${OUT}/a.libretto ${EXAMPLES}/catasto.cts)
run(2 "opzione sconosciuta" pregeo read x.DAT -o y --bogus)
run(2 "manca il libretto" pregeo read x.DAT)

run(0 "-" import ${EXAMPLES}/rilievo.gt7 -o ${OUT}/a.libretto)
file(WRITE ${OUT}/rotto.cts "CTS|1\nVERTICE|A\n")
run(1 "riga 2" pregeo write ${OUT}/a.libretto ${OUT}/rotto.cts -o ${OUT}/x.DAT)
run(1 "impossibile leggere" pregeo read ${OUT}/manca.DAT -o ${OUT}/x.libretto)

# Write, read back, write again: the same bytes.
run(0 "stampa: ${OUT}/a.txt" pregeo write ${OUT}/a.libretto ${EXAMPLES}/catasto.cts -o ${OUT}/a.DAT --report ${OUT}/a.txt)
run(0 "1 lavori, 2 stazioni, 42 punti" pregeo read ${OUT}/a.DAT -o ${OUT}/b.libretto --doc ${OUT}/b.cts)
run(0 "-" pregeo write ${OUT}/b.libretto ${OUT}/b.cts -o ${OUT}/b.DAT)
file(READ ${OUT}/a.DAT first HEX)
file(READ ${OUT}/b.DAT second HEX)
if(NOT first STREQUAL second)
  message(SEND_ERROR "written, read back and written again, the PREGEO file changed")
endif()
string(FIND "${first}" "0d0a" crlf)
if(crlf EQUAL -1)
  message(SEND_ERROR "the PREGEO file has no CR LF line ends")
endif()

# A result file given by name.
file(WRITE ${OUT}/ris.txt "P01 1000.5 2000.25\n")
run(0 "coordinate dal file dei risultati" pregeo read ${OUT}/a.DAT -o ${OUT}/c.libretto --result ${OUT}/ris.txt)

# Archive: missing, misaligned, then a record appended.
run(1 "Archivio PREGEO mancante" pregeo write ${OUT}/a.libretto ${EXAMPLES}/catasto.cts -o ${OUT}/d.DAT --archive ${OUT}/ARCH2)
file(WRITE ${OUT}/ARCH2 "troppo corto")
run(1 "non e' fatto di record di 39 byte" pregeo write ${OUT}/a.libretto ${EXAMPLES}/catasto.cts -o ${OUT}/d.DAT --archive ${OUT}/ARCH2)
if(EXISTS ${OUT}/d.DAT)
  message(SEND_ERROR "a refused archive still wrote the PREGEO file")
endif()
file(WRITE ${OUT}/ARCH2 "999999H501 2612   Bianchi             I")
run(0 "archivio aggiornato" pregeo write ${OUT}/a.libretto ${EXAMPLES}/catasto.cts -o ${OUT}/d.DAT --archive ${OUT}/ARCH2)
file(READ ${OUT}/ARCH2 arch)
if(NOT arch STREQUAL "999999H501 2612   Bianchi             I000123H501 2612   Rossi               I")
  message(SEND_ERROR "archive after the update: '${arch}'")
endif()
