// Entities: the change protocol, counts on layers and styles, 3-D faces, casts and visitors,
// moving, and entity snapshots.
#include "EntSupport.h"

#include "lum/core/EntMoveVisitor.h"
#include "lum/core/ModifyingEnt.h"

#include <algorithm>

#include <functional>

namespace lumtest {
namespace {

using Calls = std::vector<std::pair<std::string, const CEnt*>>;

class ChangeProtocol : public EntTest {};

// Which entity each change names, and whether anything is raised at all, by where the
// changed entity sits.
TEST_F(ChangeProtocol, NotificationsByPlacement)
{
    struct Case {
        const char* name;
        // Builds the situation; returns the entity to change and the one to be named (null:
        // nothing must be raised).
        std::function<std::pair<CEnt*, CEnt*>()> setup;
    };
    RefPtr<CEntAttdef> def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(
        layer, cont, 256, TEXT_3D("TAG", nullptr, 1, 0, 1, 0, {}, 0), "v", "p", 0, 0));
    std::vector<RefPtr<CEntLine>> keep;
    const std::vector<Case> cases = {
        {"line in model space",
         [&] {
             auto l = Line();
             AddEnt(data.get(), l.get());
             return std::pair<CEnt*, CEnt*>{l.get(), l.get()};
         }},
        {"line inside a block definition",
         [&] {
             auto b = Block("B1");
             auto l = Line();
             b->Add(l.get());
             Blocks()->Add(b.get());
             return std::pair<CEnt*, CEnt*>{l.get(), nullptr};
         }},
        {"attribute of an insert in model space",
         [&] {
             auto b = Block("B2");
             Blocks()->Add(b.get());
             auto ins = Insert(b.get());
             auto a = RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(def.get(), "1"));
             ins->Add(a.get());
             AddEnt(data.get(), ins.get());
             return std::pair<CEnt*, CEnt*>{a.get(), ins.get()};
         }},
        {"attribute of an insert inside a block definition",
         [&] {
             auto inner = Block("B3");
             Blocks()->Add(inner.get());
             auto ins = Insert(inner.get());
             auto a = RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(def.get(), "1"));
             ins->Add(a.get());
             auto outer = Block("B4");
             outer->Add(ins.get());
             Blocks()->Add(outer.get());
             return std::pair<CEnt*, CEnt*>{a.get(), nullptr};
         }},
        {"free entity",
         [&] {
             keep.push_back(Line());
             return std::pair<CEnt*, CEnt*>{keep.back().get(), nullptr};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [ent, named] = c.setup();
        EntLog& l = Listen();
        ent->SetColor(5);
        ent->SetThickness(2.0);
        if (named) {
            const Calls want = {{"M", named}, {"D", named}, {"M", named}, {"D", named}};
            EXPECT_EQ(l.Calls(), want);
            // Each setter is one batch of its own.
            ASSERT_EQ(l.log.size(), 8u);
            EXPECT_EQ(l.log.front().first, "begin");
            EXPECT_EQ(l.log[3].first, "end");
        } else {
            EXPECT_TRUE(l.log.empty());
        }
        EXPECT_EQ(ent->GetColor(), 5);
        log.reset();
    }
}

TEST_F(ChangeProtocol, GuardGroupsSeveralChangesIntoOnePair)
{
    auto l = Line();
    AddEnt(data.get(), l.get());
    EntLog& lg = Listen();
    {
        CModifyingEnt g(l.get());
        l->SetColor(3);
        l->SetLine({{0, 0, 0}, {5, 5, 5}});
    }
    // Inner setters raise their own pairs inside the outer one.
    const Calls calls = lg.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls.front(), (std::pair<std::string, const CEnt*>{"M", l.get()}));
    EXPECT_EQ(calls.back(), (std::pair<std::string, const CEnt*>{"D", l.get()}));
    EXPECT_EQ(std::count(lg.log.begin(), lg.log.end(), std::pair<std::string, const CEnt*>{"begin", nullptr}), 1);
}

