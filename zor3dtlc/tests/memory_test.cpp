// Station memories: lookups and updates, and what deleting items of the book
// does to them.
#include "LibCmp.h"
#include "book_fixture.h"
#include "test_util.h"

#include <gtest/gtest.h>

namespace {

class Memorie : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.AddJob();
        for (int i = 0; i < 2; ++i) {
            lib.AddSta(0);
            for (int k = 0; k < 3; ++k)
                lib.AddPun(0, i);
        }
    }
    CSta* S(int i) { return lib.GetStaAt(0, i); }
    CPun* P(int i, int k) { return lib.GetPunAt(0, i, k); }
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

TEST_F(Memorie, EdStaUpdatesTheEntryOfTheSameStation)
{
    CMemEdSta& m = *lib.GetMemEdSta();
    CMemEdSta::TInfEdStaOr e;
    e.Sta = S(0);
    e.Val[0] = 1;
    int i = -5;
    EXPECT_FALSE(m.ConfrontoOr(e, i));
    EXPECT_EQ(i, -1);
    EXPECT_FALSE(m.ConfrontaEtAggOr(e, i));
    EXPECT_EQ(i, 0);
    e.Val[0] = 2;
    EXPECT_TRUE(m.ConfrontaEtAggOr(e, i));
    EXPECT_EQ(m.GetNuArInfOr(), 1);
    EXPECT_EQ(m.GetInfStaOr(0)->Val[0], 2);
    CMemEdSta::TInfEdStaQu q;
    q.Sta = S(1);
    q.Val = 0.5;
    EXPECT_FALSE(m.ConfrontaEtAggQu(q, i));
    q.Val = 0.7;
    EXPECT_TRUE(m.ConfrontaEtAggQu(q, i));
    EXPECT_EQ(m.GetInfStaQu(0)->Val, 0.7);
    EXPECT_EQ(m.GetInfStaQu(1), nullptr);
    m.DelInfStaQu(0);
    m.DelInfStaQu(3);
    EXPECT_EQ(m.GetNuArInfQu(), 0);
}

TEST_F(Memorie, OrStaMatchesOnlyTheSamePointsInTheSameOrder)
{
    CMemOrSta& m = *lib.GetMemOrSta();
    CMemOrSta::TInfOrSta e;
    e.Sta = S(0);
    CMemOrSta::TInfCombPt c;
    c.Pun[0] = P(0, 0);
    c.Pun[1] = P(0, 1);
    c.Pun[2] = P(0, 2);
    c.Val = 1;
    e.Comb.push_back(c);
    int i = -1;
    EXPECT_FALSE(m.ConfrontaEtAgg(e, i));
    EXPECT_EQ(i, 0);
    CMemOrSta::TInfOrSta other = e;
    std::swap(other.Comb[0].Pun[0], other.Comb[0].Pun[2]);
    EXPECT_FALSE(m.Confronto(other, i));
    e.Comb[0].Val = 9;
    EXPECT_TRUE(m.ConfrontaEtAgg(e, i));
    EXPECT_EQ(m.GetCombPerSta(0, 0)->Val, 9);
    EXPECT_EQ(m.AddCombPerSta(0, c), 1);
    EXPECT_EQ(m.AddCombPerSta(4, c), -1);
    EXPECT_EQ(m.GetNuCombPerSta(0), 2);
    m.DelCombPerSta(0);
    EXPECT_EQ(m.GetNuCombPerSta(0), 0);
    EXPECT_EQ(m.GetCombPerSta(0, 0), nullptr);
}

