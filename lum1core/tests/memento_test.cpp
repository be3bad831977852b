#include "TestSupport.h"

#include "lum/core/TableItemMementos.h"

#include <numbers>

using namespace lumtest;

namespace {
RefPtr<fnd::IMemento> Snap(const ITableItem* item)
{
    return RefPtr<fnd::IMemento>::Adopt(item->CreateMemento());
}
}  // namespace

TEST_F(DataTest, LayerSnapshotRoundTrip)
{
    CLtype* cont = GetLtypeContinuous(data.get());
    CLtype* dash = AddNewLtype(data.get(), "Dash", "", nullptr, 0, 0, 0);
    CLayer* l = AddNewLayer(data.get(), "WALL", cont, 3, CLayer::kLocked, 0);
    auto snap = Snap(l);
    EXPECT_EQ(snap->ToString(), "ITableItemMemento");
    EXPECT_FALSE(l->HasChanged(snap.get()));
    l->SetName("wall");  // names compare ignoring case
    EXPECT_FALSE(l->HasChanged(snap.get()));
    l->SetLayer("Other", dash, 5, CLayer::kOff);
    EXPECT_TRUE(l->HasChanged(snap.get()));
    EXPECT_EQ(dash->GetLayers(), 1u);

    Recorder& r = Record();
    l->SetMemento(snap.get());
    EXPECT_EQ(r.log, (Log{"begin", "T3:Other", "T4:WALL", "end"}));
    EXPECT_FALSE(l->HasChanged(snap.get()));
    EXPECT_EQ(l->GetName(), "WALL");
    EXPECT_EQ(l->GetLtype(), cont);
    EXPECT_EQ(l->GetColor(), 3);
    EXPECT_EQ(l->GetFlags(), CLayer::kLocked);
    EXPECT_EQ(dash->GetLayers(), 0u);  // the count went back
    // The restored name is indexed again, the abandoned one is not.
    EXPECT_EQ(FindLayer(data.get(), "wall"), l);
    EXPECT_EQ(FindLayer(data.get(), "Other"), nullptr);
}

TEST_F(DataTest, LayerSnapshotKeepsItsLinetypeAlive)
{
    CLtype* dash = AddNewLtype(data.get(), "Dash", "", nullptr, 0, 0, 0);
    auto l = RefPtr<CLayer>::Adopt(CLayer::Create("Free", dash, 1, 0, 0));
    auto snap = Snap(l.get());
    l->SetLtype(GetLtypeContinuous(data.get()));
    EXPECT_TRUE(RemoveLtype(data.get(), dash));  // the table lets it go
    EXPECT_EQ(FindLtype(data.get(), "Dash"), nullptr);
    l->SetMemento(snap.get());  // the snapshot still holds it: no dangling pointer
    EXPECT_EQ(l->GetLtype()->GetName(), "Dash");
    EXPECT_FALSE(l->HasChanged(snap.get()));
}

TEST_F(DataTest, LinetypeSnapshotRoundTrip)
{
    CStyle* st = AddNewStyle(data.get(), "Txt", nullptr, 0, 1, 0, 2.5, 0, 0);
    const double dd[] = {0.5, -0.25};
    CLtype* lt = AddNewLtype(data.get(), "Gas", "Gas line", dd, 2, 0, 0);
    lt->AddDashText(TEXT_3D("GAS", st, 0.1, 0, 1, 0, {}, 0));
    auto snap = Snap(lt);
    EXPECT_FALSE(lt->HasChanged(snap.get()));
    lt->SetLtype("Gas", "GAS LINE", 0);  // descriptions compare exactly
    EXPECT_TRUE(lt->HasChanged(snap.get()));
    lt->SetLtype("gas2", "Gas line", CLtype::kFlagMask);
    lt->ClearDashes();
    lt->AddDashDouble(1.0);
    EXPECT_TRUE(lt->HasChanged(snap.get()));

    AddEnt(data.get(), RefPtr<TestEnt>::Adopt(TestEnt::Create(GetLayer0(data.get()), lt)).get());
    Recorder& r = Record();
    lt->SetMemento(snap.get());
    EXPECT_EQ(r.log, (Log{"begin", "T3:gas2", "T5:Gas", "end"}));  // dashes differed: drawing
    EXPECT_FALSE(lt->HasChanged(snap.get()));
    EXPECT_EQ(lt->GetNoDashes(), 3u);
    EXPECT_TRUE(lt->HasText());
    EXPECT_EQ(lt->GetFlags(), 0u);
    EXPECT_EQ(FindLtype(data.get(), "GAS"), lt);
    EXPECT_EQ(FindLtype(data.get(), "gas2"), nullptr);
}

TEST_F(DataTest, StyleSnapshotRoundTrip)
{
    CStyle* st = AddNewStyle(data.get(), "Txt", nullptr, 0, 1, 0.2, 2.5, CStyle::kBold, 0);
    auto snap = Snap(st);
    EXPECT_FALSE(st->HasChanged(snap.get()));
    st->SetOblique(0.3);
    EXPECT_TRUE(st->HasChanged(snap.get()));
    st->SetStyle("Other", nullptr, 1.5, 0.8, 0.1, 1.0, CStyle::kItalic);
    st->SetMemento(snap.get());
    EXPECT_FALSE(st->HasChanged(snap.get()));
    EXPECT_EQ(st->GetName(), "Txt");
    EXPECT_DOUBLE_EQ(st->GetOblique(), 0.2);
    EXPECT_DOUBLE_EQ(st->GetFixedHeight(), 0.0);
    EXPECT_TRUE(st->IsBold());
    EXPECT_FALSE(st->IsItalic());
    EXPECT_EQ(FindStyle(data.get(), "txt"), st);
}

TEST_F(DataTest, UcsSnapshotRoundTripRaisesNothing)
{
    auto u = RefPtr<CUcs>::Adopt(CUcs::Create("U", {1, 2, 3}, {1, 0, 0}, {0, 1, 0}));
    GetMainUcsTable(data.get())->Add(u.get());
    auto snap = Snap(u.get());
    u->SetUcs("V", fnd::geom::CRightRefSys({0, 0, 0}, {0, 1, 0}, {-1, 0, 0}));
    EXPECT_TRUE(u->HasChanged(snap.get()));
    Recorder& r = Record();
    u->SetMemento(snap.get());
    EXPECT_TRUE(r.log.empty());
    EXPECT_FALSE(u->HasChanged(snap.get()));
    EXPECT_EQ(u->GetRefSys().GetOrigin(), (fnd::geom::PNT_3D{1, 2, 3}));
    EXPECT_EQ(FindUcs(data.get(), "u"), u.get());
    EXPECT_EQ(FindUcs(data.get(), "v"), nullptr);
}

TEST_F(DataTest, SnapshotOfAnotherKindIsRefused)
{
    CLayer* l = GetLayer0(data.get());
    auto ltSnap = Snap(GetLtypeContinuous(data.get()));
    EXPECT_TRUE(l->HasChanged(ltSnap.get()));
    l->SetMemento(ltSnap.get());  // ignored
    EXPECT_EQ(l->GetName(), "0");
}