TEST_F(EntTest, SetLayerMovesCountOnlyWhenInserted)
{
    auto p = Pnt();
    p->SetLayer(other);
    EXPECT_EQ(layer->GetEntities(), 0u);
    EXPECT_EQ(other->GetEntities(), 0u);
    AddEnt(data.get(), p.get());
    EXPECT_EQ(other->GetEntities(), 1u);
    const unsigned refsBefore = layer->GetReferences();
    p->SetLayer(layer);
    EXPECT_EQ(other->GetEntities(), 0u);
    EXPECT_EQ(layer->GetEntities(), 1u);
    EXPECT_EQ(layer->GetReferences(), refsBefore + 2);  // one held, one counted
    RemoveEnt(data.get(), p.get());
    EXPECT_EQ(layer->GetEntities(), 0u);
}

TEST_F(EntTest, ExtrusionIsNormalisedAndZeroIgnored)
{
    auto c = RefPtr<CEntCircle>::Adopt(CEntCircle::Create(layer, cont, 1, {{0, 0, 0}, 1}, 0));
    c->SetExtrusion({0, 0, 2});
    EXPECT_EQ(c->GetExtrusion(), (VECTOR_3D{0, 0, 1}));
    c->SetExtrusion({0, 0, 0});
    EXPECT_EQ(c->GetExtrusion(), (VECTOR_3D{0, 0, 1}));
    c->SetExtrusion({3, 0, 4});  // length 5
    EXPECT_EQ(c->GetExtrusion(), (VECTOR_3D{0.6, 0, 0.8}));
    EXPECT_TRUE(c->HasECS());
    // The two-argument form stores the extrusion as given.
    c->SetCircle({0, 0, 2}, {{1, 1, 1}, 2});
    EXPECT_EQ(c->GetExtrusion(), (VECTOR_3D{0, 0, 2}));
}

TEST_F(EntTest, FaceTriangularFlagAndEdges)
{
    const PNT_3D a{0, 0, 0}, b{1, 0, 0}, c{1, 1, 0}, d{0, 1, 0};
    const PNT_3D tri[4] = {a, b, c, c};
    auto f = RefPtr<CEnt3DFace>::Adopt(CEnt3DFace::Create(layer, cont, 1, tri, 0x1F, 0));
    EXPECT_TRUE(f->IsTriangular());
    EXPECT_EQ(f->GetFlags(), 0xFu);
    f->SetVertexPos(1, {5, 5, 5});  // index below 2: flag untouched
    EXPECT_TRUE(f->IsTriangular());
    f->SetVertexPos(3, d);
    EXPECT_FALSE(f->IsTriangular());
    const PNT_3D quad[4] = {a, b, c, d};
    f->Set3DFace(quad, 0x1F);
    EXPECT_EQ(f->GetFlags(), 0xFu);
    f->Set3DFace(quad, 0x5);
    EXPECT_FALSE(f->IsEdgeVisib(0));
    EXPECT_TRUE(f->IsEdgeVisib(1));
    fnd::geom::LINE_3D e3;
    f->GetLine(3, e3);  // the closing edge
    EXPECT_EQ(e3.start, d);
    EXPECT_EQ(e3.end, a);
    f->SetVertexes(tri);
    EXPECT_TRUE(f->IsTriangular());
    EXPECT_EQ(f->GetFlags(), 0x5u);
}

TEST_F(EntTest, CastsAndInheritVisitor)
{
    const TEXT_3D t("X", nullptr, 1, 0, 1, 0, {}, 0);
    auto text = RefPtr<CEntText>::Adopt(CEntText::Create(layer, cont, 1, t, 0));
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(layer, cont, 1, t, "d", "p", 0, 0));
    auto attr = RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(def.get(), "5"));
    auto line = Line();
    EXPECT_EQ(CastText(text.get()), text.get());
    EXPECT_EQ(CastText(def.get()), nullptr);
    EXPECT_EQ(CastText(attr.get()), nullptr);
    EXPECT_EQ(CastAttrib(attr.get()), attr.get());
    EXPECT_EQ(CastLine(line.get()), line.get());
    EXPECT_EQ(CastPnt(line.get()), nullptr);
    EXPECT_EQ(CastLine(nullptr), nullptr);

    struct TextCounter : IEntInheritVisitor {
        using IEntInheritVisitor::visit;
        int texts = 0;
        void visit(CEntText&) override { ++texts; }
    } v;
    text->Accept(v);
    def->Accept(v);
    attr->Accept(v);
    line->Accept(v);
    EXPECT_EQ(v.texts, 3);
}

