// Polylines: visible vertices of plain and curve-fitted polylines, editing, modifiers and
// their notifications, world conversion and snapshots.
#include "EntSupport.h"

#include "lum/core/EntMoveVisitor.h"

#include <cmath>

namespace lumtest {
namespace {

using fnd::geom::PNT_2D;

class PolylineTest : public EntTest {
protected:
    RefPtr<CEntPolyline2D> Poly2D(std::uint32_t flags, std::initializer_list<PNT_2D> pts, double elev = 0.0)
    {
        auto p = RefPtr<CEntPolyline2D>::Adopt(CEntPolyline2D::Create(layer, cont, 1, elev, flags, 0, 0));
        {
            CEntPolyline2DModifier m(p.get());
            for (const PNT_2D& q : pts)
                m.AddCtrlPnt(q, 0, 0);
        }
        return p;
    }
};

void ExpectNear(const PNT_2D& got, double x, double y)
{
    EXPECT_NEAR(got.x, x, 1e-12);
    EXPECT_NEAR(got.y, y, 1e-12);
}

// Expected points from tests/data/polyline_expected.py (Cox-de Boor and the Catmull-Rom
// segment formula, exact fractions).
TEST_F(PolylineTest, CubicBSplineOpen)
{
    auto p = Poly2D(1, {{0, 0}, {4, 0}, {4, 3}});
    ASSERT_EQ(p->GetNoVisibleVertex(), 41u);  // 1 + 10 * (7 - 3)
    EXPECT_EQ(p->GetVertexPos(0), (PNT_2D{0, 0}));
    ExpectNear(p->GetVertexPos(5), 1.0 / 12.0, 0.0);
    ExpectNear(p->GetVertexPos(10), 2.0 / 3.0, 0.0);
    ExpectNear(p->GetVertexPos(20), 10.0 / 3.0, 0.5);
    ExpectNear(p->GetVertexPos(25), 47.0 / 12.0, 1.5);
    ExpectNear(p->GetVertexPos(40), 4.0, 3.0);
    EXPECT_EQ(p->GetNoCtrlPnts(), 3u);
}

TEST_F(PolylineTest, CatmullRomOpenPassesThroughControlPoints)
{
    auto p = Poly2D(2, {{0, 0}, {4, 0}, {4, 3}});
    ASSERT_EQ(p->GetNoVisibleVertex(), 21u);  // 1 + 10 * (5 - 3)
    ExpectNear(p->GetVertexPos(0), 0, 0);
    ExpectNear(p->GetVertexPos(5), 2.0, -0.1875);
    ExpectNear(p->GetVertexPos(10), 4, 0);
    ExpectNear(p->GetVertexPos(15), 4.25, 1.5);
    ExpectNear(p->GetVertexPos(20), 4, 3);
    // Rectify: the sampled points become the control points.
    p->Rectify();
    EXPECT_EQ(p->GetNoCtrlPnts(), 21u);
    EXPECT_EQ(p->GetCurve(), 0);
    EXPECT_EQ(p->GetDegree(), 0);
    EXPECT_EQ(p->GetNoVisibleVertex(), 21u);
    EXPECT_EQ(p->GetVertex(7), p->GetCtrlPnt(7));  // plain: shared vertices
}

TEST_F(PolylineTest, ClosedPlainAndClosedCurve)
{
    auto p = Poly2D(0x10, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    EXPECT_EQ(p->GetNoVisibleVertex(), 5u);
    EXPECT_EQ(p->GetNoVisibleLines(), 4u);
    EXPECT_EQ(p->GetVertex(4), p->GetCtrlPnt(0));
    EXPECT_DOUBLE_EQ(p->GetPolyLength(), 4.0);
    p->InsertCtrlPnt(0, {-1, -1});  // the closing vertex follows the new first point
    EXPECT_EQ(p->GetNoVisibleVertex(), 6u);
    EXPECT_EQ(p->GetVertex(5), p->GetCtrlPnt(0));
    p->Open();
    EXPECT_EQ(p->GetNoVisibleVertex(), 5u);
    EXPECT_FALSE(p->IsClosed());
    // A closed curve: n + 3 points, so 1 + 10 * n vertices.
    p->Close(true);
    p->SetCurve(1, 3);
    EXPECT_EQ(p->GetNoVisibleVertex(), 51u);
    p->Rectify();
    EXPECT_EQ(p->GetNoCtrlPnts(), 50u);  // without the closing duplicate
    EXPECT_EQ(p->GetNoVisibleVertex(), 51u);
}

TEST_F(PolylineTest, SetCurveAndWidths)
{
    auto p = Poly2D(0, {{0, 0}, {4, 0}, {4, 3}});
    p->SetCurve(0, 5);
    EXPECT_EQ(p->GetDegree(), 0);
    EXPECT_EQ(p->GetNoVisibleVertex(), 3u);
    p->SetCurve(2, 0);
    EXPECT_EQ(p->GetNoVisibleVertex(), 21u);
    double w = -1;
    EXPECT_TRUE(p->IsWidthConstant(w) && w == 0.0);
    EXPECT_FALSE(p->IsWide());
    p->SetWidth(1.0);
    EXPECT_TRUE(p->IsWidthConstant(w));
    EXPECT_EQ(w, 1.0);
    EXPECT_EQ(p->GetVertex(13)->GetWidthEnd(), 1.0);  // the curve's vertices too
    p->SetCtrlPnt(1, {4, 0}, 1, 2);
    EXPECT_FALSE(p->IsWidthConstant(w));
    EXPECT_EQ(w, 0.0);
    EXPECT_TRUE(p->IsWide());
    // Widths along a curve run from the first start width to the end width of point n - 2.
    EXPECT_EQ(p->GetVertex(0)->GetWidthStart(), 1.0);
    EXPECT_NEAR(p->GetVertex(20)->GetWidthStart(), 2.0, 1e-12);
    EXPECT_NEAR(p->GetVertex(10)->GetWidthStart(), 1.5, 1e-12);
}

TEST_F(PolylineTest, OneNotificationPairPerModifier)
{
    auto p = Poly2D(2, {{0, 0}, {4, 0}});
    AddEnt(data.get(), p.get());
    EntLog& lg = Listen();
    {
        CEntPolyline2DModifier m(p.get());
        m.AddCtrlPnt({4, 3});
        m.MoveCtrlPnt(0, {1, 0});
        m.SetHeight(2.0);
        m.Close(false);
        EXPECT_EQ(p->GetNoVisibleVertex(), 2u);  // the curve waits for the end
    }
    EXPECT_EQ(p->GetNoVisibleVertex(), 21u);
    using Calls = std::vector<std::pair<std::string, const CEnt*>>;
    EXPECT_EQ(lg.Calls(), (Calls{{"M", p.get()}, {"D", p.get()}}));
    lg.log.clear();
    { CEntPolyline2DModifier idle(p.get()); }
    EXPECT_TRUE(lg.log.empty());
    p->RemoveCtrlPnt(0);  // a public edit is one pair and recomputes
    EXPECT_EQ(lg.Calls(), (Calls{{"M", p.get()}, {"D", p.get()}}));
    EXPECT_EQ(p->GetNoVisibleVertex(), 2u);  // two control points: both
    // Moving a 2-D polyline through the visitor: one pair as well.
    lg.log.clear();
    CEntMoveVisitor mv({1, 1, 1});
    p->Accept(mv);
    EXPECT_EQ(lg.Calls().size(), 2u);
    EXPECT_EQ(p->GetCtrlPntPos(0), (PNT_2D{5, 1}));
    EXPECT_EQ(p->GetHeight(), 3.0);
}

// World coordinates of a polyline on the plane with normal (1, 1, 1)/sqrt 3. Its x axis is
// Wz x N normalised = (-1, 1, 0)/sqrt 2, its y axis N x x = (-1, -1, 2)/sqrt 6.
TEST_F(PolylineTest, WorldConversion)
{
    auto p = Poly2D(0, {{1, 2}, {3, 4}}, 3.0);
    p->SetExtrusion({1, 1, 1});
    CEntPolyline2DWorldConverter wc(p.get());
    const double r2 = std::sqrt(2.0), r3 = std::sqrt(3.0), r6 = std::sqrt(6.0);
    const PNT_3D w = wc.GetCtrlPntWorldPos(0);
    EXPECT_NEAR(w.x, -1 / r2 - 2 / r6 + 3 / r3, 1e-12);
    EXPECT_NEAR(w.y, 1 / r2 - 2 / r6 + 3 / r3, 1e-12);
    EXPECT_NEAR(w.z, 4 / r6 + 3 / r3, 1e-12);
    const PNT_2D back = wc.GetModelPos(w);
    EXPECT_NEAR(back.x, 1, 1e-12);
    EXPECT_NEAR(back.y, 2, 1e-12);
    EXPECT_TRUE(wc.IsWorldPntValid(w));

    auto flat = Poly2D(0, {{0, 0}}, 5.0);
    CEntPolyline2DWorldConverter fc(flat.get());
    EXPECT_FALSE(fc.IsWorldPntValid({0, 0, 5.0 + 2e-12}));
    EXPECT_TRUE(fc.IsWorldPntValid({7, 8, 5.0 + 0.5e-12}));
    EXPECT_TRUE(CEntPolyline3DWorldConverter(nullptr).IsWorldPntValid({1, 2, 3}));
}

TEST_F(PolylineTest, SnapshotRebuildsControlPoints)
{
    auto p = Poly2D(2, {{0, 0}, {4, 0}, {4, 3}});
    AddEnt(data.get(), p.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(p->CreateMemento());
    EXPECT_FALSE(p->HasChanged(snap.get()));
    p->Rectify();
    EXPECT_TRUE(p->HasChanged(snap.get()));
    p->SetMemento(snap.get());
    EXPECT_FALSE(p->HasChanged(snap.get()));
    EXPECT_EQ(p->GetNoCtrlPnts(), 3u);
    EXPECT_EQ(p->GetNoVisibleVertex(), 21u);
    auto copy = RefPtr<CEntPolyline2D>::Adopt(CEntPolyline2D::Create(p.get()));
    EXPECT_NE(copy->GetCtrlPnt(0), p->GetCtrlPnt(0));
    EXPECT_FALSE(copy->HasChanged(snap.get()));
}

TEST_F(PolylineTest, ThreeDimensionalFromLine)
{
    auto line = Line({1, 2, 3}, {4, 5, 6});
    auto p = RefPtr<CEntPolyline3D>::Adopt(data->GetEntFactory()->CreateEntPolyline3D(line.get()));
    ASSERT_EQ(p->GetNoCtrlPnts(), 2u);
    EXPECT_EQ(p->GetCtrlPntPos(1), (PNT_3D{4, 5, 6}));
    EXPECT_EQ(p->GetLayer(), layer);
    EXPECT_FALSE(p->IsClosed());
    EXPECT_DOUBLE_EQ(p->GetPolyLength(), std::sqrt(27.0));
    CEntMoveVisitor mv({1, 1, 1});
    p->Accept(mv);
    EXPECT_EQ(p->GetVertexPos(0), (PNT_3D{2, 3, 4}));
    p->SetCurve(1, 3);
    EXPECT_EQ(p->GetNoVisibleVertex(), 2u);
    p->AddCtrlPnt({0, 0, 0});
    EXPECT_EQ(p->GetNoVisibleVertex(), 41u);
}

}  // namespace
}  // namespace lumtest
