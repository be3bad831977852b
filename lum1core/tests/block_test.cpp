// Blocks, inserts and the block graph: order of walks, refusals of cycles and of removals
// still in use, redefinition, hatches inside blocks, nested-insert state and block snapshots.
#include "EntSupport.h"

#include "lum/core/CoreExceptions.h"
#include "lum/core/EntFunctions.h"
#include "lum/core/EntInsertStack.h"
#include "lum/core/EntMoveVisitor.h"

#include <chrono>

namespace lumtest {
namespace {

class Names : public IBlockOperation {
public:
    std::vector<std::string> seen;
    void Do(IBlock* b) override { seen.push_back(b->GetName().str()); }
};

class BlockTest : public EntTest {
protected:
    // A inserts B, B inserts C; all in the table (added in dependency order).
    void Chain()
    {
        c = Block("C");
        c->Add(Pnt().get());
        Blocks()->Add(c.get());
        b = Block("B");
        b->Add(Insert(c.get()).get());
        Blocks()->Add(b.get());
        a = Block("A");
        a->Add(Insert(b.get()).get());
        Blocks()->Add(a.get());
    }
    void TearDown() override
    {
        a.reset();
        b.reset();
        c.reset();
        EntTest::TearDown();
    }
    RefPtr<CBlock> a, b, c;
};

TEST_F(BlockTest, WalksOrderBlocksByDependency)
{
    Chain();
    Names undep, dep;
    Blocks()->GetBlockGraph().VisitUndep(undep);
    Blocks()->GetBlockGraph().VisitDep(dep);
    EXPECT_EQ(undep.seen, (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(dep.seen, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(b.get()), 1u);
    EXPECT_EQ(b->GetInsertCount(), 1u);  // the insert inside A
}

TEST_F(BlockTest, RemovingAnInsertedBlockIsRefused)
{
    Chain();
    EXPECT_THROW(Blocks()->Remove(b.get()), CBrokenGraphException);
    EXPECT_EQ(Blocks()->FindBlock("b"), b.get());
    EXPECT_TRUE(Blocks()->GetBlockGraph().Contains(b.get()));
    EXPECT_TRUE(Blocks()->Remove(a.get()));
    EXPECT_TRUE(Blocks()->Remove(b.get()));
    EXPECT_TRUE(Blocks()->Remove(c.get()));
    EXPECT_EQ(Blocks()->GetBlockGraph().GetNoItems(), 0u);
}

TEST_F(BlockTest, RedefineIntoACycleChangesNothing)
{
    Chain();
    auto loop = Insert(a.get());
    CEntVectorCollection ents(loop.get());
    const unsigned before = b->GetNoEnts();
    EXPECT_FALSE(b->Redefine({}, 0, ents));
    EXPECT_EQ(b->GetNoEnts(), before);
    EXPECT_FALSE(loop->IsInserted());
    std::list<IBlock*> list{a.get()};
    EXPECT_FALSE(Blocks()->GetBlockGraph().CanSubstitute(b.get(), list));
    EXPECT_THROW(Blocks()->GetBlockGraph().Substitute(b.get(), list), CCyclicGraphException);
    // B's edges are as they were: C is still inserted by B only, A by nobody.
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(c.get()), 1u);
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(a.get()), 0u);
    Names undep;
    Blocks()->GetBlockGraph().VisitUndep(undep);
    EXPECT_EQ(undep.seen, (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(BlockTest, SelfInsertAndCyclesOfFreeBlocksAreRefused)
{
    auto x = Block("X");
    auto self = Insert(x.get());
    EXPECT_THROW(x->Add(self.get()), CCyclicGraphException);
    EXPECT_EQ(x->GetNoEnts(), 0u);
    // X inserts Y, then Y would insert X: both free, neither in the table.
    auto y = Block("Y");
    EXPECT_TRUE(x->Add(Insert(y.get()).get()));
    auto back = Insert(x.get());
    EXPECT_THROW(y->Add(back.get()), CCyclicGraphException);
    EXPECT_EQ(y->GetNoEnts(), 0u);
}

TEST_F(BlockTest, RedefineKeepsFlagsAndRelativePositions)
{
    auto blk = Block("P", {10, 0, 0});
    auto pt = Pnt({10, 0, 0});
    blk->Add(pt.get());
    EXPECT_EQ(pt->GetPnt(), (PNT_3D{0, 0, 0}));
    const TEXT_3D t("T", nullptr, 1, 0, 1, 0, {}, 0);
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(layer, cont, 1, t, "", "", 0, 0));
    blk->Add(def.get());
    EXPECT_TRUE(blk->GetFlags() & CBlock::kHasAttdefs);
    Blocks()->Add(blk.get());
    EXPECT_EQ(layer->GetEntities(), 2u);
    auto p2 = Pnt({5, 5, 5});
    Record();
    EXPECT_TRUE(blk->Redefine({5, 5, 5}, 1, CEntVectorCollection(p2.get())));
    EXPECT_EQ(rec->log, (Log{"begin", "T3:P", "T4:P", "end"}));  // not in use: a description change
    EXPECT_FALSE(blk->GetFlags() & CBlock::kHasAttdefs);
    EXPECT_EQ(blk->GetFlags() & 1u, 1u);
    EXPECT_EQ(p2->GetPnt(), (PNT_3D{0, 0, 0}));
    EXPECT_EQ(layer->GetEntities(), 1u);
    EXPECT_FALSE(pt->IsInserted());
    // An entity that another site holds is refused before anything changes.
    auto inModel = Pnt();
    AddEnt(data.get(), inModel.get());
    EXPECT_FALSE(blk->Redefine({}, 0, CEntVectorCollection(inModel.get())));
    EXPECT_EQ(blk->GetNoEnts(), 1u);
}

TEST_F(BlockTest, InsertArrayKeepsRowsAndColumnsApart)
{
    auto blk = Block("R");
    auto zero = RefPtr<CEntInsert>::Adopt(
        CEntInsert::Create(layer, cont, 1, blk.get(), {}, 1, 1, 1, 0, 0, 0, 0, 0, 0));
    std::uint16_t rows = 9, cols = 9;
    double cs = 0, rs = 0;
    zero->GetArray(rows, cols, cs, rs);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(cols, 1);
    // Rows first, then columns, then column and row spacing.
    auto ins = RefPtr<CEntInsert>::Adopt(data->GetEntFactory()->CreateEntInsert(
        layer, cont, 1, blk.get(), {}, 1, 2, 1, 0, 3, 2, 1.5, 2.5, 0));
    ins->GetArray(rows, cols, cs, rs);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(cs, 1.5);
    EXPECT_EQ(rs, 2.5);
    EXPECT_FALSE(ins->IsIsotropic());
    ins->SetInsert({}, 1, 1, 1, 0, 4, 0, 1, 1);
    EXPECT_EQ(ins->GetRows(), 4);
    EXPECT_EQ(ins->GetCols(), 1);
    EXPECT_TRUE(ins->HasNoScaleFactors());
}

TEST_F(BlockTest, InsertCopiesAttributesAndCountsItsBlock)
{
    auto blk = Block("ATT");
    Blocks()->Add(blk.get());
    auto ins = Insert(blk.get());
    const TEXT_3D t("TAG", nullptr, 1, 0, 1, 0, {}, 0);
    ins->Add(RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(layer, cont, 1, t, "TAG", 0, 0)).get());
    auto copy = RefPtr<CEntInsert>::Adopt(data->GetEntFactory()->CreateEntInsert(ins.get()));
    ASSERT_EQ(copy->GetNoAttribs(), 1u);
    EXPECT_NE(copy->GetAttrib(0), ins->GetAttrib(0));
    EXPECT_EQ(copy->GetAttrib(0)->GetTag(), "TAG");
    EXPECT_EQ(copy->GetAttrib(1), nullptr);
    AddEnt(data.get(), copy.get());
    EXPECT_EQ(blk->GetInsertCount(), 1u);
    EXPECT_EQ(layer->GetEntities(), 2u);  // the insert and its attribute
    EntLog& lg = Listen();
    copy->Add(RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(layer, cont, 1, t, "T2", 0, 0)).get());
    EXPECT_EQ(lg.Calls(), (std::vector<std::pair<std::string, const CEnt*>>{{"M", copy.get()}, {"D", copy.get()}}));
    RemoveEnt(data.get(), copy.get());
    EXPECT_EQ(blk->GetInsertCount(), 0u);
    EXPECT_EQ(layer->GetEntities(), 0u);
}

TEST_F(BlockTest, NestedInsertState)
{
    CLayer* l0 = GetLayer0(data.get());
    auto blk = Block("S");
    auto outer = Insert(blk.get(), {}, 2.0);
    auto inner = Insert(blk.get(), {}, 3.0);
    auto aniso = RefPtr<CEntInsert>::Adopt(CEntInsert::Create(l0, cont, 1, blk.get(), {}, 1, 2, 1, 0, 1, 1, 0, 0, 0));
    CEntInsertStack s;
    s.Push(outer.get());
    s.Push(inner.get());
    EXPECT_TRUE(s.IsIsotropic());
    EXPECT_EQ(s.GetIsoScale(), 6.0);
    s.Pop();
    s.Push(aniso.get());
    EXPECT_FALSE(s.IsIsotropic());
    EXPECT_EQ(s.GetIsoScale(), 2.0);
    EXPECT_EQ(s.GetCurLayer(), layer);  // layer "0" keeps the outer layer
    EXPECT_EQ(s.GetBaseInsert(), outer.get());
    EXPECT_EQ(s.GetTopMostInsert(), aniso.get());
    s.Pop();
    EXPECT_TRUE(s.IsIsotropic());
    EXPECT_EQ(s.GetNoInsert(), 1u);
}

// Taken with A and B; restored after B was deleted and C added: A and B again, in order,
// each as it was.
TEST_F(BlockTest, SnapshotRestoresEntitiesAfterDeleteAndAdd)
{
    auto blk = Block("SNAP");
    auto ea = Line({0, 0, 0}, {1, 0, 0});
    auto eb = Pnt({5, 5, 5});
    blk->Add(ea.get());
    blk->Add(eb.get());
    Blocks()->Add(blk.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(blk->CreateMemento());
    EXPECT_EQ(snap->ToString(), "ITableItemMemento");
    EXPECT_FALSE(blk->HasChanged(snap.get()));
    ea->SetColor(9);
    EXPECT_TRUE(blk->HasChanged(snap.get()));
    auto ec = Pnt({7, 7, 7});
    CEntVectorCollection next(ea.get());
    next.AddEnt(ec.get());
    ASSERT_TRUE(blk->Redefine({}, 0, next));
    ea.reset();
    eb.reset();  // only the snapshot keeps B now
    Record();
    blk->SetMemento(snap.get());
    EXPECT_EQ(rec->log, (Log{"begin", "T3:SNAP", "T4:SNAP", "end"}));
    ASSERT_EQ(blk->GetNoEnts(), 2u);
    EXPECT_EQ(blk->GetCollection().GetEnt(0)->GetType(), 2);
    EXPECT_EQ(blk->GetCollection().GetEnt(0)->GetColor(), 256);
    EXPECT_EQ(CastPnt(blk->GetCollection().GetEnt(1))->GetPnt(), (PNT_3D{5, 5, 5}));
    EXPECT_TRUE(blk->GetCollection().GetEnt(1)->IsInserted());
    EXPECT_FALSE(ec->IsInserted());
    EXPECT_FALSE(blk->HasChanged(snap.get()));
    EXPECT_EQ(layer->GetEntities(), 2u);
}

// A block snapshot keeps its entities and their layers alive: take the entity out, remove
// its layer, restore.
TEST_F(BlockTest, SnapshotRestoreAfterLayerRemoval)
{
    CLayer* temp = AddNewLayer(data.get(), "Temp", cont, 3, 0, 0);
    auto blk = Block("L");
    blk->Add(RefPtr<CEntLine>::Adopt(CEntLine::Create(temp, cont, 1, {{0, 0, 0}, {1, 1, 1}}, 0)).get());
    Blocks()->Add(blk.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(blk->CreateMemento());
    ASSERT_TRUE(blk->Redefine({}, 0, CEntVectorCollection()));
    EXPECT_TRUE(RemoveLayer(data.get(), temp));
    blk->SetMemento(snap.get());
    ASSERT_EQ(blk->GetNoEnts(), 1u);
    EXPECT_EQ(blk->GetCollection().GetEnt(0)->GetLayer()->GetName(), "Temp");
    EXPECT_TRUE(blk->GetCollection().GetEnt(0)->IsInserted());
}

// Restoring a block that holds a hatch brings the hatch block back into the table and the
// graph edge with it.
TEST_F(BlockTest, SnapshotOfABlockHoldingAHatch)
{
    CEntHatch::SetBlockMaker(nullptr);
    auto hb = RefPtr<CBlock>::Adopt(CBlock::Create("*PAT1", {}, 1, 0));
    hb->Add(Line().get());
    auto hatch = RefPtr<CEntHatch>::Adopt(CEntHatch::Create(layer, cont, 1, hb.get(), nullptr, 1, 0, {}, 0));
    auto x = Block("X");
    x->Add(hatch.get());
    Blocks()->Add(x.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(x->CreateMemento());
    ASSERT_TRUE(x->Redefine({}, 0, CEntVectorCollection(Pnt().get())));
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), nullptr);
    x->SetMemento(snap.get());
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), hb.get());
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(hb.get()), 1u);
    EXPECT_THROW(Blocks()->Remove(hb.get()), CBrokenGraphException);
    EXPECT_TRUE(Blocks()->Remove(x.get()));
    EXPECT_FALSE(hb->IsInserted());
}

