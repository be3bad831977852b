#!/usr/bin/python3
"""Expected visible vertices of curve-fitted polylines, from textbook formulas (standard
library only).

Control points (0,0), (4,0), (4,3), open.
- Type 1 (cubic B-spline): the ends are tripled and the curve is the uniform cubic B-spline
  over that list, evaluated with the Cox-de Boor recursion on the knots 0, 1, 2, ...;
  10 samples per span, parameter from 3 to len(P).
- Type 2 (Catmull-Rom): the ends are doubled; each span is the Catmull-Rom segment
  0.5*(2P1 + (-P0+P2)t + (2P0-5P1+4P2-P3)t^2 + (-P0+3P1-3P2+P3)t^3).
"""
from fractions import Fraction as F

cp = [(F(0), F(0)), (F(4), F(0)), (F(4), F(3))]

def basis(i, k, u, t):
    if k == 0:
        return F(1) if t[i] <= u < t[i + 1] or (u == t[-1] and t[i] < u <= t[i + 1]) else F(0)
    a = (u - t[i]) / (t[i + k] - t[i]) * basis(i, k - 1, u, t)
    b = (t[i + k + 1] - u) / (t[i + k + 1] - t[i + 1]) * basis(i + 1, k - 1, u, t)
    return a + b

# Type 1: uniform cubic B-spline. Its support on [3, n] needs knots 0 .. n+4; the value at
# the very end is taken as the limit from the left span.
P = [cp[0]] * 3 + cp[1:-1] + [cp[-1]] * 3
n = len(P)
knots = [F(i) for i in range(n + 4)]
def bspline(u):
    x = sum(basis(i, 3, u, knots) * P[i][0] for i in range(n))
    y = sum(basis(i, 3, u, knots) * P[i][1] for i in range(n))
    return x, y
def span_end(s):
    # value at the end of span s: the span's own polynomial at its right end
    u = F(3 + s) + 1 - F(1, 10**12)
    x, y = bspline(u)
    return round(float(x), 9), round(float(y), 9)
spans = n - 3
pts1 = [bspline(F(3))]
for s in range(spans):
    for i in range(1, 11):
        u = F(3 + s) + F(i, 10)
        pts1.append(bspline(u) if i < 10 else span_end(s))
print("type1 count", len(pts1))
for i in (0, 5, 10, 20, 25, 40):
    print("type1", i, float(pts1[i][0]), float(pts1[i][1]))

# Type 2
Q = [cp[0]] + cp + [cp[-1]]
def cr(p0, p1, p2, p3, t):
    return tuple(F(1, 2) * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t * t
                            + (-a + 3 * b - 3 * c + d) * t ** 3) for a, b, c, d in zip(p0, p1, p2, p3))
pts2 = [cr(*Q[0:4], F(0))]
for s in range(len(Q) - 3):
    for i in range(1, 11):
        pts2.append(cr(*Q[s:s + 4], F(i, 10)))
print("type2 count", len(pts2))
for i in (0, 5, 10, 15, 20):
    print("type2", i, float(pts2[i][0]), float(pts2[i][1]))
