#!/usr/bin/env python3
"""Builds the field-book fixtures from the file layout alone (standard library only).

Each book_<v>.lib holds the same small survey written at version v: the 5-byte
header, the tag "LIB" and the version, then the field-book block. empty_720.lib
is a new book with default options and no data. Run it in this folder:
    python3 make_fixtures.py
The tests compare what the reader makes of these files with the values below.
"""
import struct

HEADER = bytes([0x3A, 0x01, 0x01, 0x00, 0x00])
INVALID = 1.7e200
OCM_NAME = "C:\\rilievo\\CommonPtFile.qdc"
VERSIONS = [600, 603, 660, 661, 670, 680, 690, 691, 710, 715, 720]


def i16(v): return struct.pack('<h', v)
def i32(v): return struct.pack('<i', v)
def u32(v): return struct.pack('<I', v)
def u8(v): return struct.pack('<B', v)
def f64(v): return struct.pack('<d', v)
def f32(v): return struct.pack('<f', v)
def b32(v): return i32(1 if v else 0)


def text(s):
    b = s.encode('cp1252')
    return i32(len(b)) + b


def entity(v, nome, sec, x, y, z, code, note="", foto="", attr="", shifts=(0,) * 6, rots=(0, 0, 0)):
    out = text(nome) + text(sec) + f64(x) + f64(y) + f64(z)
    out += b''.join(f32(s) for s in shifts)
    if v >= 603:
        valid = 0 if (x >= 8.5e199 or y >= 8.5e199) else (3 if z < 8.5e199 else 1)
        out += u8(valid) + u32(code)
    if v >= 715:
        out += text(note) + text(foto) + text(attr) + b''.join(f32(r) for r in rots)
    return out


# ---- drawing options ------------------------------------------------------------
SET_NAMES = ["Stazioni", "Punti Dettaglio", "Punti Dett. OR", "Punti Dett. PO", "Punti di Orientamento"]


def option_set(v, vis, col, tipo, dims=(1.0, 1.0, 1.0, 1.0), name="", rots=(0.0, 0.0, 0.0, 0.0)):
    out = b''.join(i16(x) for x in vis) + b''.join(i16(c) for c in col) + i16(tipo)
    out += text("STANDARD") * 3
    out += b''.join(f64(d) for d in dims)
    out += b''.join(f64(d) for d in (1.0, 1.0, 1.0, -0.5, 0.8, -1.8))
    if v >= 710:
        out += text("Mondo")
    if v >= 715:
        out += text(name) + b32(False) + b''.join(f64(r) for r in rots)
    return out


def default_sets(v):
    return [
        option_set(v, (1, 1, 0, 0), (5,) * 4, 3, name=SET_NAMES[0]),
        option_set(v, (1, 1, 0, 0), (3,) * 4, 1, name=SET_NAMES[1]),
        option_set(v, (0, 1, 0, 0), (3,) * 4, 1, name=SET_NAMES[2]),
        option_set(v, (0, 1, 0, 0), (3,) * 4, 1, name=SET_NAMES[3]),
        option_set(v, (0, 1, 0, 0), (4,) * 4, 6, name=SET_NAMES[4]),
    ]


def data_list(col_linee=9, ndec=3, scala=1000.0):
    return i16(col_linee) + i16(5) + i16(1) + i16(1) + i16(ndec) + f64(scala)


def drawing_block_filled(v):
    if v >= 690:
        # Stations drawn in colour 2 with symbol size 2.5; the rest as new.
        sets = default_sets(v)
        sets[0] = option_set(v, (1, 1, 1, 0), (2,) * 4, 3, dims=(2.5, 1.0, 1.0, 1.0),
                             name="Mia stazione", rots=(10.0, 0.0, 0.0, 0.0))
        out = data_list(col_linee=7, ndec=2, scala=500.0)
        if v >= 720:
            out += i32(len(sets))
        return out + b''.join(sets)
    # Short layout: stations, detail points, orientation points.
    out = b''
    out += i16(1) + i16(2) + b32(True) + b32(True) + b32(False)      # stations
    out += i16(2) + i16(6) + b32(True) + b32(False) + b32(True)      # detail points (2: symbol type 1)
    out += i16(1) + i16(4) + b32(False) + b32(False) + b32(False)    # orientation points
    out += i16(7) + f64(2.5)
    if v >= 670:
        out += u8(ord('0') + 2)
    return out


def drawing_block_default(v):
    out = data_list()
    out += i32(5)
    return out + b''.join(default_sets(v))


# ---- other option blocks ------------------------------------------------------
def calc_block(v, sfer, ridu, k, r, hm, fatt, scala):
    out = b32(sfer) + b32(ridu) + f64(k) + f64(r) + f64(hm)
    if v >= 715:
        out += b32(fatt) + f64(scala)
    return out


def book_options(cdelab, file2d3d, wrifil, switches):
    return i16(cdelab) + b32(file2d3d) + b32(wrifil) + b''.join(b32(s) for s in switches)


def tolerances(v, ric, calc, values, med):
    out = b32(ric) + b32(calc) + b''.join(f64(x) for x in values)
    if v >= 691:
        out += b32(med)
    return out


DEFAULT_TOL = [10 / 1000, 1 / 1000000, 30 / 10000, 6000 / 1, 1 / 100, 5 / 1000, 5 / 1000, 500 / 1000,
               50 / 1000, 50 / 1000, 1000 / 1000, 5000 / 1000, 10 / 1000, 1 / 1000000]
FILLED_TOL = [0.02, 0.000002, 0.004, 5000.0, 0.02, 0.006, 0.007, 0.6, 0.06, 0.07, 1.2, 4.5, 0.02, 0.000003]

