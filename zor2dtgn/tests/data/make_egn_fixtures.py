#!/usr/bin/env python3
"""Builds the surveyed-entity record fixtures, independently of the C++ code.

Each file holds the 5 header bytes 3A 01 01 00 00, then two entity records
written right after the header at one version: a default entity and a filled
one. Layout of a record (little-endian):
  Nome, SecScri: int32 length + bytes
  X, Y, Z: float64; six label shifts: float32
  v >= 603: VldtEgn uint8, CodeEgn uint32
  v >= 715: Note, NomeFoto, AttribDis strings; three label rotations float32
Run: python3 make_egn_fixtures.py (writes egn_602.bin, egn_714.bin, egn_720.bin here).
"""
import os
import struct

HEADER = bytes([0x3A, 0x01, 0x01, 0x00, 0x00])
INVALID = 1.7e200


def string(s):
    b = s.encode("cp1252")
    return struct.pack("<i", len(b)) + b


def record(v, e):
    out = string(e["nome"]) + string(e["secscri"])
    out += struct.pack("<3d", *e["xyz"])
    out += struct.pack("<6f", *e["shift"])
    if v >= 603:
        out += struct.pack("<BI", e["vldt"], e["code"])
    if v >= 715:
        out += string(e["note"]) + string(e["foto"]) + string(e["attrib"])
        out += struct.pack("<3f", *e["rot"])
    return out


DEFAULT = dict(nome="", secscri="", xyz=(INVALID,) * 3, shift=(0.0,) * 6, vldt=0, code=0,
               note="", foto="", attrib="", rot=(0.0,) * 3)
FILLED = dict(nome="P12", secscri="OR.QU Via Roma \xe8", xyz=(1234.567, -765.4321, INVALID),
              shift=(0.5, -1.25, 2.0, 0.0, 0.0, 3.75), vldt=1, code=0x2403,
              note="nota", foto="foto.jpg", attrib="attr", rot=(1.5, -0.25, 90.0))

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for v in (602, 714, 720):
        with open(os.path.join(here, "egn_%d.bin" % v), "wb") as f:
            f.write(HEADER + record(v, DEFAULT) + record(v, FILLED))