TEST_F(Memorie, RoTraCreatesIterationsAndReplacesTheTail)
{
    CMemRoTra& m = *lib.GetMemRoTra();
    CMemRoTra::TInfSngRt e;
    e.Sta = {S(0)};
    e.Pun = P(0, 0);
    EXPECT_FALSE(m.ConfrontaEtAgg(3, 0, e));
    EXPECT_EQ(m.GetNuArInf(), 4);
    EXPECT_EQ(m.GetNuInfPerIter(3), 1);
    EXPECT_EQ(m.GetNuInfPerIter(0), 0);

    // Iteration 0 with three entries none of which matches: entries 1 and 2 go.
    for (int k = 0; k < 3; ++k) {
        CMemRoTra::TInfSngRt x;
        x.Sta = {S(1)};
        x.Val = k;
        ASSERT_FALSE(m.ConfrontaEtAgg(0, k, x));
    }
    ASSERT_EQ(m.GetNuInfPerIter(0), 3);
    EXPECT_FALSE(m.ConfrontaEtAgg(0, 1, e));
    ASSERT_EQ(m.GetNuInfPerIter(0), 2);
    EXPECT_EQ(m.GetInfSngRt(0, 0)->Val, 0);
    EXPECT_EQ(m.GetInfSngRt(0, 1)->Sta[0], S(0));

    // A match hands the remembered choices back.
    m.GetInfSngRt(0, 1)->Val = 5;
    m.GetInfSngRt(0, 1)->Flag = true;
    CMemRoTra::TInfSngRt again = e;
    again.Pun = P(1, 2);
    EXPECT_TRUE(m.ConfrontaEtAgg(0, 1, again));
    EXPECT_EQ(again.Val, 5);
    EXPECT_TRUE(again.Flag);
    EXPECT_EQ(m.GetInfSngRt(0, 1)->Pun, P(1, 2));
    EXPECT_FALSE(m.ConfrontaEtAgg(-1, 0, e));
    EXPECT_EQ(m.GetInfSngRt(9, 0), nullptr);
}

TEST_F(Memorie, DeletingItemsLeavesNoDanglingReference)
{
    CMemEdSta::TInfEdStaOr eo;
    eo.Sta = S(1);
    lib.GetMemEdSta()->AddArInfOr(eo);
    CMemOrSta::TInfOrSta os;
    os.Sta = S(0);
    CMemOrSta::TInfCombPt c;
    c.Pun[0] = P(0, 0);
    c.Pun[1] = P(1, 1);
    c.Pun[2] = P(0, 2);
    os.Comb.push_back(c);
    lib.GetMemOrSta()->AddArInf(os);
    CMemRoTra::TInfSngRt rt;
    rt.Sta = {S(0), S(1)};
    rt.Pun = P(1, 0);
    CMemRoTra::TInfElem el;
    el.Sta = S(1);
    el.Pun = P(0, 2);
    rt.Elem.push_back(el);
    lib.GetMemRoTra()->ConfrontaEtAgg(0, 0, rt);
    CSta* s0 = S(0);
    s0->InsInPunSetNor(P(0, 2));

    lib.DelPunAt(0, 0, 2);
    EXPECT_EQ(lib.GetMemOrSta()->GetCombPerSta(0, 0)->Pun[2], nullptr);
    EXPECT_EQ(lib.GetMemRoTra()->GetInfSngRt(0, 0)->Elem[0].Pun, nullptr);
    EXPECT_EQ(s0->GetPunSetNorSize(), 0u);
    lib.DelStaAt(0, 1);   // with its points
    EXPECT_EQ(lib.GetMemEdSta()->GetInfStaOr(0)->Sta, nullptr);
    EXPECT_EQ(lib.GetMemOrSta()->GetCombPerSta(0, 0)->Pun[1], nullptr);
    EXPECT_EQ(lib.GetMemRoTra()->GetInfSngRt(0, 0)->Sta[1], nullptr);
    EXPECT_EQ(lib.GetMemRoTra()->GetInfSngRt(0, 0)->Pun, nullptr);
    lib.DelJobAt(0);
    EXPECT_EQ(lib.GetMemOrSta()->GetInfSta(0)->Sta, nullptr);
    EXPECT_EQ(lib.GetMemOrSta()->GetCombPerSta(0, 0)->Pun[0], nullptr);
    EXPECT_EQ(lib.GetMemRoTra()->GetInfSngRt(0, 0)->Sta[0], nullptr);
    // Entries remain and save as references to nothing.
    EXPECT_EQ(lib.GetMemOrSta()->GetNuArInf(), 1);
    const std::string bytes = bookfix::Istantanea(lib);
    EXPECT_GT(bytes.size(), 100u);
}

}  // namespace
