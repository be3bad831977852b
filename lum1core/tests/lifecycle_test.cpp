#include "TestSupport.h"

#include <string>

using namespace lumtest;

namespace {
// Fills a drawing with n of each item kind, entities on them, linetypes with text dashes.
void Fill(CData* d, int n)
{
    CLtype* cont = GetLtypeContinuous(d);
    for (int i = 0; i < n; ++i) {
        const std::string k = std::to_string(i);
        CStyle* st = AddNewStyle(d, ("S" + k).c_str(), nullptr, 0, 1, 0, 2.5, 0, 0);
        const double dd[] = {0.5, -0.25};
        CLtype* lt = AddNewLtype(d, ("L" + k).c_str(), "", dd, 2, 0, 0);
        lt->AddDashText(TEXT_3D("T", st, 0.1, 0, 1, 0, {}, 0));
        CLayer* la = AddNewLayer(d, ("A" + k).c_str(), i % 2 ? lt : cont, 1 + i % 255, 0, 0);
        GetMainUcsTable(d)->Add(RefPtr<CUcs>::Adopt(CUcs::Create(("U" + k).c_str(), {}, {1, 0, 0}, {0, 1, 0})).get());
        AddEnt(d, RefPtr<TestEnt>::Adopt(TestEnt::Create(la, lt)).get());
    }
}
}  // namespace

TEST(Lifecycle, EmptyAndFilledDrawingsLeaveNothingBehind)
{
    initCore();
    const long before = fnd::IRefCounter::GetLiveObjects();
    {
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("empty"));
        EXPECT_GT(fnd::IRefCounter::GetLiveObjects(), before);
    }
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
    {
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("full"));
        Fill(d.get(), 3000);
        EXPECT_EQ(GetMainLayerTable(d.get())->GetNoItems(), 3001u);
        EXPECT_EQ(GetMainEntTable(d.get())->GetNoEnts(), 3000u);
        EXPECT_EQ(FindLayer(d.get(), "a2999")->GetEntities(), 1u);
    }
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
}

TEST(Lifecycle, ObjectsHeldPastTheDrawingAreCutLoose)
{
    initCore();
    const long before = fnd::IRefCounter::GetLiveObjects();
    {
        RefPtr<CLayer> layer;
        RefPtr<CLayerTable> table;
        RefPtr<CEnt> ent;
        RefPtr<fnd::IMemento> snap;
        {
            auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("d"));
            Fill(d.get(), 10);
            layer.reset(FindLayer(d.get(), "A3"));
            table.reset(GetMainLayerTable(d.get()));
            ent.reset(GetMainEntCollection(d.get()).GetEnt(3));
            snap = RefPtr<fnd::IMemento>::Adopt(layer->CreateMemento());
        }
        EXPECT_FALSE(layer->IsInserted());
        EXPECT_EQ(layer->GetDrawing(), nullptr);
        EXPECT_EQ(layer->GetEntities(), 0u);
        EXPECT_EQ(table->GetNoItems(), 0u);
        EXPECT_EQ(table->GetDrawing(), nullptr);
        EXPECT_EQ(table->GetHandleGestor(), nullptr);
        EXPECT_FALSE(ent->IsInserted());
        EXPECT_EQ(ent->GetLayer(), layer.get());  // still held by the entity
        layer->SetColor(9);                        // free: no notification, no crash
        layer->SetMemento(snap.get());
        EXPECT_EQ(layer->GetColor(), 4);
    }
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
}

TEST(Lifecycle, DrawingsBeforeInitCoreOrWithoutListenersWork)
{
    // Every notification path is null-safe; initCore may come at any time.
    const long before = fnd::IRefCounter::GetLiveObjects();
    {
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("n"));
        Fill(d.get(), 5);
        RemoveLayer(d.get(), "A1");
        FindLayer(d.get(), "A2")->SetColor(3);
    }
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
}