TEST_F(BlockTest, SnapshotThatWouldCloseACycleIsRefused)
{
    Chain();
    auto snapC = RefPtr<fnd::IMemento>::Adopt(c->CreateMemento());
    // C's snapshot is harmless; but give C an insert of A through a snapshot of another
    // block holding one: refused, C unchanged.
    auto tmp = Block("TMP");
    tmp->Add(Insert(a.get()).get());
    auto snapTmp = RefPtr<CBlockMemento>::Adopt(CBlockMemento::Create(tmp.get()));
    c->SetMemento(snapTmp.get());
    EXPECT_EQ(c->GetNoEnts(), 1u);
    EXPECT_EQ(c->GetName(), "C");
    c->SetMemento(snapC.get());
    EXPECT_EQ(c->GetNoEnts(), 1u);
}

// A test hatch block: one line per unit of scale, named as asked.
CBlock* MakeHatchBlock(const fnd::String& name, const HATCH_TYPE*, double scale, double,
                       const std::vector<PNT_3D>&, CData* data)
{
    if (scale <= 0)
        return nullptr;
    auto* b = CBlock::Create(name, {}, 1, 0);
    for (int i = 0; i < static_cast<int>(scale); ++i)
        b->Add(RefPtr<CEntLine>::Adopt(CEntLine::Create(GetLayer0(data), GetLtypeContinuous(data), 1,
                                                        {{0, double(i), 0}, {1, double(i), 0}}, 0)).get());
    return b;
}

