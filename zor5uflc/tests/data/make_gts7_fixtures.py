#!/usr/bin/env python3
"""Writes two GTS-7 files of the same survey: survey_dms_crlf.gt7, as a field
program exports it (first line naming the program, UNITS M,D with angles as
DDD.MMSSs degrees, CR LF line ends), and survey_gon.gt7, the same readings
converted to gon (ten decimals) with LF line ends. Importing either must give
the same coordinates. Standard library only.
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))


def dms_text(deg):
    """Degrees as DDD.MMSSs (seconds with one decimal)."""
    tenths = round(deg * 36000.0)          # tenths of a second
    d, rest = divmod(tenths, 36000)
    m, s10 = divmod(rest, 600)
    return "%d.%02d%03d" % (d, m, s10)


def dms_to_gon(text):
    d, frac = text.split(".")
    frac = (frac + "0000")
    deg = int(d) + int(frac[0:2]) / 60.0 + (int(frac[2:4]) + int(frac[4:] or "0") / 10.0 ** len(frac[4:])) / 3600.0
    return deg * 400.0 / 360.0


def main():
    rnd = random.Random(20261211)
    stations = [("S1", 1.552), ("S2", 1.498)]
    dms = ["FieldSoft v2.1 (OnBoard)", "JOB     prova,", "INST    GTS-7", "UNITS   M,D", "DATE    11/12/26,09:30:00"]
    gon = ["GTS-7", "JOB prova,", "INST GTS-7", "DATE 11/12/26,09:30:00"]
    for name, hi in stations:
        dms.append("STN     %s,%.3f," % (name, hi))
        gon.append("STN %s,%.3f," % (name, hi))
        for k in range(20):
            hz = dms_text(rnd.uniform(0.0, 359.99))
            v = dms_text(rnd.uniform(80.0, 100.0))
            sd = "%.4f" % rnd.uniform(5.0, 250.0)
            ht = "%.3f" % rnd.choice([1.3, 1.5, 2.0])
            pname = "%s%02d" % (name[1], k + 1)
            dms.append("SS      %s,%s,CODE" % (pname, ht))
            dms.append("SD      %s,%s,%s" % (hz, v, sd))
            gon.append("SS %s,%s,CODE" % (pname, ht))
            gon.append("SD %.10f,%.10f,%s" % (dms_to_gon(hz), dms_to_gon(v), sd))
    with open(os.path.join(HERE, "survey_dms_crlf.gt7"), "w", newline="") as f:
        f.write("\r\n".join(dms) + "\r\n")
    with open(os.path.join(HERE, "survey_gon.gt7"), "w", newline="") as f:
        f.write("\n".join(gon) + "\n")


if __name__ == "__main__":
    main()