VARIE_DEFAULT = ([0, 0, 2, 0, 2, 1, 1, 1, 2, 1, 1, 0, 0, 0, 0, 1], [0.001, 0.02, 0.02, 0.002, 1000.0], 10, False)
VARIE_FILLED = ([1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16], [0.5, 1.5, 2.5, 3.5, 4.5], 42, True)


def varie(v, ints, dbls, n, flag):
    if v < 661:
        return b''
    out = b''.join(i32(ints[i]) for i in list(range(11)) + [14, 15])
    out += b''.join(f64(d) for d in dbls) + i32(n) + b32(flag)
    if v >= 715:
        out += b''.join(i32(ints[i]) for i in (11, 12, 13))
    return out


# ---- data -----------------------------------------------------------------------
def job(v, nome, oper, strum, data, loc, prog, cdelab, flag):
    out = text(nome) + text(oper) + text(strum) + text(data)
    if v >= 715:
        out += text(loc) + text(prog)
    if v >= 670:
        out += i16(cdelab) + b32(flag)
    return out


def station(v, ent, temper, pressi, altstr, ancoaz, dupp, refs, prog):
    out = ent + f64(temper) + f64(pressi) + f64(altstr) + f64(ancoaz) + b32(dupp)
    if v >= 690:
        out += b''.join(f64(x) for x in refs)
    if v >= 715:
        out += text(prog)
    return out


def point(v, ent, d0, d1, d2, altpri, dup, reduced):
    out = ent + f64(d0) + f64(d1) + f64(d2) + f64(altpri) + b32(dup)
    if v >= 715:
        out += b''.join(f64(x) for x in reduced)
    return out


def data_block(v):
    # Texts carry letter codes the way books older than 710 did.
    sta_iden = "OR.QU Stazione uno" if v < 710 else "Stazione uno"
    s1 = station(v, entity(v, "S1", sta_iden, 1000.0, 2000.0, 100.0, 0x3 if v >= 603 else 0,
                           note="nota", foto="s1.jpg", attr="A", shifts=(0.5, -0.5, 0, 0, 0, 0),
                           rots=(1.0, 2.0, 3.0)),
                 15.0, 1013.0, 1.55, 12.3456, False, (1.0, 2.0, 3.0), "S001")
    p_code = "PO Spigolo" if v < 710 else "Spigolo"
    p101 = point(v, entity(v, "101", p_code, INVALID, INVALID, INVALID, 0x4 if v >= 603 else 0),
                 123.456, 99.8765, 250.1234, 1.5, False, (123.456, 99.8765, 250.1234, 123.45, 0.25))
    p102 = point(v, entity(v, "102", "", INVALID, INVALID, INVALID, 0), 50.0, 300.0, 10.0, 2.0, True,
                 (50.0, 100.0, 210.0, 50.0, -0.5))
    s2 = station(v, entity(v, "S2", "", INVALID, INVALID, INVALID, 0), INVALID, INVALID, 1.6, INVALID,
                 True, (INVALID,) * 3, "")
    out = i32(2)
    out += job(v, "Rilievo A", "Rossi", "TS06", "2024-05-02", "Bologna", "P003", 3, False)
    out += i32(1) + s1 + i32(2) + p101 + p102
    out += job(v, "Rilievo B", "Bianchi", "TS06", "2024-05-03", "", "", 0, False)
    out += i32(1) + s2 + i32(0)
    # Orientation points
    out += i32(1) + entity(v, "OR1", "Campanile", 1500.0, 2500.0, 150.0, 0x1 if v >= 603 else 0) + i16(2)
    return out


def memories(v):
    if v < 661:
        return b''
    ed = i32(1) + i32(0) + i32(0) + f64(1.0) + f64(2.0) + f64(3.0)
    ed += i32(1) + i32(-1) + i32(-1) + f64(1.25)
    orr = i32(1) + i32(0) + i32(0) + i32(1)
    orr += i32(0) + i32(0) + i32(0) + i32(0) + i32(0) + i32(1) + i32(-1) + i32(-1) + i32(-1) + i32(7)
    rt = i32(1) + i32(1)
    rt += i32(2) + i32(0) + i32(0) + i32(1) + i32(0)
    rt += i32(0) + i32(0) + i32(1) + i32(4) + b32(True)
    rt += i32(1) + i32(9) + i32(0) + i32(0) + i32(0) + i32(0) + i32(0) + i16(-3) + b32(True)
    return ed + orr + rt


def filled_book(v):
    out = drawing_block_filled(v)
    out += calc_block(v, True, False, 0.13, 6372500.0, 120.5, True, 0.9996)
    out += book_options(1, False, True, (False, True, False, False))
    out += tolerances(v, True, False, FILLED_TOL, True)
    out += data_block(v)
    out += varie(v, *VARIE_FILLED)
    out += memories(v)
    if v >= 680:
        out += text(OCM_NAME)
    return out


def empty_book(v):
    out = drawing_block_default(v)
    out += calc_block(v, False, False, 0.14, 6372500.0, 0.0, False, 1.0)
    out += book_options(0, True, False, (False,) * 4)
    out += tolerances(v, True, False, DEFAULT_TOL, False)
    out += i32(0) + i32(0)
    out += varie(v, *VARIE_DEFAULT)
    out += i32(0) + i32(0) + i32(0) + i32(0)
    out += text(OCM_NAME)
    return out


def book_file(v, block):
    return HEADER + text("LIB") + i16(v) + block


def main():
    for v in VERSIONS:
        with open(f"book_{v}.lib", "wb") as f:
            f.write(book_file(v, filled_book(v)))
    with open("empty_720.lib", "wb") as f:
        f.write(book_file(720, empty_book(720)))
    print("empty_720.lib:", len(book_file(720, empty_book(720))), "bytes")


if __name__ == "__main__":
    main()