TEST_F(EntTest, AttributeFromDefinition)
{
    const TEXT_3D t("NUM", nullptr, 2.5, 0, 1, 0.5, {1, 2, 0}, 0);
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(other, cont, 7, t, "0", "Numero?", 4, 0));
    def->SetThickness(0.25);
    auto a = RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(def.get(), "5"));
    EXPECT_EQ(a->GetTag(), "NUM");
    EXPECT_EQ(a->GetValue(), "5");
    EXPECT_EQ(a->GetFlags(), 4u);
    EXPECT_EQ(a->GetLayer(), other);
    EXPECT_EQ(a->GetColor(), 7);
    EXPECT_EQ(a->GetThickness(), 0.25);
    EXPECT_EQ(a->GetText().GetContext().GetHeight(), 2.5);
    EXPECT_EQ(a->GetText().GetPoint(), (PNT_3D{1, 2, 0}));
    EXPECT_EQ(a->GetModifiedEnt(), nullptr);  // free
}

TEST_F(EntTest, MovePointAndPlanarKinds)
{
    auto p = Pnt({1, 2, 3});
    AddEnt(data.get(), p.get());
    EntLog& l = Listen();
    CEntMoveVisitor mv({1, 1, 1});
    p->Accept(mv);
    EXPECT_EQ(p->GetPnt(), (PNT_3D{2, 3, 4}));
    EXPECT_EQ(l.Calls(), (Calls{{"M", p.get()}, {"D", p.get()}}));

    // A circle whose plane faces -z: its coordinate system has x = Wy x N = (-1, 0, 0)... the
    // world displacement (1, 0, 0) is -1 along its x axis.
    auto c = RefPtr<CEntCircle>::Adopt(CEntCircle::Create(layer, cont, 1, {{0, 0, 0}, 1}, 0));
    c->SetExtrusion({0, 0, -1});
    CEntMoveVisitor mx({1, 0, 0});
    c->Accept(mx);
    EXPECT_EQ(c->GetCircle().center, (PNT_3D{-1, 0, 0}));
}

TEST_F(EntTest, TextSettersMoveStyleCounts)
{
    CStyle* s1 = AddNewStyle(data.get(), "S1", nullptr, 0, 1, 0, 1, 0, 0);
    CStyle* s2 = AddNewStyle(data.get(), "S2", nullptr, 0, 1, 0, 1, 0, 0);
    TEXT_3D t("A", s1, 1, 0, 1, 0, {}, 0);
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(layer, cont, 1, t, "", "", 0, 0));
    EXPECT_EQ(s1->GetEntities(), 0u);  // free
    auto b = Block("WITHDEF");
    b->Add(def.get());
    EXPECT_EQ(b->GetFlags() & CBlock::kHasAttdefs, CBlock::kHasAttdefs);
    Blocks()->Add(b.get());
    EXPECT_EQ(s1->GetEntities(), 1u);
    t.SetStyle(s2);
    def->SetAttdef(t, "v", "p", 1);
    EXPECT_EQ(s1->GetEntities(), 0u);
    EXPECT_EQ(s2->GetEntities(), 1u);
    def->SetStyle(s1);
    EXPECT_EQ(s1->GetEntities(), 1u);
    EXPECT_EQ(s2->GetEntities(), 0u);
    Blocks()->Remove(b.get());
    EXPECT_EQ(s1->GetEntities(), 0u);
}

class EntMemento : public EntTest {};

