#include "fnd3geom.h"

#include <gtest/gtest.h>

using namespace fnd::geom;

namespace {
void ExpectNear(const VECTOR_3D& a, double x, double y, double z)
{
    EXPECT_NEAR(a.x, x, 1e-14);
    EXPECT_NEAR(a.y, y, 1e-14);
    EXPECT_NEAR(a.z, z, 1e-14);
}
}  // namespace

// Extrusion, then the expected x, y and z axes. Produced by tests/data/ecs_expected.py
// (ezdxf's OCS under /usr/bin/python3).
TEST(Ecs, ArbitraryAxisRuleMatchesIndependentTool)
{
    const double rows[][12] = {
        {0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1},
        {0, 0, -1, -1, 0, 0, 0, 1, 0, 0, 0, -1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0},
        {0, 1, 0, -1, 0, 0, 0, -0, 1, 0, 1, 0},
        {0.01, 0.01, 1, 0.99995000374968757, 0, -0.0099995000374968751, -9.9985002374606302e-05, 0.99995000874843776, -0.0099985002374606315, 0.0099990001499750056, 0.0099990001499750056, 0.99990001499750059},
        {0.02, 0, 1, 0, 1, 0, -0.99980005998000709, 0, 0.019996001199600141, 0.019996001199600141, 0, 0.99980005998000709},
        {1, 2, 3, -0.89442719099991586, 0.44721359549995793, 0, -0.35856858280031811, -0.71713716560063623, 0.59761430466719678, 0.2672612419124244, 0.53452248382484879, 0.80178372573727319},
        {-0.29999999999999999, 0.40000000000000002, -0.5, -0.80000000000000004, -0.59999999999999998, 0, -0.42426406871192857, 0.56568542494923812, 0.70710678118654757, -0.42426406871192845, 0.56568542494923801, -0.70710678118654746},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r[0] << "," << r[1] << "," << r[2]);
        const CEcs e({r[0], r[1], r[2]});
        ExpectNear(e.GetXAxis(), r[3], r[4], r[5]);
        ExpectNear(e.GetYAxis(), r[6], r[7], r[8]);
        ExpectNear(e.GetZAxis(), r[9], r[10], r[11]);
        // The two conversions are inverse to each other.
        const PNT_3D p{3.5, -2.0, 7.25};
        const PNT_3D back = e.FromWorld(e.ToWorld(p));
        ExpectNear(back.AsVector(), p.x, p.y, p.z);
    }
}

TEST(Ecs, ZeroExtrusionGivesWorldAxes)
{
    const CEcs e({0, 0, 0});
    ExpectNear(e.GetXAxis(), 1, 0, 0);
    ExpectNear(e.GetZAxis(), 0, 0, 1);
}

TEST(Ecs, ToWorldOfExtrusionMinusZ)
{
    // Hand computation: N = (0,0,-1) gives x = Wy x N = (-1,0,0), y = N x x = (0,1,0);
    // (1,2,3) goes to -1*(1,0,0)... = (-1, 2, -3).
    const CEcs e({0, 0, -1});
    const PNT_3D w = e.ToWorld({1, 2, 3});
    ExpectNear(w.AsVector(), -1, 2, -3);
}

TEST(Geometry, VectorsRectsAndRefSys)
{
    ExpectNear(VECTOR_3D{1, 0, 0}.Cross({0, 1, 0}), 0, 0, 1);
    EXPECT_DOUBLE_EQ((VECTOR_3D{3, 4, 0}).Length(), 5.0);
    EXPECT_EQ((VECTOR_3D{0, 0, 0}).Normalized(), (VECTOR_3D{0, 0, 0}));

    RECT_2D r;
    EXPECT_TRUE(r.IsEmpty());
    r.Add({1, 2});
    r.Add({-1, 5});
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_EQ(r.min, (PNT_2D{-1, 2}));
    EXPECT_EQ(r.max, (PNT_2D{1, 5}));
    EXPECT_TRUE(r.Contains({0, 3}));
    RECT_3D b;
    b.Add({1, 2, 3});
    EXPECT_EQ(b.min, b.max);

    const CRightRefSys s({10, 0, 0}, {0, 2, 0}, {-1, 0, 0});
    ExpectNear(s.GetZAxis(), 0, 0, 2);
    // Unit axes (0,1,0), (-1,0,0), (0,0,1): (1,1,1) -> (10-1, 1, 1).
    ExpectNear(s.ToWorld({1, 1, 1}).AsVector(), 9, 1, 1);

    LINE_3D l{{0, 0, 0}, {1, 1, 1}};
    l.move({1, 2, 3});
    EXPECT_EQ(l.end, (PNT_3D{2, 3, 4}));
}
