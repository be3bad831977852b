#!/usr/bin/env python3
"""The example survey of rilievo and its expected coordinates.

Writes, next to this script:
  rilievo.gt7              a small GTS-7 field file: two stations, a backsight,
                           40 detail points with heights and codes
  expected_coordinates.csv the coordinates that reducing it must give
                           (name, east, north, height, code; 4 decimals)

The field readings are made from a made-up site (true coordinates below) and
rounded as an instrument records them (0.1 mgon, 1 mm). The expected
coordinates are then computed back from the ROUNDED readings with the
textbook formulas, independently of rilievo:

  horizontal distance   D  = SD sin z
  height difference     dh = SD cos z + hi - ht       (ground mark to ground mark)
  azimuth               az = orientation + Hz
  coordinates           E  = E0 + D sin az,  N = N0 + D cos az,  H = H0 + dh

Station S1 is given (E 1000, N 2000, H 100) and, with no backsight to a known
point, oriented at 0 gon. Station S2 gets its coordinates from S1's sight to
it, and its orientation from its backsight to S1. No curvature, refraction or
scale corrections. Standard library only.
"""
import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
GON = math.pi / 200.0

S1 = (1000.0, 2000.0, 100.0)
HI = {"S1": 1.550, "S2": 1.480}
CIRCLE = {"S1": 0.0, "S2": 123.4567}    # orientation of each station's circle, gon
CODES = ["OR spigolo fabbricato", "QU albero", "muro", "OR recinzione", "strada", "QU tombino", "scarpata"]


def azimuth(dx, dy):
    a = math.atan2(dx, dy) / GON
    return a + 400.0 if a < 0.0 else a


def observe(station, st_name, target, ht):
    """Rounded readings (hz, zenith, slope) from a station to a target."""
    dx, dy = target[0] - station[0], target[1] - station[1]
    d = math.hypot(dx, dy)
    dz = (target[2] - station[2]) - HI[st_name] + ht
    hz = (azimuth(dx, dy) - CIRCLE[st_name]) % 400.0
    zen = 100.0 - math.atan2(dz, d) / GON
    sd = math.hypot(d, dz)
    return round(hz, 4), round(zen, 4), round(sd, 3)


def reduce(station, st_name, orient, obs, ht):
    hz, zen, sd = obs
    d = sd * math.sin(zen * GON)
    dh = sd * math.cos(zen * GON) + HI[st_name] - ht
    az = (orient + hz) * GON
    return station[0] + d * math.sin(az), station[1] + d * math.cos(az), station[2] + dh


def main():
    rnd = random.Random(4)
    true_s2 = (1180.0, 2105.0, 103.2)
    pts1 = [("P%02d" % (k + 1), (S1[0] + rnd.uniform(-120, 150), S1[1] + rnd.uniform(-100, 160),
                                  S1[2] + rnd.uniform(-4, 6)), rnd.choice([1.3, 1.5, 2.0]), rnd.choice(CODES))
            for k in range(20)]
    pts2 = [("P%02d" % (k + 21), (true_s2[0] + rnd.uniform(-100, 130), true_s2[1] + rnd.uniform(-90, 140),
                                   true_s2[2] + rnd.uniform(-5, 5)), rnd.choice([1.3, 1.5, 2.0]), rnd.choice(CODES))
            for k in range(20)]
    lines = ["GTS-7", "JOB esempio,", "NAME Geom. Rossi", "INST GTS-7", "DATE 11/12/2026"]
    rows = []

    # Station S1: detail points, then the foresight to S2.
    lines.append("STN S1,%.3f,ST" % HI["S1"])
    rows.append(("S1",) + S1 + ("ST",))
    for name, xyz, ht, code in pts1:
        obs = observe(S1, "S1", xyz, ht)
        lines += ["SS %s,%.3f,%s" % (name, ht, code), "SD %.4f,%.4f,%.3f" % obs]
        rows.append((name,) + reduce(S1, "S1", 0.0, obs, ht) + (code,))
    ht_s2 = 1.600
    obs = observe(S1, "S1", true_s2, ht_s2)
    lines += ["FS S2,%.3f," % ht_s2, "SD %.4f,%.4f,%.3f" % obs]
    s2 = reduce(S1, "S1", 0.0, obs, ht_s2)
    rows.append(("S2",) + s2 + ("",))

    # Station S2, at the coordinates S1 gave it, oriented on S1.
    lines.append("STN S2,%.3f,ST" % HI["S2"])
    rows.append(("S2",) + s2 + ("ST",))
    ht_s1 = 1.550
    obs = observe(true_s2, "S2", S1, ht_s1)
    lines += ["BS S1,%.3f" % ht_s1, "SD %.4f,%.4f,%.3f" % obs]
    orient = (azimuth(S1[0] - s2[0], S1[1] - s2[1]) - obs[0]) % 400.0
    rows.append(("S1",) + reduce(s2, "S2", orient, obs, ht_s1) + ("",))
    for name, xyz, ht, code in pts2:
        obs = observe(true_s2, "S2", xyz, ht)
        lines += ["SS %s,%.3f,%s" % (name, ht, code), "SD %.4f,%.4f,%.3f" % obs]
        rows.append((name,) + reduce(s2, "S2", orient, obs, ht) + (code,))

    with open(os.path.join(HERE, "rilievo.gt7"), "w", newline="") as f:
        f.write("\n".join(lines) + "\n")
    with open(os.path.join(HERE, "expected_coordinates.csv"), "w", newline="") as f:
        f.write("nome,est,nord,quota,codice\n")
        for name, e, n, h, code in rows:
            f.write("%s,%.4f,%.4f,%.4f,%s\n" % (name, e, n, h, code))


if __name__ == "__main__":
    main()