TEST_F(EntMemento, LineRestoreNotifiesOnlyOutsideBlocks)
{
    auto l = Line();
    AddEnt(data.get(), l.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(l->CreateMemento());
    l->SetLine({{9, 9, 9}, {8, 8, 8}});
    l->SetUserData(42);
    EXPECT_TRUE(l->HasChanged(snap.get()));
    EntLog& lg = Listen();
    l->SetMemento(snap.get());
    EXPECT_EQ(lg.Calls(), (Calls{{"M", l.get()}, {"D", l.get()}}));
    EXPECT_FALSE(l->HasChanged(snap.get()));  // the user data is not compared
    EXPECT_EQ(l->GetLine().end, (PNT_3D{1, 0, 0}));

    auto inBlock = Line();
    auto b = Block("B");
    b->Add(inBlock.get());
    Blocks()->Add(b.get());
    auto s2 = RefPtr<fnd::IMemento>::Adopt(inBlock->CreateMemento());
    lg.log.clear();
    inBlock->SetMemento(s2.get());
    EXPECT_TRUE(lg.log.empty());
}

TEST_F(EntMemento, RestoreMovesLayerCountWhenInserted)
{
    auto l = Line();
    auto snap = RefPtr<fnd::IMemento>::Adopt(l->CreateMemento());  // on Wall
    l->SetLayer(other);
    l->SetMemento(snap.get());  // free: pointers only
    EXPECT_EQ(l->GetLayer(), layer);
    EXPECT_EQ(layer->GetEntities(), 0u);
    l->SetLayer(other);
    AddEnt(data.get(), l.get());
    EXPECT_EQ(other->GetEntities(), 1u);
    l->SetMemento(snap.get());
    EXPECT_EQ(other->GetEntities(), 0u);
    EXPECT_EQ(layer->GetEntities(), 1u);
}

TEST_F(EntMemento, WrongKindIsRefused)
{
    auto l = Line();
    auto p = Pnt();
    const TEXT_3D t("T", nullptr, 1, 0, 1, 0, {}, 0);
    auto text = RefPtr<CEntText>::Adopt(CEntText::Create(layer, cont, 1, t, 0));
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(layer, cont, 1, t, "", "", 0, 0));
    auto lineSnap = RefPtr<fnd::IMemento>::Adopt(l->CreateMemento());
    auto defSnap = RefPtr<fnd::IMemento>::Adopt(def->CreateMemento());
    const PNT_3D before = p->GetPnt();
    EXPECT_TRUE(p->HasChanged(lineSnap.get()));
    p->SetMemento(lineSnap.get());
    EXPECT_EQ(p->GetPnt(), before);
    // An attribute-definition snapshot is a text snapshot too, but not a text's.
    EXPECT_TRUE(text->HasChanged(defSnap.get()));
    text->SetMemento(defSnap.get());
    auto b = Block("B");
    auto blockSnap = RefPtr<fnd::IMemento>::Adopt(b->CreateMemento());
    EXPECT_TRUE(l->HasChanged(blockSnap.get()));
    l->SetMemento(blockSnap.get());
    EXPECT_TRUE(b->HasChanged(lineSnap.get()));
}

TEST_F(EntMemento, InsertAttributeValueChange)
{
    auto b = Block("B");
    Blocks()->Add(b.get());
    auto ins = Insert(b.get());
    const TEXT_3D t("TAG", nullptr, 1, 0, 1, 0, {}, 0);
    auto a = RefPtr<CEntAttrib>::Adopt(CEntAttrib::Create(layer, cont, 1, t, "TAG", 0, 0));
    ins->Add(a.get());
    AddEnt(data.get(), ins.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(ins->CreateMemento());
    EXPECT_FALSE(ins->HasChanged(snap.get()));
    a->SetValue("7");
    EXPECT_TRUE(ins->HasChanged(snap.get()));
    EntLog& lg = Listen();
    ins->SetMemento(snap.get());
    EXPECT_EQ(a->GetValue(), "TAG");
    EXPECT_EQ(a->GetEntSite(), static_cast<IEntSite*>(ins.get()));
    // The restore bracket and the nested one of the attribute both name the insert.
    for (const auto& c : lg.Calls())
        EXPECT_EQ(c.second, ins.get());
    EXPECT_EQ(lg.Calls().size(), 4u);
}

// An entity snapshot keeps the layer alive: erase, remove the layer, restore.
TEST_F(EntMemento, RestoreAfterEraseAndLayerRemoval)
{
    CLayer* temp = AddNewLayer(data.get(), "Temp", cont, 3, 0, 0);
    auto l = RefPtr<CEntLine>::Adopt(CEntLine::Create(temp, cont, 1, {{0, 0, 0}, {1, 1, 1}}, 0));
    AddEnt(data.get(), l.get());
    auto snap = RefPtr<fnd::IMemento>::Adopt(l->CreateMemento());
    l->SetLayer(layer);
    RemoveEnt(data.get(), l.get());
    EXPECT_TRUE(RemoveLayer(data.get(), "Temp"));
    l->SetMemento(snap.get());
    EXPECT_EQ(l->GetLayer()->GetName(), "Temp");
    EXPECT_EQ(FindLayer(data.get(), "Temp"), nullptr);
}

}  // namespace
}  // namespace lumtest

