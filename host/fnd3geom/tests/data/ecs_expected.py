#!/usr/bin/python3
"""Expected axes of the entity coordinate system for the extrusions used in geom_test.cpp,
computed with ezdxf's OCS (an independent implementation of the arbitrary-axis rule).
Run with /usr/bin/python3 (python3-ezdxf); prints one C++ table row per extrusion."""
from ezdxf.math import OCS

EXTRUSIONS = [
    (0.0, 0.0, 1.0),
    (0.0, 0.0, -1.0),
    (1.0, 0.0, 0.0),
    (0.0, 1.0, 0.0),
    (0.01, 0.01, 1.0),     # both |Nx|, |Ny| below 1/64 after normalising: x = Wy x N
    (0.02, 0.0, 1.0),      # |Nx| above 1/64: x = Wz x N
    (1.0, 2.0, 3.0),
    (-0.3, 0.4, -0.5),
]

for e in EXTRUSIONS:
    o = OCS(e)
    ux, uy, uz = o.ux, o.uy, o.uz
    row = ", ".join(f"{v:.17g}" for v in (*e, *ux, *uy, *uz))
    print(f"    {{{row}}},")
