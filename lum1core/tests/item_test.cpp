#include "TestSupport.h"

#include "lum/core/Colors.h"
#include "lum/core/FontTable.h"
#include "lum/core/ModifyingEnt.h"
#include "lum/core/Text3D.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace lumtest;

namespace {
constexpr double pi = std::numbers::pi;

class ItemTest : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        cont = GetLtypeContinuous(data.get());
        dashed = AddNewLtype(data.get(), "Dashed", "__ __", nullptr, 0, 0, 0);
        layer = AddNewLayer(data.get(), "Wall", cont, 1, 0, 0);
        style = AddNewStyle(data.get(), "Txt", nullptr, 0.0, 1.0, 0.0, 2.5, 0, 0);
    }
    // Puts one entity on the layer and linetype, so that their changes affect drawing.
    void Use(CLayer* l, CLtype* t)
    {
        auto e = RefPtr<TestEnt>::Adopt(TestEnt::Create(l, t));
        AddEnt(data.get(), e.get());
    }
    CLtype* cont = nullptr;
    CLtype* dashed = nullptr;
    CLayer* layer = nullptr;
    CStyle* style = nullptr;
};
}  // namespace

// Which change each setter reports: 4 = description, 5 = drawing, none = nothing.
TEST_F(ItemTest, LayerChangesAreDescriptionOrDrawing)
{
    struct Case {
        const char* what;
        bool inUse;
        std::function<void(CLayer*, CLtype*)> change;
        Log expected;
    };
    const Case cases[] = {
        {"rename only", true, [](CLayer* l, CLtype*) { l->SetLayer("Wall2", l->GetLtype(), 1, 0); },
         {"begin", "T3:Wall", "T4:Wall2", "end"}},
        {"colour, in use", true, [](CLayer* l, CLtype*) { l->SetColor(5); },
         {"begin", "T3:Wall", "T5:Wall", "end"}},
        {"colour, unused", false, [](CLayer* l, CLtype*) { l->SetColor(5); },
         {"begin", "T3:Wall", "T4:Wall", "end"}},
        {"linetype, in use", true, [](CLayer* l, CLtype* t) { l->SetLtype(t); },
         {"begin", "T3:Wall", "T5:Wall", "end"}},
        {"off, in use", true, [](CLayer* l, CLtype*) { l->SetOff(true); },
         {"begin", "T3:Wall", "T5:Wall", "end"}},
        {"off again", true, [](CLayer* l, CLtype*) { l->SetOff(false); }, {}},
        {"locked, in use", true, [](CLayer* l, CLtype*) { l->SetLocked(true); },
         {"begin", "T3:Wall", "T4:Wall", "end"}},
        {"same name", true, [](CLayer* l, CLtype*) { l->SetName("Wall"); }, {}},
        {"name case", true, [](CLayer* l, CLtype*) { l->SetName("WALL"); },
         {"begin", "T3:Wall", "T4:WALL", "end"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("c"));
        CLtype* t = AddNewLtype(d.get(), "T", "", nullptr, 0, 0, 0);
        CLayer* l = AddNewLayer(d.get(), "Wall", GetLtypeContinuous(d.get()), 1, 0, 0);
        if (c.inUse)
            AddEnt(d.get(), RefPtr<TestEnt>::Adopt(TestEnt::Create(l, t)).get());
        Recorder r;
        r.Attach(d->GetContextEvent());
        c.change(l, t);
        EXPECT_EQ(r.log, c.expected);
    }
}

TEST_F(ItemTest, LayerKeepsItsLinetypeCountsAndFlags)
{
    EXPECT_EQ(cont->GetLayers(), 2u);  // "0" and Wall
    layer->SetLtype(dashed);
    EXPECT_EQ(cont->GetLayers(), 1u);
    EXPECT_EQ(dashed->GetLayers(), 1u);
    auto freeLayer = RefPtr<CLayer>::Adopt(CLayer::Create("Free", cont, 1, 0xFFFF, 0));
    EXPECT_EQ(freeLayer->GetFlags(), 0x8085u);  // only the kept bits
    freeLayer->SetLtype(dashed);                   // free: no layer count moves
    EXPECT_EQ(dashed->GetLayers(), 1u);
    freeLayer->SetOff(false);
    freeLayer->SetFrozen(false);
    EXPECT_TRUE(freeLayer->IsLocked());
    EXPECT_TRUE(freeLayer->IsThawed());
    freeLayer->SetOff(true);
    EXPECT_FALSE(freeLayer->IsThawed());
    EXPECT_THROW(RefPtr<CLayer>::Adopt(CLayer::Create("C", cont, 0, 0, 0))->AssertValid(),
                 fnd::CVariableNotInitializedException);
    EXPECT_NO_THROW(layer->AssertValid());
    EXPECT_EQ(layer->ToString(), "Layer - Wall");
    auto copy = RefPtr<CLayer>::Adopt(CLayer::Create("wall", layer));
    EXPECT_TRUE(copy->Equals(layer));
}

TEST_F(ItemTest, EntitiesCountOnTheirItemsOnlyWhileInserted)
{
    auto e = RefPtr<TestEnt>::Adopt(TestEnt::Create(layer, dashed));
    EXPECT_EQ(layer->GetEntities(), 0u);
    Recorder& r = Record();
    AddEnt(data.get(), e.get());
    EXPECT_EQ(layer->GetEntities(), 1u);
    EXPECT_EQ(dashed->GetEntities(), 1u);
    EXPECT_EQ(e->GetEntSite(), GetMainEntTable(data.get()));
    AddEnt(data.get(), e.get());  // already inserted: nothing
    RemoveEnt(data.get(), e.get());
    RemoveEnt(data.get(), e.get());  // not a member any more: nothing
    EXPECT_EQ(layer->GetEntities(), 0u);
    EXPECT_EQ(e->GetReferences(), 1u);
    EXPECT_EQ(r.log, (Log{"begin", "E1:1", "end", "begin", "E2:1", "end"}));
}

TEST_F(ItemTest, CreatedEntsArrivesAfterTheEntityIsInserted)
{
    struct Check : IModifyingEntTargetEvent {
        bool inserted = false;
        unsigned calls = 0;
        void OnCreatedEnts(const CEntCollection& c) override
        {
            ++calls;
            inserted = c.GetEnt(0)->IsInserted();
        }
    } check;
    CModelTargetAdapter adapter(&check, nullptr);
    ctx->AttachTarget(&adapter);
    CEntVectorCollection batch;
    for (int i = 0; i < 3; ++i)
        batch.AddEnt(RefPtr<TestEnt>::Adopt(TestEnt::Create(layer, cont)).get());
    batch.AddEnt(batch.GetEnt(0));  // repeated: taken once
    AddEnts(data.get(), batch);
    ctx->DetachTarget(&adapter);
    EXPECT_EQ(check.calls, 1u);
    EXPECT_TRUE(check.inserted);
    EXPECT_EQ(GetMainEntTable(data.get())->GetNoEnts(), 3u);
    EXPECT_TRUE(HaveBeenEntsCreated(ctx) == false);  // the batch is over
    RemoveEnts(data.get(), GetMainEntCollection(data.get()));
    EXPECT_EQ(layer->GetEntities(), 0u);
}

TEST_F(ItemTest, LinetypeDashes)
{
    CLtypeComplexDashSeq seq;
    seq.AddDashDouble(0.5);
    seq.AddDashDouble(-0.25);
    seq.AddDashDouble(0.0);
    // 0.5 + 0.25 + 0 = 0.75
    EXPECT_DOUBLE_EQ(seq.GetPatternLen(), 0.75);
    EXPECT_DOUBLE_EQ(seq.GetMaxDash(), 0.5);
    EXPECT_TRUE(seq.HasLines());
    EXPECT_FALSE(seq.HasText());
    seq.InsertDashText(1, TEXT_3D("GAS", style, 0.1, 0, 1, pi / 2, {-0.1, -0.05, 0}, 0));
    EXPECT_TRUE(seq.HasText());
    EXPECT_EQ(style->GetNoLtype(), 1u);
    CLtypeComplexDashSeq copy = seq;
    EXPECT_TRUE(copy == seq);
    EXPECT_EQ(style->GetNoLtype(), 2u);  // each text dash holds the style
    EXPECT_TRUE(copy.Get(1)->IsText());
    EXPECT_EQ(copy.Get(1)->GetText()->GetContext().GetString(), "GAS");
    EXPECT_EQ(copy.Get(9), nullptr);
    EXPECT_FALSE(copy.RemoveDash(9));
    EXPECT_TRUE(copy.RemoveDash(0));
    EXPECT_FALSE(copy.HasLines());  // only the gap, the dot and the text remain
    EXPECT_DOUBLE_EQ(copy.GetPatternLen(), 0.25);
    EXPECT_FALSE(copy == seq);
    copy.ClearDashes();
    EXPECT_EQ(style->GetNoLtype(), 1u);

    Recorder& r = Record();
    dashed->AddDashDouble(1.0);  // unused linetype: a description change
    Use(layer, dashed);
    r.Clear();
    dashed->AddDashDouble(-1.0);
    EXPECT_EQ(r.log, (Log{"begin", "T3:Dashed", "T5:Dashed", "end"}));
    EXPECT_DOUBLE_EQ(dashed->GetPatternLen(), 2.0);
    const double dd[] = {0.5, -0.25};
    CLtype* l2 = AddNewLtype(data.get(), "D2", "x", dd, 2, 0, 0);
    EXPECT_EQ(l2->GetNoDashes(), 2u);
    EXPECT_DOUBLE_EQ(l2->GetPatternLen(), 0.75);
    EXPECT_EQ(l2->ToString(), "Ltype - D2");
    l2->Copy(dashed);
    EXPECT_EQ(l2->GetDesc(), "__ __");
    EXPECT_EQ(l2->GetName(), "D2");
    EXPECT_TRUE(l2->GetDashSeq() == dashed->GetDashSeq());
}

TEST_F(ItemTest, StyleChanges)
{
    Use(layer, cont);
    struct Case { const char* what; std::function<void(CStyle*)> change; Log expected; };
    const Case cases[] = {
        {"fixed height", [](CStyle* s) { s->SetFixedHeight(2); }, {"begin", "T3:Txt", "T4:Txt", "end"}},
        {"bold", [](CStyle* s) { s->SetBold(true); }, {"begin", "T3:Txt", "T4:Txt", "end"}},
        {"bold again", [](CStyle* s) { s->SetBold(true); }, {}},
        {"horizontal again", [](CStyle* s) { s->SetHoriz(true); }, {}},
        {"last height", [](CStyle* s) { s->UpdateLastHeight(3); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder r;
        r.Attach(ctx);
        c.change(style);
        EXPECT_EQ(r.log, c.expected);
    }
    // Fixed height 2 now: the last height stays.
    EXPECT_DOUBLE_EQ(style->GetLastHeight(), 2.5);
    style->SetFixedHeight(0);
    style->UpdateLastHeight(3);
    EXPECT_DOUBLE_EQ(style->GetLastHeight(), 3.0);
    EXPECT_TRUE(style->IsBold());
    style->SetHoriz(false);
    EXPECT_FALSE(style->IsHoriz());
    style->SetStyle("Txt", nullptr, 0, 1, 0, 2.5, 0x200);
    EXPECT_EQ(style->GetFlags(), 0x200u);  // the kept bits are replaced
    EXPECT_TRUE(style->IsItalic());
    EXPECT_NO_THROW(style->AssertValid());
    auto bad = RefPtr<CStyle>::Adopt(CStyle::Create("B", nullptr, std::nan(""), 1, 0, 0, 0, 0));
    EXPECT_THROW(bad->AssertValid(), fnd::CVariableNotInitializedException);
    EXPECT_TRUE(RefPtr<CStyle>::Adopt(CStyle::Create("txt", style))->Equals(style));
}

TEST(Text, AngleNormalisation)
{
    struct Case { double in, oblique; };
    const Case obl[] = {
        {3 * pi / 4, -pi / 4}, {pi / 2, pi / 2}, {-pi / 4, -pi / 4}, {0.0, 0.0},
        {pi, 0.0}, {-pi, 0.0}, {1e300, NormalizeOblique(1e300)}, {5 * pi / 4, pi / 4},
    };
    for (const auto& c : obl)
        EXPECT_NEAR(NormalizeOblique(c.in), c.oblique, 1e-15) << c.in;
    EXPECT_LE(std::fabs(NormalizeOblique(1e300)), pi / 2);  // huge angles end at once
    EXPECT_EQ(NormalizeOblique(std::nan("")), 0.0);

    CTextContext t;
    struct RCase { double in, out; };
    const RCase rot[] = {{-pi / 2, 3 * pi / 2}, {4 * pi, 0.0}, {2 * pi, 0.0}, {7.0, 7.0 - 2 * pi},
                         {-1e-300, 0.0}};
    for (const auto& c : rot) {
        t.SetRotate(c.in);
        EXPECT_NEAR(t.GetRotate(), c.out, 1e-15) << c.in;
        EXPECT_GE(t.GetRotate(), 0.0);
        EXPECT_LT(t.GetRotate(), 2 * pi);
    }
    t.SetRotate(1e300);
    EXPECT_LT(t.GetRotate(), 2 * pi);
    // The constructors keep the rotation as given but normalise the obliquing.
    TEXT_3D x("a", nullptr, 1, 3 * pi / 4, 1, 9.0, {}, 0);
    EXPECT_EQ(x.GetContext().GetRotate(), 9.0);
    EXPECT_NEAR(x.GetContext().GetOblique(), -pi / 4, 1e-15);
}

TEST(Text, Alignment)
{
    EXPECT_EQ(TEXT_3D::FindAlign(1, 2), 7u);
    EXPECT_STREQ(TEXT_3D::GetAlignName(7), "Middle center");
    EXPECT_EQ(TEXT_3D::FindAlign(3, 0), 0u);
    EXPECT_STREQ(TEXT_3D::GetAlignName(12), "");
    TEXT_3D t("a", nullptr, 1, 0, 1, 0, {}, 9);
    t.SetHorizAlign(2);
    EXPECT_EQ(t.GetAlign(), 11u);
    EXPECT_STREQ(TEXT_3D::GetAlignName(t.GetAlign()), "Bottom right");
    t.SetVertAlign(3);
    EXPECT_EQ(t.GetAlign(), 5u);
    t.SetAlign(40);
    EXPECT_EQ(t.GetAlign(), 0u);
    t.scale({1, 1, 0}, 2.0);  // (0,0,0) about (1,1,0) doubled: (-1,-1,0)
    EXPECT_EQ(t.GetPoint(), (fnd::geom::PNT_3D{-1, -1, 0}));
    EXPECT_DOUBLE_EQ(t.GetContext().GetHeight(), 2.0);
}

TEST(Colors, NamesFromTheStringTable)
{
    CColors& c = CColors::GetInstance();
    EXPECT_EQ(c[0], "DABLOCCO");
    EXPECT_EQ(c[1], "Rosso");
    EXPECT_EQ(c[3], "Verde");
    EXPECT_EQ(c[7], "Bianco");
    EXPECT_EQ(c[256], "DAPIANO");
    EXPECT_EQ(c[12], "12");
    EXPECT_EQ(c[257], "");
    EXPECT_EQ(c[100000], "");
    shutdownCore();
    EXPECT_EQ(CColors::GetInstance()[5], "Blu");
    shutdownCore();
}

namespace {
int g_fontsAlive = 0;
class FakeFont : public ICADFont {
public:
    explicit FakeFont(const char* name) : ICADFont(name) { ++g_fontsAlive; }
    ~FakeFont() override { --g_fontsAlive; }
    int GetCellHeight() const override { return 10; }
    int GetReserved() const override { return 0; }
    int GetDescent() const override { return 2; }
    int MeasureText(const char*, bool, bool, bool, int& w, int& t, int& b) const override
    {
        w = 5; t = 8; b = -2;
        return 0;
    }
};
}  // namespace

TEST(FontTable, OwnsFontsAndGivesTheDefault)
{
    initCore();
    CFontTable& t = CFontTable::GetInstance();
    auto* a = new FakeFont("Arial");
    auto* s = new FakeFont("Simplex");
    t.Add(a);
    t.Add(s);
    t.Add(a);        // held already: ignored, never deleted twice
    t.Add(nullptr);
    t.SetDefault(s);
    EXPECT_EQ(t.Size(), 2u);
    EXPECT_EQ(t[1], s);
    EXPECT_EQ(t[2], nullptr);
    EXPECT_EQ(t.Get("Arial", false), a);
    EXPECT_EQ(t.Get("ARIAL", false), nullptr);  // exact names
    EXPECT_EQ(t.Get("ARIAL", true), s);
    {
        auto d = RefPtr<CData>::Adopt(CDataFactory().CreateData("f"));
        EXPECT_EQ(GetStyleStandard(d.get())->GetFont(), s);
    }
    shutdownCore();
    EXPECT_EQ(g_fontsAlive, 0);
    EXPECT_EQ(CFontTable::GetInstance().Size(), 0u);
    EXPECT_EQ(CFontTable::GetInstance().GetDefault(), nullptr);
    shutdownCore();
}

TEST_F(ItemTest, CoordinateSystems)
{
    CUcsTable* t = GetMainUcsTable(data.get());
    auto u = RefPtr<CUcs>::Adopt(data->GetUcsFactory()->Create("U", {1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, 0xFFFF));
    EXPECT_EQ(u->GetFlags(), 0x8000u);
    EXPECT_TRUE(t->Add(u.get()));
    EXPECT_EQ(u->GetRefSys().GetZAxis(), (fnd::geom::VECTOR_3D{0, 0, 1}));
    auto v = RefPtr<CUcs>::Adopt(CUcs::Create("u", u.get()));
    EXPECT_TRUE(v->Equals(u.get()));  // names ignoring case, flags, coordinates
    EXPECT_EQ(v->GetFlags(), u->GetFlags());
    EXPECT_EQ(v->GetRefSys(), u->GetRefSys());
    EXPECT_EQ(u->ToString(), "Ucs - U");
    EXPECT_EQ(u->GetType(), 5);
}

TEST_F(ItemTest, EntityChangeProtocolNamesTheEntityOnceAndSurvivesExceptions)
{
    auto e = RefPtr<TestEnt>::Adopt(TestEnt::Create(layer, cont));
    Recorder& r = Record();
    { CModifyingEnt free(e.get()); }  // free: nothing
    { CModifyingEnt none(nullptr); }
    AddEnt(data.get(), e.get());
    r.Clear();
    try {
        CModifyingEnt change(e.get());
        CModifyingEnt nested(e.get());
        throw fnd::IException("stop");
    } catch (const fnd::IException&) {
    }
    EXPECT_EQ(ctx->GetDepth(), 0u);
    EXPECT_EQ(r.log, (Log{"begin", "E3:1", "E3:1", "E4:1", "E4:1", "end"}));
}

TEST_F(ItemTest, ExternalReferenceNamesAndCountLimits)
{
    struct XRefDrawing : IDrawing {
        XRefDrawing(CData* d, IHandleGestor* g) : IDrawing(d, "Site", g) {}
        bool IsXRef() const override { return true; }
        String ToString() const override { return "XRefDrawing"; }
    };
    auto x = RefPtr<XRefDrawing>::Adopt(new XRefDrawing(data.get(), data->GetMainDrawing()->GetHandleGestor()));
    auto l = RefPtr<CLayer>::Adopt(CLayer::Create("Wall", cont, 1, 0, 0));
    x->GetLayerTable()->Add(l.get());
    EXPECT_TRUE(l->IsXRef());
    EXPECT_EQ(l->GetFullName(), "Site|Wall");
    String prefix, name;
    EXPECT_TRUE(ScomposeName(l->GetFullName(), prefix, name));
    EXPECT_EQ(name, "Wall");
    EXPECT_EQ(layer->GetFullName(), "Wall");
    EXPECT_FALSE(layer->IsXRef());

    // A linetype used by 1001 layers breaks its invariant.
    for (int i = 0; i < 1000; ++i)
        AddNewLayer(data.get(), ("N" + std::to_string(i)).c_str(), dashed, 1, 0, 0);
    EXPECT_EQ(dashed->GetLayers(), 1000u);
    EXPECT_NO_THROW(dashed->AssertValid());
    AddNewLayer(data.get(), "Last", dashed, 1, 0, 0);
    EXPECT_THROW(dashed->AssertValid(), fnd::CVariableNotInitializedException);
}
