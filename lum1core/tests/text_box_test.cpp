#include "TestSupport.h"

#include "lum/core/Font.h"
#include "lum/core/Style.h"
#include "lum/core/Text3D.h"

#include <cstring>
#include <numbers>

using namespace lumtest;
using fnd::geom::PNT_3D;

namespace {
constexpr double pi = std::numbers::pi;

// Cell height 10, descent 2; every character advances 5 units; ink from -2 to 8.
class GridFont : public ICADFont {
public:
    GridFont() : ICADFont("Grid") {}
    int GetCellHeight() const override { return 10; }
    int GetReserved() const override { return 0; }
    int GetDescent() const override { return 2; }
    int MeasureText(const char* text, bool, bool, bool, int& w, int& t, int& b) const override
    {
        w = 5 * static_cast<int>(std::strlen(text));
        t = 8;
        b = -2;
        return 0;
    }
};

class TextBoxTest : public ::testing::Test {
protected:
    GridFont font;
    RefPtr<CStyle> style = RefPtr<CStyle>::Adopt(CStyle::Create("S", &font, 0, 1, 0, 2.5, 0, 0));
    RefPtr<CStyle> vertical =
        RefPtr<CStyle>::Adopt(CStyle::Create("V", &font, 0, 1, 0, 2.5, CStyle::kVertical, 0));
    // "AB" of height 1: k = 1/10, W = 1 * 0.1 * 10 = 1, t = 0.8, b = -0.2.
    TEXT_3D Text(std::uint32_t align, double rotation = 0.0, double oblique = 0.0, CStyle* s = nullptr)
    {
        return TEXT_3D("AB", s ? s : style.get(), 1.0, oblique, 1.0, rotation, {10, 20, 3}, align);
    }
};

void ExpectBox(const fnd::geom::RECT_2D& r, double x0, double y0, double x1, double y1)
{
    EXPECT_NEAR(r.min.x, x0, 1e-12);
    EXPECT_NEAR(r.min.y, y0, 1e-12);
    EXPECT_NEAR(r.max.x, x1, 1e-12);
    EXPECT_NEAR(r.max.y, y1, 1e-12);
}
}  // namespace

TEST_F(TextBoxTest, AlignmentPlacesTheBox)
{
    struct Case { std::uint32_t align; double x0, y0, x1, y1; };
    const Case cases[] = {
        {0, 10.0, 19.8, 11.0, 20.8},   // left, baseline: box (0,-0.2)-(1,0.8)
        {3, 10.0, 18.8, 11.0, 19.8},   // top: down by the height (1), whatever the ink
        {7, 9.5, 19.5, 10.5, 20.5},    // middle centre: down (0.8-0.2)/2 = 0.3, left 0.5
        {9, 10.0, 20.0, 11.0, 21.0},   // bottom: up by k * descent = 0.2
        {2, 9.0, 19.8, 10.0, 20.8},    // right: left by W
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.align);
        fnd::geom::RECT_2D r;
        ASSERT_TRUE(Text(c.align).CalcBdry(r));
        ExpectBox(r, c.x0, c.y0, c.x1, c.y1);
    }
}

TEST_F(TextBoxTest, ShearRotationAndBasePoint)
{
    // Obliquing pi/4: x += y, so (0,-0.2) -> (-0.2,-0.2) and (1,0.8) -> (1.8,0.8).
    fnd::geom::RECT_2D r;
    ASSERT_TRUE(Text(0, 0.0, pi / 4).CalcBdry(r));
    ExpectBox(r, 9.8, 19.8, 11.8, 20.8);
    // A vertical style is not sheared.
    ASSERT_TRUE(Text(0, 0.0, pi / 4, vertical.get()).CalcBdry(r));
    ExpectBox(r, 10.0, 19.8, 11.0, 20.8);
    // Rotation pi/2: (x, y) -> (-y, x); box (0,-0.2)-(1,0.8) becomes (-0.8,0)-(0.2,1).
    ASSERT_TRUE(Text(0, pi / 2).CalcBdry(r));
    ExpectBox(r, 9.2, 20.0, 10.2, 21.0);

    PNT_3D base;
    ASSERT_TRUE(Text(0, 1.0).GetBasePoint(base));
    EXPECT_EQ(base, (PNT_3D{10, 20, 3}));  // alignment 0: the point itself
    // Middle centre: shift (-0.5, -0.3); rotated by pi/2 it is (0.3, -0.5).
    ASSERT_TRUE(Text(7, pi / 2).GetBasePoint(base));
    EXPECT_NEAR(base.x, 10.3, 1e-12);
    EXPECT_NEAR(base.y, 19.5, 1e-12);
    EXPECT_EQ(base.z, 3.0);

    fnd::geom::RECT_3D b3;
    ASSERT_TRUE(Text(0).CalcBdry(b3));
    EXPECT_EQ(b3.min.z, 3.0);
    EXPECT_EQ(b3.max.z, 3.0);
}

TEST_F(TextBoxTest, NoFontGivesADegenerateBoxAndNoStyleNoBox)
{
    auto bare = RefPtr<CStyle>::Adopt(CStyle::Create("B", nullptr, 0, 1, 0, 2.5, 0, 0));
    fnd::geom::RECT_2D r;
    r.Add({1, 1});
    const TEXT_3D t = Text(5, 0.3, 0.2, bare.get());
    ASSERT_TRUE(t.CalcBdry(r));
    EXPECT_EQ(r.min, (fnd::geom::PNT_2D{t.GetPoint().x, t.GetPoint().y}));
    EXPECT_EQ(r.max, r.min);
    PNT_3D onPoint;
    ASSERT_TRUE(t.GetBasePoint(onPoint));
    EXPECT_EQ(onPoint, t.GetPoint());
    TEXT_3D noStyle("x", nullptr, 1, 0, 1, 0, {}, 7);
    PNT_3D base{9, 9, 9};
    EXPECT_FALSE(noStyle.GetBasePoint(base));
    EXPECT_EQ(base, (PNT_3D{9, 9, 9}));
}
