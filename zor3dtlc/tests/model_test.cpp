// The field book model: index operations, totals, owners, point sets,
// letter codes of old books and the reduction settings.
#include "LibCmp.h"
#include "test_util.h"

#include <LibConOri.h>
#include <fpstream.h>
#include <zor1inif.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class Book : public ::testing::Test {
protected:
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

// Builds jobs x stations x points named "J<j>", "S<j>.<i>", "P<j>.<i>.<k>".
void Fill(CLibCmp& lib, int jobs, int stations, int points)
{
    for (int j = 0; j < jobs; ++j) {
        const int jj = lib.GetJobArSize();
        lib.AddJob()->SetNome("J" + std::to_string(j));
        for (int i = 0; i < stations; ++i) {
            lib.AddSta(jj)->SetNome("S" + std::to_string(j) + "." + std::to_string(i));
            for (int k = 0; k < points; ++k)
                lib.AddPun(jj, i)->SetNome("P" + std::to_string(j) + "." + std::to_string(i) + "." +
                                           std::to_string(k));
        }
    }
}

TEST_F(Book, InsertAtCountAppendsBeyondIsNull)
{
    EXPECT_NE(lib.InsJobAt(0), nullptr);
    EXPECT_EQ(lib.InsJobAt(2), nullptr);   // count is 1
    EXPECT_NE(lib.InsJobAt(1), nullptr);
    EXPECT_EQ(lib.InsJobAt(-1), nullptr);
    EXPECT_NE(lib.InsStaAt(0, 0), nullptr);
    EXPECT_EQ(lib.InsStaAt(0, 2), nullptr);
    EXPECT_EQ(lib.InsStaAt(5, 0), nullptr);
    EXPECT_NE(lib.InsPunAt(0, 0, 0), nullptr);
    EXPECT_EQ(lib.InsPunAt(0, 0, 2), nullptr);
    EXPECT_EQ(lib.GetNuTotJob(), 2);
    EXPECT_EQ(lib.GetNuTotSta(), 1);
    EXPECT_EQ(lib.GetNuTotPun(), 1);
}

TEST_F(Book, OutOfRangeIndicesAreIgnored)
{
    Fill(lib, 1, 1, 1);
    struct Case {
        int j, i, k;
    };
    for (const Case& c : {Case{-1, 0, 0}, Case{1, 0, 0}, Case{0, -1, 0}, Case{0, 1, 0}, Case{0, 0, -1},
                          Case{0, 0, 1}}) {
        SCOPED_TRACE(std::to_string(c.j) + "," + std::to_string(c.i) + "," + std::to_string(c.k));
        EXPECT_EQ(lib.GetPunAt(c.j, c.i, c.k), nullptr);
        lib.DelPunAt(c.j, c.i, c.k);
        lib.PunSwap(c.j, c.i, c.k, 0);
    }
    EXPECT_EQ(lib.GetStaArSize(7), 0);
    EXPECT_EQ(lib.GetPunArSize(0, 7), 0);
    EXPECT_EQ(lib.AddSta(3), nullptr);
    EXPECT_EQ(lib.AddPun(0, 3), nullptr);
    lib.DelJobAt(4);
    lib.DelStaAt(0, 4);
    lib.JobSwap(0, 1);
    EXPECT_EQ(lib.GetPunArSize(0, 0), 1);
    EXPECT_EQ(lib.GetNuTotPun(), 1);
}

TEST_F(Book, DeletingJobZeroShiftsTheRestAndTheTotals)
{
    Fill(lib, 2, 2, 3);
    EXPECT_EQ(lib.GetNuTotJob(), 2);
    EXPECT_EQ(lib.GetNuTotSta(), 4);
    EXPECT_EQ(lib.GetNuTotPun(), 12);
    CJob* second = lib.GetJobAt(1);
    lib.DelJobAt(0);
    ASSERT_EQ(lib.GetJobArSize(), 1);
    EXPECT_EQ(lib.GetJobAt(0), second);
    EXPECT_EQ(lib.GetStaAt(0, 1)->GetNome(), "S1.1");
    EXPECT_EQ(lib.GetPunAt(0, 1, 2)->GetNome(), "P1.1.2");
    EXPECT_EQ(lib.GetNuTotJob(), 1);
    EXPECT_EQ(lib.GetNuTotSta(), 2);
    EXPECT_EQ(lib.GetNuTotPun(), 6);
}