namespace lumtest {
namespace {

// Every kind: its code and class name, a copy that drops handle, site and selection, and a
// snapshot that the copy matches and that undoes a colour change.
TEST_F(EntTest, EveryKindCopiesAndRestores)
{
    auto blk = Block("K");
    const TEXT_3D t("T", nullptr, 1, 0, 1, 0, {}, 0);
    const PNT_3D quad[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    auto def = RefPtr<CEntAttdef>::Adopt(CEntAttdef::Create(layer, cont, 1, t, "v", "p", 2, 0));
    auto poly2 = RefPtr<CEntPolyline2D>::Adopt(CEntPolyline2D::Create(layer, cont, 1, 1.0, 0x12, 3, 0));
    poly2->AddCtrlPnt({0, 0});
    poly2->AddCtrlPnt({1, 0});
    poly2->AddCtrlPnt({1, 1});
    auto poly3 = RefPtr<CEntPolyline3D>::Adopt(CEntPolyline3D::Create(layer, cont, 1, 0, 0, 0));
    poly3->AddCtrlPnt({0, 0, 0});
    struct Kind {
        RefPtr<CEnt> ent;
        std::uint16_t code;
        const char* name;
    };
    std::vector<Kind> kinds = {
        {RefPtr<CEnt>(Pnt().get()), 1, "CEntPnt"},
        {RefPtr<CEnt>(Line().get()), 2, "CEntLine"},
        {RefPtr<CEnt>::Adopt(CEntCircle::Create(layer, cont, 1, {{1, 2, 3}, 4}, 0)), 3, "CEntCircle"},
        {RefPtr<CEnt>::Adopt(CEntArc::Create(layer, cont, 1, {{1, 2, 3}, 4, 0.5, 1.5}, 0)), 4, "CEntArc"},
        {RefPtr<CEnt>(poly3.get()), 5, "CEntPolyline3D"},
        {RefPtr<CEnt>::Adopt(CEntText::Create(layer, cont, 1, t, 0)), 6, "CEntText"},
        {RefPtr<CEnt>(def.get()), 7, "CEntAttdef"},
        {RefPtr<CEnt>(Insert(blk.get()).get()), 8, "CEntInsert"},
        {RefPtr<CEnt>::Adopt(CEntAttrib::Create(def.get(), "x")), 9, "CEntAttrib"},
        {RefPtr<CEnt>::Adopt(CEntHatch::Create(layer, cont, 1, blk.get(), nullptr, 1, 0, {{0, 0, 0}}, 0)), 10, "CEntHatch"},
        {RefPtr<CEnt>::Adopt(CEnt3DFace::Create(layer, cont, 1, quad, 3, 0)), 11, "CEnt3DFace"},
        {RefPtr<CEnt>(poly2.get()), 12, "CEntPolyline2D"},
        {RefPtr<CEnt>::Adopt(CEntEllipse::Create(layer, cont, 1, {{0, 0, 0}, {2, 0, 0}, 0.5, 0, 1}, 0)), 13, "CEntEllipse"},
    };
    for (Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        CEnt* e = k.ent.get();
        EXPECT_EQ(e->GetType(), k.code);
        EXPECT_EQ(e->ToString(), k.name);
        AddEnt(data.get(), e);
        e->Select(true);
        e->SetUserInfo(7, 8);
        auto copy = RefPtr<CEnt>::Adopt(e->Clone(data.get()));
        EXPECT_EQ(copy->GetHandle(), 0u);
        EXPECT_FALSE(copy->IsSelected());
        EXPECT_FALSE(copy->IsInserted());
        EXPECT_EQ(copy->GetUserData(), 8);
        EXPECT_EQ(copy->GetType(), k.code);
        auto snap = RefPtr<fnd::IMemento>::Adopt(e->CreateMemento());
        ASSERT_TRUE(snap);
        EXPECT_EQ(snap->ToString(), "IEntMemento");
        EXPECT_FALSE(e->HasChanged(snap.get()));
        if (k.code != 10) {  // a copied hatch has a block of its own
            EXPECT_FALSE(copy->HasChanged(snap.get()));
        }
        const std::uint16_t color = e->GetColor();
        e->SetColor(42);
        EXPECT_TRUE(e->HasChanged(snap.get()));
        e->SetMemento(snap.get());
        EXPECT_EQ(e->GetColor(), color);
        EXPECT_FALSE(e->HasChanged(snap.get()));
    }
}

}  // namespace
}  // namespace lumtest
