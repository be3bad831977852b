#!/usr/bin/env python3
"""Compares two coordinate lists (nome,est,nord,quota,codice), row by row.
Both are written with 4 decimals, so values may differ by one unit of the
last decimal. Exit status 0 when they agree. Standard library only."""
import csv
import sys

TOL = 1.5e-4


def rows(path):
    with open(path, newline="") as f:
        return list(csv.reader(f))[1:]


def main():
    expected, got = rows(sys.argv[1]), rows(sys.argv[2])
    bad = 0
    if len(expected) != len(got):
        print("righe: attese %d, trovate %d" % (len(expected), len(got)))
        bad += 1
    for e, g in zip(expected, got):
        if e[0] != g[0] or e[4] != g[4]:
            print("riga diversa: %s / %s" % (e, g))
            bad += 1
            continue
        for a, b in zip(e[1:4], g[1:4]):
            if (a == "") != (b == "") or (a and abs(float(a) - float(b)) > TOL):
                print("%s: atteso %s, trovato %s" % (e[0], e[1:4], g[1:4]))
                bad += 1
                break
    print("coordinate confrontate: %d righe, %d differenze" % (len(got), bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
