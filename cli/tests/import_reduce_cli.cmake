# Exit codes and messages of `rilievo import` and `rilievo reduce`.
#   cmake -DRILIEVO=<program> -DOUT=<scratch folder> -P import_reduce_cli.cmake
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

file(WRITE ${OUT}/a.gt7 "GTS-7\nJOB a,\nSTN A,1.5,\nSS P1,1.5,muro\nSD 0,100,10\nSS B,1.5,\nSD 100,100,20\nSTN B,1.5,\nBS A,1.5\nSD 300,100,20\nSS P2,1.5,\nSD 0,100,5\nSTN C,1.5\nSS P3,1.5\nSD 0,100,5\n")
file(WRITE ${OUT}/notgts.gt7 "hello\nworld\n")
file(WRITE ${OUT}/a.xyz "GTS-7\n")

# Usage errors.
run(2 "manca il file" import)
run(2 "manca il libretto" import ${OUT}/a.gt7)
run(2 "opzione sconosciuta" import ${OUT}/a.gt7 -o ${OUT}/b --bogus)
run(2 "manca il libretto" reduce)
run(2 "--station non valido" reduce ${OUT}/b --station A=1,2)
run(2 "--station non valido" reduce ${OUT}/b --station A=x,2,3)

# Files that cannot be imported leave no book behind.
run(1 "non è un file GTS-7" import ${OUT}/notgts.gt7 -o ${OUT}/none.libretto)
run(1 "non riconosciuta" import ${OUT}/a.xyz -o ${OUT}/none.libretto)
run(1 "non è ancora supportato" import ${OUT}/a.gt7 --format 10 -o ${OUT}/none.libretto)
run(1 "non importato" import ${OUT}/missing.gt7 -o ${OUT}/none.libretto)
if(EXISTS ${OUT}/none.libretto)
  message(SEND_ERROR "a failed import wrote a book")
endif()
run(1 "impossibile leggere" reduce ${OUT}/none.libretto)
file(WRITE ${OUT}/broken.libretto "not a book")
run(1 "impossibile leggere" import ${OUT}/a.gt7 -o ${OUT}/broken.libretto)

# Import, then import again: the second file is appended.
run(0 "1 lavori, 3 stazioni, 5 punti" import ${OUT}/a.gt7 -o ${OUT}/b.libretto)
file(COPY_FILE ${OUT}/a.gt7 ${OUT}/a.txt)
run(0 "1 lavori, 3 stazioni, 5 punti" import ${OUT}/a.txt --format gt7 -o ${OUT}/c.libretto)
run(0 "libretto: ${OUT}/b.libretto (2 lavori, 6 stazioni, 10 punti)" import ${OUT}/a.gt7 -o ${OUT}/b.libretto)

# Reduce: A given; B from A's sight, oriented on A; C has no coordinates.
run(0 "stazione C: coordinate non note" reduce ${OUT}/b.libretto --station A=0,0,10 --csv ${OUT}/b.csv)
file(STRINGS ${OUT}/b.csv rows)
# P1: 10 m north of A; B: 20 m east; P2 from B, oriented on A (reading 300
# = west): orientation 0, so P2 is 5 m north of B at (20, 5).
foreach(row "P1,0.0000,10.0000,10.0000,muro" "B,20.0000,0.0000,10.0000," "P2,20.0000,5.0000,10.0000,")
  list(FIND rows "${row}" pos)
  if(pos EQUAL -1)
    message(SEND_ERROR "row '${row}' missing from\n${rows}")
  endif()
endforeach()
# The orientation given on the command line turns A's points.
run(0 "orientamento dato" reduce ${OUT}/b.libretto --station A=0,0,10,100 --csv ${OUT}/b.csv)
file(STRINGS ${OUT}/b.csv rows)
list(FIND rows "P1,10.0000,0.0000,10.0000,muro" pos)
if(pos EQUAL -1)
  message(SEND_ERROR "P1 not turned by the given orientation:\n${rows}")
endif()

# A traverse written from its last station back to its first: T1 is given;
# T1 sights T2 10 m east (reading 100, orientation 0 gon); T2 backsights T1
# (reading 0 on azimuth 300: orientation 300) and sights T3 at reading 100,
# azimuth 0, 10 m north of T2; T3 backsights T2 (reading 0 on azimuth 200:
# orientation 200) and sights Q at reading 100, azimuth 300, 5 m west.
file(WRITE ${OUT}/trav.gt7 "GTS-7\nSTN T3,1.5\nBS T2,1.5\nSD 0,100,10\nSS Q,1.5\nSD 100,100,5\nSTN T2,1.5\nBS T1,1.5\nSD 0,100,10\nFS T3,1.5\nSD 100,100,10\nSTN T1,1.5\nFS T2,1.5\nSD 100,100,10\n")
run(0 "3 stazioni, 5 punti" import ${OUT}/trav.gt7 -o ${OUT}/trav.libretto)
run(0 "stazione T3: E 10.0000 N 10.0000 H 0.0000, orientata su T2 (correzione 200.0000 gon)"
    reduce ${OUT}/trav.libretto --station T1=0,0,0 --csv ${OUT}/trav.csv)
file(STRINGS ${OUT}/trav.csv rows)
list(FIND rows "Q,5.0000,10.0000,0.0000," pos)
if(pos EQUAL -1)
  message(SEND_ERROR "Q not at (5, 10):\n${rows}")
endif()
