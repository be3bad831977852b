#include "TestSupport.h"

#include "lum/core/CoreExceptions.h"
#include "lum/core/LtypeTable.h"

using namespace lumtest;

TEST_F(DataTest, NewDrawingHoldsTheBuiltInItems)
{
    std::vector<std::string> names;
    CData::CLtypeIterator all(data.get(), false, true);
    while (CLtype* l = all.GetNext())
        names.push_back(l->GetName().str());
    EXPECT_EQ(names, (Log{"Continuous", "BYLAYER", "BYBLOCK"}));
    EXPECT_EQ(all.GetNoLtypes(), 3u);

    CData::CLtypeIterator real(data.get(), false, false);
    EXPECT_EQ(real.GetNext(), GetLtypeContinuous(data.get()));
    EXPECT_EQ(real.GetNext(), nullptr);
    EXPECT_EQ(real.GetNoLtypes(), 1u);

    CLayer0* l0 = GetLayer0(data.get());
    EXPECT_EQ(l0->GetColor(), 7);
    EXPECT_EQ(l0->GetLtype(), GetLtypeContinuous(data.get()));
    EXPECT_EQ(GetMainLayerTable(data.get())->GetNoItems(), 1u);
    EXPECT_EQ(GetStyleStandard(data.get())->GetName(), "STANDARD");
    EXPECT_DOUBLE_EQ(GetStyleStandard(data.get())->GetLastHeight(), 2.5);
    EXPECT_EQ(GetMainStyleTable(data.get())->GetNoItems(), 1u);
    EXPECT_EQ(GetMainUcsTable(data.get())->GetNoItems(), 0u);
    EXPECT_EQ(GetMainBlockTable(data.get())->GetNoItems(), 0u);
    EXPECT_EQ(GetMainEntTable(data.get())->GetNoEnts(), 0u);
    EXPECT_EQ(l0->GetHandle(), 0u);
    EXPECT_EQ(GetLtypeByBlock(data.get())->GetHandle(), 0u);
    EXPECT_EQ(l0->GetDrawing(), data->GetMainDrawing());
    // Layer "0" is used by the table only: CONTINUOUS counts one layer.
    EXPECT_EQ(GetLtypeContinuous(data.get())->GetLayers(), 1u);
    EXPECT_EQ(data->ToString(), "CData");
    EXPECT_EQ(data->GetMainDrawing()->ToString(), "CMainDrawing");
}

TEST_F(DataTest, FindRules)
{
    CLtype* cont = GetLtypeContinuous(data.get());
    CLayer* wall = AddNewLayer(data.get(), "Layer1", cont, 3, 0, 0);
    CLayer* zero2 = AddNewLayer(data.get(), "0", cont, 4, 0, 0);  // duplicate name
    CLtype* fake = AddNewLtype(data.get(), "ByLayer", "", nullptr, 0, 0, 0);
    struct Case { const char* name; ITableItem* layer; ITableItem* ltype; };
    const Case cases[] = {
        {"0", GetLayer0(data.get()), nullptr},
        {"LAYER1", wall, nullptr},
        {"layer1", wall, nullptr},
        {"Layer", nullptr, nullptr},
        {"ByLayer", nullptr, GetLtypeByLayer(data.get())},  // built-in wins over the item
        {"CONTINUOUS", nullptr, cont},
        {"byblock", nullptr, GetLtypeByBlock(data.get())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindLayer(data.get(), c.name), c.layer);
        EXPECT_EQ(FindLtype(data.get(), c.name), c.ltype);
    }
    EXPECT_NE(zero2, nullptr);
    EXPECT_NE(fake, nullptr);
    EXPECT_EQ(FindStyle(data.get(), "standard"), GetStyleStandard(data.get()));
}