TEST_F(BlockTest, HatchInsideABlockKeepsTheGraphRight)
{
    auto hb = RefPtr<CBlock>::Adopt(MakeHatchBlock("*PAT1", nullptr, 2, 0, {}, data.get()));
    const std::vector<PNT_3D> boundary{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    auto hatch = RefPtr<CEntHatch>::Adopt(CEntHatch::Create(layer, cont, 1, hb.get(), nullptr, 2, 0, boundary, 0));
    auto x = Block("X");
    x->Add(hatch.get());
    Blocks()->Add(x.get());
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), hb.get());
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(hb.get()), 1u);

    // Without a generator the redefinition fails and the old block stays.
    CEntHatch::SetBlockMaker(nullptr);
    EXPECT_FALSE(hatch->Redefine(data.get(), 3, 0, nullptr));
    EXPECT_EQ(hatch->GetBlock(), hb.get());
    CEntHatch::SetBlockMaker(&MakeHatchBlock);
    EXPECT_FALSE(hatch->Redefine(data.get(), 0, 0, nullptr));  // the generator cannot make it
    EXPECT_EQ(hatch->GetBlock(), hb.get());
    EXPECT_TRUE(hatch->Redefine(data.get(), 3, 0, nullptr));
    CBlock* nb = hatch->GetBlock();
    EXPECT_NE(nb, hb.get());
    EXPECT_EQ(nb->GetNoEnts(), 3u);
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), nb);
    EXPECT_FALSE(hb->IsInserted());
    EXPECT_EQ(Blocks()->GetBlockGraph().GetInDegree(nb), 1u);
    EXPECT_EQ(nb->GetInsertCount(), 1u);

    // Redefining X without the hatch lets the hatch block go.
    EXPECT_TRUE(x->Redefine({}, 0, CEntVectorCollection(Pnt().get())));
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), nullptr);
    EXPECT_TRUE(Blocks()->Remove(x.get()));
    CEntHatch::SetBlockMaker(nullptr);
}