TEST_F(Book, OwnersAndIndicesByIdentity)
{
    Fill(lib, 2, 3, 2);
    CSta* s = lib.GetStaAt(1, 2);
    EXPECT_EQ(s->GetJob(), lib.GetJobAt(1));
    int j = -1, i = -1, k = -1;
    ASSERT_TRUE(lib.GetIndiciDiSta(s, j, i));
    EXPECT_EQ(j, 1);
    EXPECT_EQ(i, 2);
    CPun* p = lib.GetPunAt(1, 2, 1);
    EXPECT_EQ(p->GetSta(), s);
    ASSERT_TRUE(lib.GetIndiciDiPun(p, j, i, k));
    EXPECT_EQ(k, 1);
    EXPECT_EQ(lib.GetPunAt(s, 1), p);
    EXPECT_EQ(lib.GetPunArSize(s), 2);

    // Swapping keeps the owners; indices follow the new positions.
    lib.StaSwap(1, 0, 2);
    ASSERT_TRUE(lib.GetIndiciDiSta(s, j, i));
    EXPECT_EQ(i, 0);
    EXPECT_EQ(s->GetJob(), lib.GetJobAt(1));

    // Items outside the book are not found.
    CJob temp;
    CSta outside(&temp);
    CPun loose(&outside);
    EXPECT_FALSE(lib.GetIndiciDiSta(&outside, j, i));
    EXPECT_FALSE(lib.GetIndiciDiSta(nullptr, j, i));
    EXPECT_FALSE(lib.GetIndiciDiPun(&loose, j, i, k));
    EXPECT_EQ(lib.GetPunArSize(&outside), -1);
    EXPECT_EQ(lib.AddPun(&outside), nullptr);
    EXPECT_EQ(lib.GetPunAt(&outside, 0), nullptr);

    lib.DelPunAt(p);
    EXPECT_EQ(lib.GetPunArSize(s), 1);
    lib.DelStaAt(s);
    EXPECT_EQ(lib.GetStaArSize(1), 2);
    EXPECT_EQ(lib.GetNuTotSta(), 5);
    EXPECT_EQ(lib.GetNuTotPun(), 10);
}

TEST_F(Book, PointSetsKeepEqualNamesAndForgetDeletedPoints)
{
    Fill(lib, 1, 1, 0);
    CSta* s = lib.GetStaAt(0, 0);
    CPun* a = lib.AddPun(0, 0);
    CPun* b = lib.AddPun(0, 0);
    CPun* c = lib.AddPun(0, 0);
    a->SetNome("10");
    b->SetNome("10");
    c->SetNome("09");
    for (CPun* p : {a, b, c})
        s->InsInPunSetNor(p);
    s->InsInPunSetSpc(a);
    EXPECT_EQ(s->GetPunSetNorSize(), 3u);
    EXPECT_EQ(*s->GetPunSetNorBegin(), c);   // "09" < "10"
    TPunSetItr it = s->GetPunSetNorLoBo(a);
    int sameName = 0;
    for (; it != s->GetPunSetNorUpBo(a); IncrPunItr(it))
        ++sameName;
    EXPECT_EQ(sameName, 2);

    // A point renamed after it was put in a set is still taken out on deletion.
    a->SetNome("zz");
    lib.DelPunAt(0, 0, 0);
    EXPECT_EQ(s->GetPunSetNorSize(), 2u);
    EXPECT_TRUE(s->GetPunSetSpcEmpty());
    for (TPunSetItr i = s->GetPunSetNorBegin(); i != s->GetPunSetNorEnd(); IncrPunItr(i))
        EXPECT_NE(*i, nullptr);
    lib.DelPunAt(0, 0, 0);   // b
    EXPECT_EQ(s->GetPunSetNorSize(), 1u);
    EXPECT_EQ(*s->GetPunSetNorBegin(), c);
}

TEST_F(Book, StateCodeRanges)
{
    struct Case {
        int code;
        bool orVld, orInv, orFisI, quVld, quInv, quFisI;
    };
    const Case cases[] = {
        {0, false, false, false, false, false, false}, {1, false, true, false, false, true, false},
        {2, false, true, false, false, true, false},   {3, false, true, false, true, false, false},
        {4, false, true, false, true, false, true},    {5, false, true, false, true, false, true},
        {6, true, false, false, true, false, true},    {7, true, false, false, true, false, false},
        {10, true, false, true, true, false, false},   {12, true, false, true, true, false, false},
        {13, true, false, true, false, false, false},  {14, true, false, false, false, false, false},
        {15, true, false, true, false, false, false},  {24, true, false, false, false, false, false},
        {25, false, false, false, false, false, false},
    };
    CSta s;
    EXPECT_EQ(s.GetStCdOr(), 1);
    EXPECT_EQ(s.GetStCdQu(), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        s.SetStCdOr(c.code);
        s.SetStCdQu(c.code);
        EXPECT_EQ(s.IsStCdOrVld(), c.orVld);
        EXPECT_EQ(s.IsStCdOrInv(), c.orInv);
        EXPECT_EQ(s.IsStCdOrFisI(), c.orFisI);
        EXPECT_EQ(s.IsStCdQuVld(), c.quVld);
        EXPECT_EQ(s.IsStCdQuInv(), c.quInv);
        EXPECT_EQ(s.IsStCdQuFisI(), c.quFisI);
    }
}

