#!/usr/bin/env python3
"""Builds the expected PREGEO file and report of the mixed survey of
prtcts_test.cpp by hand, from the row layout of the PREGEO survey file:
every row is its type, then fields each followed by the separator ("|" in the
file, " " in the report, where each row is also preceded by its type padded to
4 columns); CP1252 bytes, CR LF line ends.

Run: python3 make_golden.py   (writes mixed.DAT and mixed_report.txt here)
"""
import math
import os

PI10 = 3.141592654  # the ten-digit pi of the reduction


def dist_or(di, z):
    return di * math.sin(z * PI10 / 200.0)


def rows(S):
    out = []

    def row(t, *fields):
        out.append((t, t + S + "".join(f + S for f in fields)))

    row("0", "05032026", "123456", "H501", "12", "345", "Rossi Mario", "Geometra", "Roma")
    # job 1 header and its stations (S2 is coded NP, P4 is coded NP)
    row("6", "Lavoro: Lavoro1 - Operatore: Rossi 05/03/2026")
    row("6", "Strumento: TS30")
    row("6", "Quota media del rilievo: 12.50 mt")
    row("1", "S1", "Picchetto")
    row("2", "P1", "50.0000", "%.3f" % dist_or(100, 100), "spigolo")
    # face II: zenith 300 -> 100, horizontal 250 -> 50
    row("2", "P2", "50.0000", "%.3f" % dist_or(50.5, 100), "")
    row("2", "P3", "123.4568", "%.3f" % dist_or(80, 98.1234), "")
    row("2", "PF12/0034", "10.0000", "25.000", "")
    row("2", "P6", " ", "0.000", "")  # invalid distance and horizontal reading
    row("1", "S3", "")
    row("2", "P9", "0.0000", "12.346", "")
    # job 2
    row("6", "Lavoro: Lavoro2 - Operatore: Bianchi 06/03/2026")
    row("6", "Strumento: ")
    row("1", "200", "vertice/A")
    row("2", "P/7", "200.0000", "30.000", "a/b")
    # the L row of job 5 writes nothing: the book has no such job
    # row 3 with 11 vertices: 10 on the first line, 1 on the second
    row("3", "11", *["A%d" % i for i in range(1, 11)])
    row("3", "0", "A11")
    # row 7: V1..V5 NC, V6 rd, V7 xy (becomes NC)
    row("7", "7", "V1", "V2", "V3", "V4", "V5", "V6", "NC", "Fabbricato", "Linea", "Muro")
    row("7", "0", "V7", "rd")
    row("4", "P1", "P2", "12.34568", "M")
    row("5", "L1", "10.500", "***", "")
    row("6", "Nota libera")
    row("9", "150", "2", "***", "E1", "10.01-G", "E2", "X")
    row("9", "***", "1", "3", "", "7.01-G", "")
    return out


def relazione(S):
    out = []
    r = lambda text: out.append(("6", "6" + S + text + S))
    r("RELAZIONE TECNICA")
    r(" " + "Rilievo eseguito con stazione totale.".ljust(70))
    # 103 characters: cut after the last blank within the first 70
    r(" " + "Le misure sono state eseguite in due giornate con condizioni".ljust(70))
    r(" " + "atmosferiche buone e visibilita' ottima su tutti i punti.".ljust(70))
    r(" " + "".ljust(70))
    r("FINE RELAZIONE TECNICA")
    return out


def fiduciali(S):
    return [("8", "8" + S + "PF01/0001" + S + "5000.123" + S + "1500.500" + S + "2" + S + "Spigolo fabbricato" + S),
            ("8", "8" + S + "PF01/0002" + S + "5100.000" + S + "1490.250" + S + "1" + S + S)]


def censuario(S, heading):
    out = []
    r = lambda *f: out.append(("6", "6" + S + "".join(x + S for x in f)))
    r(heading)
    # order "MFA": parcels, fractions, auxiliary (the auxiliary "D" entry is not written)
    r("3SPC ", "001", " " * 57)
    r("S", "12".ljust(5), "001", "  ", "345".ljust(5), "00000" + "12" + "05", "T ", "  ", "     ", "001", "2 ", " " * 17)
    r("51FTP", "001", " " * 57)
    r("C", "12".ljust(5), "002", "A ", "346".ljust(5), "00001" + "00" + "00", "  ", "1 ", "     ", "000", "  ", " " * 17)
    r("M31FU", "001", " " * 57)
    r("V", "12".ljust(5), "000", "  ", "347".ljust(5), "00000" + "00" + "00", "  ", "R  ", "000", "  ",
      "variazione".ljust(20), " " * 17)
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    S = "|"
    lines = rows(S) + relazione(S) + fiduciali(S) + censuario(S, "DATI CENSUARI")
    with open(os.path.join(here, "mixed.DAT"), "wb") as f:
        f.write("".join(l + "\r\n" for _, l in lines).encode("cp1252"))

    S = " "
    body = rows(S) + relazione(S) + fiduciali(S) + censuario(S, "DATI CENSUARI DEL RILIEVO")
    body = [t.ljust(4) + l for t, l in body]
    rpt = ["LIBRETTO DELLE MISURE PREGEO - STAMPA DI CONTROLLO",
           "File: 2026123456.DAT",
           "Righe stampate: %d" % len(body),
           "-" * 80] + body + ["-" * 80, "Fine della stampa"]
    with open(os.path.join(here, "mixed_report.txt"), "wb") as f:
        f.write("".join(l + "\r\n" for l in rpt).encode("cp1252"))


if __name__ == "__main__":
    main()
