// Texts taken out of inserts and put into them: hand-computed cases, a zero scale, and a
// From-then-To round trip over random inserts and texts.
#include "EntSupport.h"

#include "lum/core/TextInsertTransform.h"

#include <cmath>
#include <numbers>
#include <random>

namespace lumtest {
namespace {

constexpr double kPi = std::numbers::pi;

class TextInsertTest : public EntTest {
protected:
    RefPtr<CEntInsert> Ins(PNT_3D I, double sx, double sy, double sz, double R, VECTOR_3D ext = {0, 0, 1})
    {
        if (!blk)
            blk = Block("T");
        auto i = RefPtr<CEntInsert>::Adopt(CEntInsert::Create(layer, cont, 1, blk.get(), I, sx, sy, sz, R, 1, 1, 0, 0, 0));
        i->SetInsert(ext, I, sx, sy, sz, R);
        return i;
    }
    void TearDown() override
    {
        blk.reset();
        EntTest::TearDown();
    }
    RefPtr<CBlock> blk;
};

TEST_F(TextInsertTest, HandComputedCases)
{
    // Scales (2, 1, 1), no rotation: height h, width factor 2w, point (2px + Ix, py + Iy, pz + Iz).
    auto i1 = Ins({10, 20, 30}, 2, 1, 1, 0);
    const TEXT_3D t("A", nullptr, 1.5, 0, 0.8, 0, {1, 2, 3}, 0);
    VECTOR_3D e;
    TEXT_3D out;
    ASSERT_TRUE(TransformTextFromInsert(i1.get(), {0, 0, 1}, t, e, out));
    EXPECT_DOUBLE_EQ(out.GetContext().GetHeight(), 1.5);
    EXPECT_DOUBLE_EQ(out.GetContext().GetWidthScale(), 1.6);
    EXPECT_EQ(out.GetPoint(), (PNT_3D{12, 22, 33}));
    EXPECT_EQ(e, (VECTOR_3D{0, 0, 1}));
    EXPECT_EQ(out.GetContext().GetString(), "A");

    // Scales (2, 2, 2), text rotated by pi/2: height doubles, point I + 2p, rotation pi/2.
    auto i2 = Ins({10, 20, 30}, 2, 2, 2, 0);
    const TEXT_3D t2("B", nullptr, 1.5, 0, 0.8, kPi / 2, {1, 2, 3}, 0);
    ASSERT_TRUE(TransformTextFromInsert(i2.get(), {0, 0, 1}, t2, e, out));
    EXPECT_DOUBLE_EQ(out.GetContext().GetHeight(), 3.0);
    EXPECT_DOUBLE_EQ(out.GetContext().GetWidthScale(), 0.8);
    EXPECT_NEAR(out.GetContext().GetRotate(), kPi / 2, 1e-12);
    EXPECT_NEAR(out.GetPoint().x, 12, 1e-12);
    EXPECT_NEAR(out.GetPoint().y, 24, 1e-12);
    EXPECT_NEAR(out.GetPoint().z, 36, 1e-12);
}

TEST_F(TextInsertTest, ZeroScaleLeavesTheTextAlone)
{
    auto i = Ins({1, 1, 1}, 0, 1, 1, 0.3);
    const TEXT_3D t("A", nullptr, 1, 0.1, 1, 0.2, {1, 2, 3}, 0);
    const TEXT_3D untouched("KEEP", nullptr, 9, 0, 1, 0, {7, 7, 7}, 0);
    TEXT_3D out = untouched;
    VECTOR_3D e{0, 1, 0};
    EXPECT_FALSE(TransformTextFromInsert(i.get(), {0, 0, 1}, t, e, out));
    EXPECT_FALSE(TransformTextToInsert(i.get(), {0, 0, 1}, t, e, out));
    EXPECT_TRUE(out == untouched);
    EXPECT_EQ(e, (VECTOR_3D{0, 1, 0}));
}

double AngleDiff(double a, double b)
{
    double d = std::fmod(a - b, 2 * kPi);
    if (d > kPi) d -= 2 * kPi;
    if (d < -kPi) d += 2 * kPi;
    return std::fabs(d);
}

// Out of a random insert and back in gives the text it started from.
TEST_F(TextInsertTest, FromThenToRoundTrip)
{
    std::mt19937 rng(20261211);
    std::uniform_real_distribution<double> coord(-100, 100), angle(0, 2 * kPi), scale(0.5, 3),
        ratio(0.5, 2), obl(-0.5, 0.5), unit(-1, 1);
    int checked = 0;
    for (int n = 0; n < 400; ++n) {
        const bool uniform = n % 2 == 0;
        const double s = scale(rng);
        const double sx = s, sy = uniform ? s : s * ratio(rng), sz = uniform ? s : s * ratio(rng);
        const VECTOR_3D ei = n % 3 == 0 ? VECTOR_3D{unit(rng), unit(rng), 1.5}.Normalized() : VECTOR_3D{0, 0, 1};
        const VECTOR_3D et = n % 5 == 0 ? VECTOR_3D{unit(rng), unit(rng), 1.2}.Normalized() : VECTOR_3D{0, 0, 1};
        auto ins = Ins({coord(rng), coord(rng), coord(rng)}, sx, sy, sz, angle(rng), ei);
        const double r = n % 7 == 0 ? 0.0 : angle(rng);
        // A non-uniform insert keeps obliquing and width only for texts it does not shear.
        const double o = uniform ? obl(rng) : 0.0;
        TEXT_3D t("X", nullptr, 0.5 + std::fabs(unit(rng)), o, 0.5 + std::fabs(unit(rng)), r,
                  {coord(rng), coord(rng), coord(rng)}, 0);
        VECTOR_3D e1, e2;
        TEXT_3D mid, back;
        ASSERT_TRUE(TransformTextFromInsert(ins.get(), et, t, e1, mid));
        ASSERT_TRUE(TransformTextToInsert(ins.get(), e1, mid, e2, back));
        SCOPED_TRACE("case " + std::to_string(n));
        const CTextContext& a = t.GetContext();
        const CTextContext& b = back.GetContext();
        EXPECT_NEAR((e2 - et).Length(), 0.0, 1e-9);
        EXPECT_NEAR(back.GetPoint().x, t.GetPoint().x, 1e-8);
        EXPECT_NEAR(back.GetPoint().y, t.GetPoint().y, 1e-8);
        EXPECT_NEAR(back.GetPoint().z, t.GetPoint().z, 1e-8);
        EXPECT_NEAR(b.GetHeight(), a.GetHeight(), 1e-9);
        EXPECT_NEAR(b.GetWidthScale(), a.GetWidthScale(), 1e-6);
        EXPECT_LT(AngleDiff(b.GetRotate(), a.GetRotate()), 1e-9);
        EXPECT_NEAR(b.GetOblique(), a.GetOblique(), 3e-7);  // obliquing is cut to 1e-7 steps
        ++checked;
    }
    EXPECT_EQ(checked, 400);
}

}  // namespace
}  // namespace lumtest