TEST(Model, NewItemsAndResets)
{
    CPun p;
    EXPECT_EQ(p.GetTipoDtInt(), DT_INT_NESSUNO);
    EXPECT_EQ(p.GetDato1(), 1.7e200);
    EXPECT_EQ(p.GetValLav16(1), 1);
    p.SetDtIntDsl(1, 2, 3);
    EXPECT_EQ(p.GetTipoDtInt(), DT_INT_DSL);
    p.SetDtIntXyz(4, 5, 6);
    EXPECT_EQ(p.GetTipoDtInt(), DT_INT_XYZ);
    EXPECT_EQ(p.GetDato2(), 6);
    p.SetDtIntAng(100, 99.5, 12);
    EXPECT_EQ(p.GetTipoDtInt(), DT_INT_ANG);
    p.SetCoordX(1);
    p.SetCoordY(2);
    p.CalcolaValiditaXYZ();
    EXPECT_TRUE(p.IsNoORQUPOandValidoXY());
    EXPECT_FALSE(p.IsNoORQUPOandValidoXYZ());
    p.SetCodeQU(true);
    EXPECT_FALSE(p.IsNoORQUPOandValidoXY());
    p.SetCode("Via");
    p.AnnullaTutteLeVar();
    EXPECT_EQ(p.GetCode(), "Via");   // texts survive every reset
    EXPECT_EQ(p.GetDato0(), 1.7e200);
    EXPECT_EQ(p.GetCodeEgn(), 0u);

    CJob job;
    job.SetLabels("N", "O", "S", "D");
    std::string n, o, s, d;
    job.GetLabels(&n, &o, &s, &d);
    EXPECT_EQ(n + o + s + d, "NOSD");
    job.SetStrProgr("P009");
    job.IncStrProgr();
    EXPECT_EQ(job.GetStrProgr(), "P010");
    EXPECT_FALSE(job.IsCdElabValid());
    job.SetCdElab(3);
    EXPECT_TRUE(job.IsCdElabValid());

    CSta st(&job);
    st.SetStrProgr("A1");
    st.IncStrProgr();
    EXPECT_EQ(st.GetStrProgr(), "A2");
    st.SetValLav(3, 9);
    CSta copy(st);
    EXPECT_EQ(copy.GetValLav(3), 9);
    EXPECT_EQ(copy.GetJob(), &job);
    st.AnnullaLeVarSta();
    EXPECT_EQ(st.GetAltStr(), 1.7e200);
    EXPECT_EQ(st.GetStrProgr(), "");
}

TEST_F(Book, OldLetterCodesAreStrippedFromEveryText)
{
    Fill(lib, 1, 1, 1);
    lib.GetStaAt(0, 0)->SetIden("OR.QU Stazione");
    lib.GetPunAt(0, 0, 0)->SetCode("PO Spigolo");
    lib.GetPunAt(0, 0, 0)->SetCodeEgn(0x40);
    COri* o = lib.AddOri();
    o->SetComm("qu Chiesa");
    lib.CancOldCodeAlfabet();
    EXPECT_EQ(lib.GetStaAt(0, 0)->GetIden(), "Stazione");
    EXPECT_EQ(lib.GetStaAt(0, 0)->GetCodeEgn(), 0u);   // code words untouched
    EXPECT_EQ(lib.GetPunAt(0, 0, 0)->GetCode(), "Spigolo");
    EXPECT_EQ(lib.GetPunAt(0, 0, 0)->GetCodeEgn(), 0x40u);
    EXPECT_EQ(o->GetComm(), "Chiesa");
}

TEST(CalcDsOr, SettingsDefaultsAndRoundTrip)
{
    testutil::ScopedIni ini;
    {
        CCalcDsOr c;
        EXPECT_FALSE(c.GetSferRifr());
        EXPECT_FALSE(c.GetRiduGeoi());
        EXPECT_FALSE(c.GetFattScal());
        EXPECT_EQ(c.GetIndcRifr(), 0.14);
        EXPECT_EQ(c.GetRaggTerr(), 6372500.0);
        EXPECT_EQ(c.GetQuotMedi(), 0.0);
        EXPECT_EQ(c.GetValScala(), 1.0);
        c.SetSferRifr(true);
        c.SetFattScal(true);
        c.SetIndcRifr(0.13);
        c.SetQuotMedi(250.5);
        c.SetValScala(0.9996);
        ASSERT_TRUE(c.SetInIni());
    }
    CCalcDsOr back;
    EXPECT_TRUE(back.GetSferRifr());
    EXPECT_FALSE(back.GetRiduGeoi());
    EXPECT_TRUE(back.GetFattScal());
    EXPECT_EQ(back.GetIndcRifr(), 0.13);
    EXPECT_EQ(back.GetQuotMedi(), 250.5);
    EXPECT_EQ(back.GetValScala(), 0.9996);
}

}  // namespace