TEST_F(BlockTest, HatchCloneHasABlockOfItsOwn)
{
    auto hb = RefPtr<CBlock>::Adopt(MakeHatchBlock("*PAT1", nullptr, 2, 0, {}, data.get()));
    auto hatch = RefPtr<CEntHatch>::Adopt(CEntHatch::Create(layer, cont, 1, hb.get(), nullptr, 2, 0.5, {{1, 1, 1}}, 0));
    AddEnt(data.get(), hatch.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(hatch->CreateMemento());
    auto copy = RefPtr<CEnt>::Adopt(hatch->Clone(data.get()));
    CEntHatch* h2 = CastHatch(copy.get());
    ASSERT_NE(h2, nullptr);
    EXPECT_NE(h2->GetBlock(), hb.get());
    EXPECT_EQ(h2->GetBlock()->GetName(), "*PAT2");
    EXPECT_EQ(h2->GetBlock()->GetNoEnts(), 2u);
    EXPECT_EQ(h2->GetHatchRotate(), 0.5);
    AddEnt(data.get(), h2);
    EXPECT_EQ(Blocks()->FindBlock("*PAT2"), h2->GetBlock());
    // Moving moves the block's lines and the boundary, not the insertion point.
    CEntMoveVisitor mv({1, 0, 0});
    hatch->Accept(mv);
    EXPECT_EQ(CastLine(hb->GetCollection().GetEnt(0))->GetLine().start, (PNT_3D{1, 0, 0}));
    EXPECT_EQ(hatch->GetPnt(0), (PNT_3D{2, 1, 1}));
    EXPECT_EQ(hatch->CEntInsert::GetPnt(), (PNT_3D{0, 0, 0}));
    EXPECT_TRUE(hatch->HasChanged(snap.get()));
    hatch->SetMemento(snap.get());
    EXPECT_FALSE(hatch->HasChanged(snap.get()));
    EXPECT_EQ(hatch->GetPnt(0), (PNT_3D{1, 1, 1}));
    RemoveEnt(data.get(), hatch.get());
    EXPECT_EQ(Blocks()->FindBlock("*PAT1"), nullptr);
}

TEST_F(BlockTest, FreeFunctionsOfBlocksAndEntities)
{
    EXPECT_EQ(GetBlockProgressiveName(Blocks(), "B"), "B1");
    auto p = RefPtr<CEntPnt>::Adopt(CreateEntPnt(data.get(), layer, cont, 3, {4, 4, 4}, 0));
    CEntVectorCollection ents(p.get());
    CBlock* b1 = AddNewBlock(data.get(), "B1", {1, 1, 1}, ents, 0, 0);
    ASSERT_NE(b1, nullptr);
    AddNewBlock(data.get(), "b2", {}, CEntVectorCollection(), 0, 0);
    EXPECT_EQ(GetBlockProgressiveName(Blocks(), "B"), "B3");
    EXPECT_EQ(FindBlock(data.get(), "b1"), b1);
    CData::CBlockIterator it(data.get(), true);
    EXPECT_EQ(it.GetNoBlocks(), 2u);
    EXPECT_EQ(it.GetNext(), b1);
    EXPECT_EQ(it.GetNext()->GetName(), "b2");
    EXPECT_EQ(it.GetNext(), nullptr);
    EXPECT_EQ(p->GetPnt(), (PNT_3D{3, 3, 3}));  // relative to the base point
    EXPECT_TRUE(p->IsInserted());
    auto copy = RefPtr<CEnt>::Adopt(CloneEnt(data.get(), p.get()));
    EXPECT_FALSE(copy->IsInserted());
    EXPECT_EQ(CastPnt(copy.get())->GetPnt(), (PNT_3D{3, 3, 3}));
    EXPECT_EQ(copy->GetHandle(), 0u);
    EXPECT_TRUE(RemoveBlock(data.get(), b1));
    EXPECT_FALSE(p->IsInserted());
}

// 100,000 nested blocks: every walk is iterative and linear.
TEST_F(BlockTest, DeepChainOfNestedBlocks)
{
    constexpr int kDepth = 100000;
    const auto start = std::chrono::steady_clock::now();
    RefPtr<CBlock> prev = Block("N0");
    prev->Add(Pnt().get());
    Blocks()->Add(prev.get());
    for (int i = 1; i < kDepth; ++i) {
        auto blk = Block(("N" + std::to_string(i)).c_str());
        blk->Add(Insert(prev.get()).get());
        Blocks()->Add(blk.get());
        prev = blk;
    }
    Names undep;
    Blocks()->GetBlockGraph().VisitUndep(undep);
    ASSERT_EQ(undep.seen.size(), static_cast<std::size_t>(kDepth));
    EXPECT_EQ(undep.seen.front(), "N0");
    // Redefining the bottom block to insert the top one is a cycle.
    auto loop = Insert(prev.get());
    EXPECT_FALSE(Blocks()->FindBlock("N0")->Redefine({}, 0, CEntVectorCollection(loop.get())));
    prev.reset();
    loop.reset();
    data.reset();  // the table lets the chain go top down
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(secs, 60.0);
}

}  // namespace
}  // namespace lumtest