TEST_F(DataTest, FirstInsertedWinsAndFollowsRemovalAndRename)
{
    CLtype* cont = GetLtypeContinuous(data.get());
    CLayer* a = AddNewLayer(data.get(), "Wall", cont, 1, 0, 0);
    CLayer* b = AddNewLayer(data.get(), "WALL", cont, 2, 0, 0);
    CLayer* c = AddNewLayer(data.get(), "Roof", cont, 3, 0, 0);
    EXPECT_EQ(FindLayer(data.get(), "wall"), a);
    c->SetName("wall");  // renamed, but inserted after a and b
    EXPECT_EQ(FindLayer(data.get(), "wall"), a);
    EXPECT_EQ(FindLayer(data.get(), "roof"), nullptr);
    EXPECT_TRUE(RemoveLayer(data.get(), a));
    EXPECT_EQ(FindLayer(data.get(), "wall"), b);
    b->SetLayer("Other", cont, 2, 0);
    EXPECT_EQ(FindLayer(data.get(), "wall"), c);
    EXPECT_EQ(FindLayer(data.get(), "OTHER"), b);
}

TEST_F(DataTest, ProgressiveNames)
{
    CBlockTable* blocks = GetMainBlockTable(data.get());
    EXPECT_EQ(GetBlockProgressiveName(blocks, "B"), "B1");  // empty table
    CLayerTable* layers = GetMainLayerTable(data.get());
    CLtype* cont = GetLtypeContinuous(data.get());
    struct Case { std::vector<const char*> present; const char* base; unsigned expected; };
    const Case cases[] = {
        {{}, "B", 1},
        {{"B1", "B3"}, "B", 2},
        {{"B1", "b2"}, "B", 3},
        {{"b1", "B2", "B3", "B5"}, "b", 4},
        {{"B10"}, "B1", 1},  // candidates are B11, B12, ...: B10 does not count
        {{"X1"}, "B", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        auto fresh = RefPtr<CData>::Adopt(CDataFactory().CreateData("p"));
        for (const char* n : c.present)
            AddNewLayer(fresh.get(), n, GetLtypeContinuous(fresh.get()), 1, 0, 0);
        EXPECT_EQ(GetMainLayerTable(fresh.get())->GetProgNum(c.base), c.expected);
    }
    // The cached search stays right when names are added, removed and renamed.
    AddNewLayer(data.get(), "L1", cont, 1, 0, 0);
    CLayer* l2 = AddNewLayer(data.get(), "L2", cont, 1, 0, 0);
    EXPECT_EQ(layers->GetProgName("L"), "L3");
    AddNewLayer(data.get(), "L3", cont, 1, 0, 0);
    EXPECT_EQ(layers->GetProgName("l"), "l4");
    RemoveLayer(data.get(), l2);
    EXPECT_EQ(layers->GetProgName("L"), "L2");
    CLayer* l3 = FindLayer(data.get(), "L3");
    l3->SetName("X");
    AddNewLayer(data.get(), "L2", cont, 1, 0, 0);
    EXPECT_EQ(layers->GetProgName("L"), "L3");
}

TEST_F(DataTest, RefusedAddLeavesTheTableAsItWas)
{
    struct ActiveFactory : CDataFactory {
        IHandleGestor* DoCreateHandleGestor() const override { return CHandleGestorActive::Create(); }
    };
    auto d = RefPtr<CData>::Adopt(ActiveFactory().CreateData("h"));
    CLtype* cont = GetLtypeContinuous(d.get());
    CLayerTable* layers = GetMainLayerTable(d.get());
    CLayer* a = AddNewLayer(d.get(), "A", cont, 1, 0, 50);
    EXPECT_EQ(a->GetHandle(), 50u);
    const unsigned contLayers = cont->GetLayers();

    auto dup = RefPtr<CLayer>::Adopt(CLayer::Create("B", cont, 1, 0, 50));
    Recorder r;
    r.Attach(d->GetContextEvent());
    EXPECT_THROW(layers->Add(dup.get()), CHandleAlreadyUsedException);
    EXPECT_FALSE(dup->IsInserted());
    EXPECT_EQ(FindLayer(d.get(), "B"), nullptr);
    EXPECT_EQ(layers->GetNoItems(), 2u);
    EXPECT_EQ(cont->GetLayers(), contLayers);
    EXPECT_EQ(dup->GetReferences(), 1u);

    auto same = RefPtr<CLayer>::Adopt(CLayer::Create("a", cont, 1, 0, 0));
    EXPECT_THROW(layers->AddUnique(same.get()), CNameAlreadyDefinedException);
    EXPECT_FALSE(same->IsInserted());
    EXPECT_EQ(layers->GetNoItems(), 2u);
    EXPECT_TRUE(r.log.empty());

    // A request for any handle gets the next one after the highest given.
    CLayer* c = AddNewLayer(d.get(), "C", cont, 1, 0, 0);
    EXPECT_EQ(c->GetHandle(), 51u);
    EXPECT_FALSE(layers->Add(a));  // already a member
    EXPECT_FALSE(layers->Add(nullptr));

    // Removal gives the handle back; the item keeps it and gets it again when re-added.
    auto* g = dynamic_cast<CHandleGestorActive*>(d->GetMainDrawing()->GetHandleGestor());
    ASSERT_NE(g, nullptr);
    auto keepA = RefPtr<CLayer>(a);
    EXPECT_TRUE(RemoveLayer(d.get(), a));
    EXPECT_FALSE(g->IsHandleUsed(50));
    EXPECT_EQ(a->GetHandle(), 50u);
    EXPECT_TRUE(layers->Add(a));
    EXPECT_TRUE(g->IsHandleUsed(50));
}

TEST_F(DataTest, RemoveRefusesNullStrangersRepeatsAndBuiltIns)
{
    CLtype* cont = GetLtypeContinuous(data.get());
    auto other = RefPtr<CData>::Adopt(CDataFactory().CreateData("o"));
    CLayer* foreign = AddNewLayer(other.get(), "F", GetLtypeContinuous(other.get()), 1, 0, 0);
    CLayer* mine = AddNewLayer(data.get(), "M", cont, 1, 0, 0);
    auto keep = RefPtr<CLayer>(mine);
    auto freeLayer = RefPtr<CLayer>::Adopt(CLayer::Create("Free", cont, 1, 0, 0));

    Recorder& r = Record();
    EXPECT_FALSE(GetMainLayerTable(data.get())->Remove(nullptr));
    EXPECT_FALSE(RemoveLayer(data.get(), foreign));
    EXPECT_FALSE(RemoveLayer(data.get(), freeLayer.get()));
    EXPECT_TRUE(RemoveLayer(data.get(), mine));
    EXPECT_FALSE(RemoveLayer(data.get(), mine));
    EXPECT_EQ(mine->GetReferences(), 1u);  // only ours: released exactly once
    EXPECT_FALSE(RemoveLayer(data.get(), "0"));
    EXPECT_FALSE(RemoveLtype(data.get(), "continuous"));
    EXPECT_FALSE(RemoveLtype(data.get(), GetLtypeByLayer(data.get())));
    EXPECT_FALSE(RemoveLtype(data.get(), "BYBLOCK"));
    EXPECT_FALSE(RemoveStyle(data.get(), "Standard"));
    EXPECT_FALSE(RemoveLayer(data.get(), "nothing"));
    EXPECT_EQ(r.log, (Log{"begin", "T2:M", "end"}));
    EXPECT_EQ(FindLayer(other.get(), "F"), foreign);
}

TEST_F(DataTest, IteratorsWalkInInsertionOrder)
{
    CLtype* cont = GetLtypeContinuous(data.get());
    AddNewLayer(data.get(), "A", cont, 1, 0, 0);
    AddNewStyle(data.get(), "S", nullptr, 0, 1, 0, 2.5, 0, 0);
    GetMainUcsTable(data.get())->Add(RefPtr<CUcs>::Adopt(CUcs::Create("U", {}, {1, 0, 0}, {0, 1, 0})).get());
    CData::CLayerIterator li(data.get(), true);
    EXPECT_EQ(li.GetNoLayers(), 2u);
    EXPECT_EQ(li.GetNext()->GetName(), "0");
    EXPECT_EQ(li.GetNext()->GetName(), "A");
    EXPECT_EQ(li.GetNext(), nullptr);
    CData::CStyleIterator si(data.get(), false);
    EXPECT_EQ(si.GetNoStyles(), 2u);
    EXPECT_EQ(si.GetNext()->GetName(), "STANDARD");
    CData::CUcsIterator ui(data.get());
    EXPECT_EQ(ui.GetNoUcss(), 1u);
    EXPECT_EQ(ui.GetNext()->GetName(), "U");
    EXPECT_EQ(FindUcs(data.get(), "u"), GetMainUcsTable(data.get())->GetItemNo(0));
}

TEST(FreeFunctions, ScomposeNameAndGetColorAndSmallRules)
{
    struct Case { const char* full; bool ok; const char* prefix; const char* name; };
    const Case cases[] = {
        {"X|Y", true, "X", "Y"}, {"|Y", false, "-", "-"}, {"X|", false, "-", "-"},
        {"XY", false, "-", "-"}, {"", false, "-", "-"},  {"A|B|C", true, "A", "B|C"},
    };
    for (const auto& c : cases) {
        String p("-"), n("-");
        EXPECT_EQ(ScomposeName(c.full, p, n), c.ok) << c.full;
        EXPECT_EQ(p, c.prefix);
        EXPECT_EQ(n, c.name);
    }
    auto l = RefPtr<CLayer>::Adopt(CLayer::Create("L", nullptr, 3, 0, 0));
    EXPECT_EQ(GetColor(0, l.get(), 5), 5);
    EXPECT_EQ(GetColor(256, l.get(), 5), 3);
    EXPECT_EQ(GetColor(1, l.get(), 5), 1);
    EXPECT_EQ(GetColor(256, nullptr, 5), 256);

    auto f = RefPtr<CLayer>::Adopt(CLayer::Create("F", nullptr, 1, 0x0001, 0));
    f->SetPrivate(true);
    EXPECT_EQ(f->GetFlags(), 0x8001u);
    f->SetPrivate(false);
    EXPECT_EQ(f->GetFlags(), 0x0001u);

    SmartString s("Abc");
    EXPECT_TRUE(s.Equal_ci("aBC"));
    EXPECT_FALSE(s.Equal_ci("ab"));
    EXPECT_EQ(s.Size(), 3u);
    EXPECT_TRUE(SmartString().Equal_ci(""));
}

TEST(HandleGestor, ActiveManagerGivesUniqueHandles)
{
    auto g = RefPtr<CHandleGestorActive>::Adopt(CHandleGestorActive::Create());
    EXPECT_EQ(g->GetHandle(0), 1u);
    EXPECT_EQ(g->GetHandle(3), 3u);
    EXPECT_EQ(g->GetHandle(0), 4u);
    EXPECT_THROW(g->GetHandle(3), CHandleAlreadyUsedException);
    g->FreeHandle(3);
    EXPECT_EQ(g->GetHandle(3), 3u);
    EXPECT_EQ(g->GetHandle(0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_THROW(g->GetHandle(0), CHandleExaustedException);
    EXPECT_TRUE(g->IsHandleActive());

    auto foo = RefPtr<CHandleGestorFoo>::Adopt(CHandleGestorFoo::Create());
    EXPECT_EQ(foo->GetHandle(7), 0u);
    EXPECT_EQ(foo->GetNoLiveHandles(), 1u);
    foo->FreeHandle(0);
    foo->FreeHandle(0);  // never below zero
    EXPECT_EQ(foo->GetNoLiveHandles(), 0u);
    EXPECT_FALSE(foo->IsHandleActive());
    EXPECT_STREQ(CHandleAlreadyUsedException().what(), "Handle already used!");
    EXPECT_STREQ(CHandleExaustedException().what(), "Handle exausted!");
    EXPECT_STREQ(CNameAlreadyDefinedException().what(), "Name already defined!");
}
