// Options of the field book: tolerances, book options and the five
// drawing-option sets, from the settings file and back.
#include "LibCmp.h"
#include "test_util.h"

#include <zor1inif.h>

#include <gtest/gtest.h>

namespace {

TEST(Opzioni, FreshBookWithEmptySettings)
{
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
    const COpzListDisEtp& d = lib.GetOpzListDisEtp();
    ASSERT_EQ(d.GetNuOpzNor(), 5);
    struct Case {
        const COpzDisEgn* set;
        const char* name;
        int16_t vis, col, tipo;
    };
    for (const Case& c : {Case{d.GetOpzSta(), "Stazioni", 1, 5, 3}, Case{d.GetOpzPun(), "Punti Dettaglio", 1, 3, 1},
                          Case{d.GetOpzPunOR(), "Punti Dett. OR", 0, 3, 1},
                          Case{d.GetOpzPunPO(), "Punti Dett. PO", 0, 3, 1},
                          Case{d.GetOpzOri(), "Punti di Orientamento", 0, 4, 6}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.set->GetNomeOpz(), c.name);
        EXPECT_EQ(c.set->GetIniKeyFull(), std::string("DIS-ETP_") + c.name);
        EXPECT_EQ(c.set->VisSimb, c.vis);
        EXPECT_EQ(c.set->ColSimb, c.col);
        EXPECT_EQ(c.set->ColQuot, c.col);
        EXPECT_EQ(c.set->TipoSimb, c.tipo);
        EXPECT_EQ(c.set->YPosQuot, -1.8);
        EXPECT_EQ(c.set->StiNome, "STANDARD");
    }
    EXPECT_EQ(d.ColLinee, 9);
    EXPECT_EQ(d.RapScala, 1000.0);
    EXPECT_EQ(d.GetComOpzList(), &d);

    const COpzElaToll& t = lib.GetOpzElaToll();
    const double expected[] = {0.01, 0.000001, 0.003, 6000, 0.01, 0.005, 0.005, 0.5, 0.05, 0.05, 1.0, 5.0, 0.01, 0.000001};
    const double got[] = {t.TlfPtDpDs, t.TlpPtDpDs, t.TlfPtDpAn, t.TolPoliDs, t.TolPoliAn, t.TlfPoliQu, t.TlpPoliQu,
                          t.TolCalcCs, t.TolCalcCp, t.TolCalcQu, t.AltMinPri, t.AltMaxPri, t.TlfPtDpQu, t.TlpPtDpQu};
    for (int i = 0; i < 14; ++i)
        EXPECT_DOUBLE_EQ(got[i], expected[i]) << i;
    EXPECT_TRUE(t.RicAutoOr);
    EXPECT_TRUE(lib.GetOpzLibCmp().File2Do3D);
    EXPECT_FALSE(lib.GetOpzLibCmp().CanCdAlfO);
    EXPECT_EQ(lib.GetOpzElaVarie().ValInt[15], 1);
    EXPECT_EQ(lib.GetOpzElaVarie().ValDbl[4], 1000.0);
}

TEST(Opzioni, TolerancesInSettingsUnits)
{
    testutil::ScopedIni ini;
    CIniFile().WriteDouble("OPZ-ELA", "TlfPtDpDs", 20);
    CIniFile().WriteDouble("OPZ-ELA", "TlpPtDpQu", 3);
    COpzElaToll t;
    EXPECT_DOUBLE_EQ(t.TlfPtDpDs, 0.02);       // 20 mm
    EXPECT_DOUBLE_EQ(t.TlpPtDpQu, 0.000003);   // 3 ppm
    t.TolPoliAn = 0.02;
    ASSERT_TRUE(t.SetInIni());
    CIniFile back;
    EXPECT_DOUBLE_EQ(back.GetDouble("OPZ-ELA", "TlfPtDpDs", 0), 20);
    EXPECT_DOUBLE_EQ(back.GetDouble("OPZ-ELA", "TolPoliAn", 0), 2);
    t.RisettaOpz();
    EXPECT_EQ(t.TlfPtDpDs, 0.01);
}

TEST(Opzioni, DrawingSetsReadTheirOwnSections)
{
    testutil::ScopedIni ini;
    {
        CIniFile f;
        f.WriteShort("DIS-ETP_Stazioni", "ColSimb", 7);
        f.WriteShort("DIS-ETP_Stazioni", "VisQuot", 0);
        f.WriteShort("DIS-ETP_Punti Dettaglio", "VisNome", 0);
        f.WriteShort("DIS-ETP_Punti di Orientamento", "VisSimb", 1);
        f.WriteBool("OPZ-VARIE", "File2Do3D", false);
    }
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
    COpzListDisEtp& d = lib.GetOpzListDisEtp();
    EXPECT_EQ(d.GetOpzSta()->ColSimb, 7);
    EXPECT_EQ(d.GetOpzSta()->ColNome, 5);
    EXPECT_EQ(d.GetOpzPun()->VisNome, 0);
    EXPECT_EQ(d.GetOpzOri()->VisSimb, 1);
    EXPECT_FALSE(lib.GetOpzLibCmp().File2Do3D);

    // Fixed defaults show everything of stations and detail points and hide
    // the symbols and labels of the other three sets, whatever the settings.
    d.SetOpzToDef(-1);
    for (const COpzDisEgn* s : {d.GetOpzSta(), d.GetOpzPun()}) {
        EXPECT_EQ(s->VisSimb + s->VisNome + s->VisDesc + s->VisQuot, 4);
    }
    for (const COpzDisEgn* s : {d.GetOpzPunOR(), d.GetOpzPunPO(), d.GetOpzOri()}) {
        EXPECT_EQ(s->VisSimb + s->VisNome + s->VisDesc + s->VisQuot, 0);
    }
    EXPECT_EQ(d.GetOpzSta()->ColSimb, 5);   // reset, not read

    CLibCmp fixed{nullptr, &ori, -1};
    EXPECT_EQ(fixed.GetOpzListDisEtp().GetOpzPun()->VisQuot, 1);
}

TEST(Opzioni, CopiesOfTheBookListKeepTheirClassesAndCommonList)
{
    testutil::ScopedIni ini;
    COpzListDisEtp a(nullptr);
    a.GetOpzOri()->ColSimb = 12;
    COpzListDisEtp b(a);
    EXPECT_EQ(b.GetComOpzList(), &b);
    EXPECT_EQ(b.GetOpzOri()->ColSimb, 12);
    // The copied sets keep their own resets.
    b.GetOpzOri()->RisettaOpz();
    EXPECT_EQ(b.GetOpzOri()->TipoSimb, 6);
    COpzListDisEtp& alias = b;
    b = alias;   // self-assignment
    EXPECT_EQ(b.GetNuOpzNor(), 5);
    COpzListDisEtp c(nullptr);
    c = a;
    EXPECT_EQ(c.GetComOpzList(), &c);
    EXPECT_EQ(c.GetOpzOri()->ColSimb, 12);

    COpzListDisEgn common(nullptr, "DIS-COM");
    COpzListDisEtp shared(&common);
    COpzListDisEtp copy(shared);
    EXPECT_EQ(copy.GetComOpzList(), &common);
}

TEST(Opzioni, BookOptionsSettings)
{
    testutil::ScopedIni ini;
    COpzLibCmp o;
    o.CanCdAlfO = true;
    o.WriFilSto = true;
    o.File2Do3D = false;
    ASSERT_TRUE(o.SetInIni());
    COpzLibCmp back;
    EXPECT_TRUE(back.CanCdAlfO);
    EXPECT_TRUE(back.WriFilSto);
    EXPECT_FALSE(back.File2Do3D);
    EXPECT_EQ(back.CdElab, 0);
}

}  // namespace