namespace {

// A book of one station (AltStr 1.6) with three points:
//   0: slope 100, zenith 300 (face II), horizontal 50, target height 1.5
//   1: slope 20, zenith exactly 100, horizontal 10, target height invalid
//   2: slope 30, zenith 99, horizontal 399, target height 0
class Piano : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.AddJob()->SetCdElab(3);
        lib.AddSta(0)->SetAltStr(1.6);
        lib.AddPun(0, 0)->SetDtIntAng(100, 300, 50);
        lib.GetPunAt(0, 0, 0)->SetAltPri(1.5);
        lib.AddPun(0, 0)->SetDtIntAng(20, 100, 10);
        lib.AddPun(0, 0)->SetDtIntAng(30, 99, 399);
        lib.GetPunAt(0, 0, 2)->SetAltPri(0);
        lib.GetOpzLibCmp().CdElab = 5;
    }
    CPun* P(int k) { return lib.GetPunAt(0, 0, k); }
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

TEST_F(Piano, KeepingSlopeDistances)
{
    lib.GetOpzLibCmp().File2Do3D = true;
    bool changed = false, faceTwo = true;
    lib.ModDimens2d3d(changed, faceTwo);
    EXPECT_TRUE(changed);
    EXPECT_FALSE(faceTwo);
    EXPECT_EQ(lib.GetStaAt(0, 0)->GetAltStr(), 0.0);
    EXPECT_EQ(P(0)->GetDato0(), 100.0);   // distance untouched
    EXPECT_EQ(P(0)->GetDato1(), 100.0);
    EXPECT_EQ(P(0)->GetDato2(), 50.0);
    EXPECT_EQ(P(1)->GetAltPri(), 0.0);
    EXPECT_EQ(lib.GetOpzLibCmp().CdElab, 0);
    EXPECT_EQ(lib.GetJobAt(0)->GetCdElab(), 0);
    // A book that is plane already is left as it is.
    lib.GetJobAt(0)->SetCdElab(1);
    lib.ModDimens2d3d(changed, faceTwo);
    EXPECT_FALSE(changed);
    EXPECT_EQ(lib.GetJobAt(0)->GetCdElab(), 1);
}

TEST_F(Piano, ReducingToHorizontalDistances)
{
    lib.GetOpzLibCmp().File2Do3D = false;
    bool changed = false, faceTwo = false;
    lib.ModDimens2d3d(changed, faceTwo);
    EXPECT_TRUE(faceTwo);
    // Face II: zenith 300 -> 100, horizontal 50 -> 250; slope 100 at a zenith
    // of 100 gives 100 * sin(pi/2) = 100.
    EXPECT_EQ(P(0)->GetDato1(), 100.0);
    EXPECT_DOUBLE_EQ(P(0)->GetDato2(), 250.0);
    EXPECT_NEAR(P(0)->GetDato0(), 100.0, 1e-9);
    EXPECT_EQ(P(1)->GetDato0(), 20.0);   // zenith exactly 100: left so
    // Zenith 99: 30 * sin(99 gon) = 30 * 0.99987663 = 29.9962989 (hand computation).
    EXPECT_NEAR(P(2)->GetDato0(), 29.9962989, 1e-6);
    EXPECT_DOUBLE_EQ(P(2)->GetDato2(), 399.0);
    EXPECT_EQ(P(0)->GetAltPri(), 0.0);
    // The invalid target height of point 1 voids the processing.
    EXPECT_TRUE(changed);
    EXPECT_EQ(lib.GetOpzLibCmp().CdElab, 0);
    EXPECT_EQ(lib.GetJobAt(0)->GetCdElab(), 0);
}

TEST_F(Piano, ReducingWithValidHeightsKeepsProcessingValid)
{
    lib.GetOpzLibCmp().File2Do3D = false;
    P(1)->SetAltPri(1.2);
    bool changed = true, faceTwo = true;
    lib.ModDimens2d3d(changed, faceTwo);
    EXPECT_FALSE(changed);
    EXPECT_TRUE(faceTwo);
    EXPECT_EQ(lib.GetOpzLibCmp().CdElab, 1);
    EXPECT_EQ(lib.GetJobAt(0)->GetCdElab(), 1);
}

}  // namespace
