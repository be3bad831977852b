// The field-book file: round trips at the current version, fixtures of every
// version threshold built by tests/data/make_fixtures.py, the load flags,
// appending, and damaged files.
#include "book_fixture.h"

#include <fpstream.h>
#include <zor1inif.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

using testutil::DataPath;
using testutil::ReadAll;
using testutil::ScopedIni;
using testutil::TempFile;

namespace {

constexpr double INV = 1.7e200;
const char* const kOcmFixture = "C:\\rilievo\\CommonPtFile.qdc";

struct Libro {
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

// Reads a whole book file held in memory.
bool LeggeBytes(CLibCmp& lib, const std::string& bytes, bool opt = true, bool data = true, uint64_t* rest = nullptr)
{
    ifpstream in;
    in.OpenBytes(bytes);
    if (!in.ReadTagAndVersion())
        return false;
    const bool ok = lib.LeggeDaFile(in, opt, data, in.GetVersion());
    if (rest)
        *rest = in.Remaining();
    return ok;
}

TEST(LibroFile, EmptyBookMatchesTheFixtureScript)
{
    ScopedIni ini;
    Libro b;
    b.lib.SetNomeFileOcm(kOcmFixture);
    const std::string fixture = ReadAll(DataPath("empty_720.lib"));
    ASSERT_FALSE(fixture.empty());
    const std::string ours = bookfix::Istantanea(b.lib);
    EXPECT_EQ(ours.size(), fixture.size());
    EXPECT_TRUE(ours == fixture);
}

TEST(LibroFile, WriteReadWriteGivesIdenticalBytes)
{
    ScopedIni ini;
    for (bool filled : {false, true}) {
        SCOPED_TRACE(filled ? "filled" : "empty");
        Libro a;
        if (filled)
            bookfix::Riempi(a.lib);
        const std::string first = bookfix::Istantanea(a.lib);
        Libro b;
        uint64_t rest = 99;
        ASSERT_TRUE(LeggeBytes(b.lib, first, true, true, &rest));
        EXPECT_EQ(rest, 0u);
        EXPECT_TRUE(bookfix::Istantanea(b.lib) == first);
        if (filled) {
            EXPECT_EQ(b.lib.GetNuTotJob(), 3);
            EXPECT_EQ(b.lib.GetNuTotSta(), 9);
            EXPECT_EQ(b.lib.GetNuTotPun(), 27);
            EXPECT_EQ(b.lib.GetOriAt(1)->GetAttendib(), 4);
            EXPECT_EQ(b.lib.GetJobAt(0)->GetLocalita(), "Località è");
            EXPECT_EQ(b.lib.GetMemRoTra()->GetNuArInf(), 2);
            EXPECT_EQ(b.lib.GetMemRoTra()->GetInfSngRt(1, 0)->Pun, b.lib.GetPunAt(2, 2, 2));
        }
    }
}

TEST(LibroFile, TheBookBaseSavesAndReadsTheWholeBlock)
{
    ScopedIni ini;
    Libro a;
    bookfix::Riempi(a.lib);
    TempFile f("base");
    {
        ofpstream out(f.path(), 720, TAG_LIBRO);
        out.WriteTagAndVersion();
        CLibGen& base = a.lib;
        ASSERT_TRUE(base.SalvaInFile(out, 720));
    }
    EXPECT_TRUE(ReadAll(f.path()) == bookfix::Istantanea(a.lib));
    Libro b;
    ifpstream in(f.path());
    ASSERT_TRUE(in.ReadTagAndVersion());
    CLibGen& base = b.lib;
    ASSERT_TRUE(base.LeggeDaFile(in, in.GetVersion()));
    EXPECT_EQ(b.lib.GetNuTotPun(), 27);
    EXPECT_FALSE(base.LeggeDaFile(in, in.GetVersion()));   // nothing left to read
    EXPECT_EQ(b.lib.GetNuTotPun(), 27);
}

TEST(LibroFile, SaveAndLoadThroughFiles)
{
    ScopedIni ini;
    Libro a;
    bookfix::Riempi(a.lib);
    TempFile f("libro");
    TEsitoLibro esito;
    ASSERT_TRUE(SalvaLibroInFile(a.lib, f.path(), &esito));
    Libro b;
    ASSERT_TRUE(LeggeLibroDaFile(b.lib, f.path(), &esito)) << esito.Errore;
    EXPECT_EQ(esito.Versione, 720);
    EXPECT_EQ(esito.ByteAvanzati, 0u);
    EXPECT_EQ(b.lib.GetPunArSize(2, 3), 3);

    // A save into a folder that does not exist fails and says so.
    EXPECT_FALSE(SalvaLibroInFile(a.lib, "/nessuna/cartella/libro.lib", &esito));
    EXPECT_FALSE(esito.Errore.empty());
    // Files that are not books are refused with the book unchanged.
    const std::string before = bookfix::Istantanea(b.lib);
    TempFile other("altro");
    testutil::WriteAll(other.path(), std::string("\x3A\x01\x01\x00\x00\x03\x00\x00\x00QDC\xD0\x02", 14));
    EXPECT_FALSE(LeggeLibroDaFile(b.lib, other.path(), &esito));
    EXPECT_FALSE(LeggeLibroDaFile(b.lib, "/nessun/file.lib", &esito));
    EXPECT_TRUE(bookfix::Istantanea(b.lib) == before);
}

// ---- fixtures of every version threshold ---------------------------------------

class Fixture : public ::testing::TestWithParam<int> {};

TEST_P(Fixture, ReadsToTheValuesTheScriptWrote)
{
    const int v = GetParam();
    ScopedIni ini;
    Libro b;
    b.lib.SetNomeFileOcm("prima.qdc");
    TEsitoLibro esito;
    ASSERT_TRUE(LeggeLibroDaFile(b.lib, DataPath("book_" + std::to_string(v) + ".lib"), &esito)) << esito.Errore;
    EXPECT_EQ(esito.Versione, v);
    EXPECT_EQ(esito.ByteAvanzati, 0u);
    CLibCmp& lib = b.lib;
    EXPECT_EQ(lib.GetVersione(), v);

    // Data
    ASSERT_EQ(lib.GetJobArSize(), 2);
    EXPECT_EQ(lib.GetNuTotJob(), 2);
    EXPECT_EQ(lib.GetNuTotSta(), 2);
    EXPECT_EQ(lib.GetNuTotPun(), 2);
    const CJob* j0 = lib.GetJobAt(0);
    EXPECT_EQ(j0->GetNome(), "Rilievo A");
    EXPECT_EQ(j0->GetOper(), "Rossi");
    EXPECT_EQ(j0->GetData(), "2024-05-02");
    EXPECT_EQ(j0->GetLocalita(), v >= 715 ? "Bologna" : "");
    EXPECT_EQ(j0->GetStrProgr(), v >= 715 ? "P003" : "");
    EXPECT_EQ(j0->GetCdElab(), v >= 670 ? 3 : 1);   // below 670 the book's state
    EXPECT_EQ(j0->GetFlagOld(), v < 670);

    const CSta* s1 = lib.GetStaAt(0, 0);
    ASSERT_NE(s1, nullptr);
    EXPECT_EQ(s1->GetNome(), "S1");
    EXPECT_EQ(s1->GetIden(), v < 710 ? "OR.QU Stazione uno" : "Stazione uno");   // not stripped unless asked
    EXPECT_EQ(s1->GetCodeEgn(), 0x3u);   // below 603 taken from the letters
    EXPECT_EQ(s1->GetVldtEgn(), 3);
    EXPECT_EQ(s1->GetCoordY(), 2000.0);
    EXPECT_EQ(s1->GetAltStr(), 1.55);
    EXPECT_EQ(s1->GetAnCoAz(), 12.3456);
    EXPECT_EQ(s1->GetValRif(2), v >= 690 ? 3.0 : INV);
    EXPECT_EQ(s1->GetStrProgr(), v >= 715 ? "S001" : "");
    EXPECT_EQ(s1->GetNote(), v >= 715 ? "nota" : "");
    EXPECT_EQ(s1->GetDifRotS3(), v >= 715 ? 3.0f : 0.0f);
    EXPECT_EQ(s1->GetShiftS1x(), 0.5f);
    EXPECT_FALSE(s1->EstDupp());
    EXPECT_TRUE(lib.GetStaAt(1, 0)->EstDupp());

    const CPun* p101 = lib.GetPunAt(0, 0, 0);
    const CPun* p102 = lib.GetPunAt(0, 0, 1);
    ASSERT_NE(p102, nullptr);
    EXPECT_EQ(p101->GetNome(), "101");
    EXPECT_EQ(p101->GetCode(), v < 710 ? "PO Spigolo" : "Spigolo");
    EXPECT_EQ(p101->GetCodeEgn(), 0x4u);
    EXPECT_EQ(p101->GetTipoDtInt(), DT_INT_ANG);
    EXPECT_EQ(p101->GetDato0(), 123.456);
    EXPECT_EQ(p101->GetDato1(), 99.8765);
    EXPECT_EQ(p101->GetDato2(), 250.1234);
    EXPECT_EQ(p101->GetAltPri(), 1.5);
    EXPECT_EQ(p101->GetDiOr(), v >= 715 ? 123.45 : INV);
    EXPECT_EQ(p101->GetDfQu(), v >= 715 ? 0.25 : INV);
    EXPECT_EQ(p101->GetVldtEgn(), 0);
    EXPECT_FALSE(p101->GetHasPtDup());
    EXPECT_TRUE(p102->GetHasPtDup());

    ASSERT_EQ(lib.GetOriArSize(), 1);
    EXPECT_EQ(lib.GetOriAt(0)->GetNome(), "OR1");
    EXPECT_EQ(lib.GetOriAt(0)->GetComm(), "Campanile");
    EXPECT_EQ(lib.GetOriAt(0)->GetAttendib(), 2);
    EXPECT_EQ(lib.GetOriAt(0)->GetCodeEgn(), v >= 603 ? 0x1u : 0u);   // "Campanile" holds no letter code

    // Options
    const CCalcDsOr& c = lib.GetCalcDsOr();
    EXPECT_TRUE(c.GetSferRifr());
    EXPECT_FALSE(c.GetRiduGeoi());
    EXPECT_EQ(c.GetIndcRifr(), 0.13);
    EXPECT_EQ(c.GetQuotMedi(), 120.5);
    EXPECT_EQ(c.GetFattScal(), v >= 715);
    EXPECT_EQ(c.GetValScala(), v >= 715 ? 0.9996 : 1.0);
    const COpzLibCmp& o = lib.GetOpzLibCmp();
    EXPECT_EQ(o.CdElab, 1);
    EXPECT_FALSE(o.File2Do3D);
    EXPECT_TRUE(o.WriFilSto);
    EXPECT_TRUE(o.Switch[1]);
    EXPECT_FALSE(o.Switch[0]);
    const COpzElaToll& t = lib.GetOpzElaToll();
    EXPECT_EQ(t.TlfPtDpDs, 0.02);
    EXPECT_EQ(t.TolCalcQu, 0.07);
    if (v >= 661) {
        EXPECT_EQ(t.AltMinPri, 1.2);
        EXPECT_EQ(t.AltMaxPri, 4.5);
        EXPECT_EQ(t.TlfPtDpQu, 0.02);
        EXPECT_EQ(t.TlpPtDpQu, 0.000003);
    } else {   // replaced on reading books older than 661
        EXPECT_EQ(t.AltMinPri, 1.0);
        EXPECT_EQ(t.AltMaxPri, 5.0);
        EXPECT_EQ(t.TlfPtDpQu, 0.01);
        EXPECT_EQ(t.TlpPtDpQu, 0.000001);
    }
    EXPECT_EQ(t.MedPtSemp, v >= 691);
    const COpzElaVarie& va = lib.GetOpzElaVarie();
    if (v >= 661) {
        EXPECT_EQ(va.ValInt[0], 1);
        EXPECT_EQ(va.ValInt[10], 11);
        EXPECT_EQ(va.ValInt[14], 15);
        EXPECT_EQ(va.ValInt[15], 16);
        EXPECT_EQ(va.ValInt[11], v >= 715 ? 12 : 0);
        EXPECT_EQ(va.ValInt[13], v >= 715 ? 14 : 0);
        EXPECT_EQ(va.ValDbl[4], 4.5);
        EXPECT_EQ(va.ValInt2, 42);
        EXPECT_TRUE(va.ValBool);
    } else {
        EXPECT_EQ(va.ValInt[2], 2);
        EXPECT_EQ(va.ValDbl[4], 1000.0);
        EXPECT_EQ(va.ValInt2, 10);
    }

    // Drawing options
    const COpzListDisEtp& d = lib.GetOpzListDisEtp();
    const COpzDisEgn* sta = d.GetOpzSta();
    EXPECT_EQ(d.ColLinee, 7);
    if (v >= 690) {
        EXPECT_EQ(d.NDecQuot, 2);
        EXPECT_EQ(d.RapScala, 500.0);
        EXPECT_EQ(sta->ColSimb, 2);
        EXPECT_EQ(sta->DimSimb, 2.5);
        EXPECT_EQ(sta->DimNome, 1.0);
        EXPECT_EQ(sta->VisDesc, 1);
        EXPECT_EQ(sta->ARotSimb, v >= 715 ? 10.0 : 0.0);
        EXPECT_EQ(sta->GetNomeOpz(), v >= 720 ? "Mia stazione" : "Stazioni");
        EXPECT_EQ(d.GetOpzOri()->TipoSimb, 6);
        EXPECT_EQ(d.GetOpzPunOR()->GetNomeOpz(), "Punti Dett. OR");
    } else {
        // The short layout of old books.
        EXPECT_EQ(d.NDecQuot, v >= 670 ? 2 : 3);
        EXPECT_EQ(sta->VisSimb, 1);
        EXPECT_EQ(sta->ColQuot, 2);
        EXPECT_EQ(sta->TipoSimb, 3);
        EXPECT_EQ(sta->VisNome, 1);
        EXPECT_EQ(sta->VisDesc, 1);
        EXPECT_EQ(sta->VisQuot, 0);
        const COpzDisEgn* pun = d.GetOpzPun();
        EXPECT_EQ(pun->VisSimb, 1);
        EXPECT_EQ(pun->TipoSimb, 1);   // the value read was 2
        EXPECT_EQ(pun->ColDesc, 6);
        EXPECT_EQ(pun->VisDesc, 0);
        EXPECT_EQ(pun->VisQuot, 1);
        for (const COpzDisEgn* s : {d.GetOpzPunOR(), d.GetOpzPunPO()}) {
            EXPECT_EQ(s->VisSimb, 0);
            EXPECT_EQ(s->TipoSimb, 1);
            EXPECT_EQ(s->ColNome, 6);
        }
        EXPECT_EQ(d.GetOpzOri()->VisSimb, 1);
        EXPECT_EQ(d.GetOpzOri()->TipoSimb, 6);
        EXPECT_EQ(d.GetOpzOri()->ColSimb, 4);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(d.GetOpzNor(i)->DimQuot, 2.5);
    }

    // Memories
    if (v >= 661) {
        CMemEdSta& ed = *lib.GetMemEdSta();
        ASSERT_EQ(ed.GetNuArInfOr(), 1);
        EXPECT_EQ(ed.GetInfStaOr(0)->Sta, s1);
        EXPECT_EQ(ed.GetInfStaOr(0)->Val[2], 3.0);
        ASSERT_EQ(ed.GetNuArInfQu(), 1);
        EXPECT_EQ(ed.GetInfStaQu(0)->Sta, nullptr);   // (-1, -1)
        EXPECT_EQ(ed.GetInfStaQu(0)->Val, 1.25);
        CMemOrSta& ors = *lib.GetMemOrSta();
        ASSERT_EQ(ors.GetNuArInf(), 1);
        EXPECT_EQ(ors.GetInfSta(0)->Sta, s1);
        ASSERT_EQ(ors.GetNuCombPerSta(0), 1);
        EXPECT_EQ(ors.GetCombPerSta(0, 0)->Pun[0], p101);
        EXPECT_EQ(ors.GetCombPerSta(0, 0)->Pun[1], p102);
        EXPECT_EQ(ors.GetCombPerSta(0, 0)->Pun[2], nullptr);
        EXPECT_EQ(ors.GetCombPerSta(0, 0)->Val, 7);
        CMemRoTra& rt = *lib.GetMemRoTra();
        ASSERT_EQ(rt.GetNuArInf(), 1);
        const CMemRoTra::TInfSngRt* e = rt.GetInfSngRt(0, 0);
        ASSERT_NE(e, nullptr);
        ASSERT_EQ(e->Sta.size(), 2u);
        EXPECT_EQ(e->Sta[1], lib.GetStaAt(1, 0));
        EXPECT_EQ(e->Pun, p102);
        EXPECT_EQ(e->Val, 4);
        EXPECT_TRUE(e->Flag);
        ASSERT_EQ(e->Elem.size(), 1u);
        EXPECT_EQ(e->Elem[0].Chiave, 9);
        EXPECT_EQ(e->Elem[0].Pun, p101);
        EXPECT_EQ(e->Elem[0].Val, -3);
        EXPECT_TRUE(e->Elem[0].Flag);
    } else {
        EXPECT_EQ(lib.GetMemEdSta()->GetNuArInfOr(), 0);
        EXPECT_EQ(lib.GetMemOrSta()->GetNuArInf(), 0);
        EXPECT_EQ(lib.GetMemRoTra()->GetNuArInf(), 0);
    }
    EXPECT_EQ(lib.GetNomeFileOcm(), v >= 680 ? kOcmFixture : "prima.qdc");
}

TEST_P(Fixture, LoadFlagsFalseConsumeTheSameBytesAndChangeNothing)
{
    const int v = GetParam();
    ScopedIni ini;
    const std::string bytes = ReadAll(DataPath("book_" + std::to_string(v) + ".lib"));
    Libro b;
    bookfix::Riempi(b.lib);
    // Resets that books older than 715 get whatever the load flag.
    if (v < 715) {
        b.lib.GetCalcDsOr().SetFattScal(false);
        b.lib.GetCalcDsOr().SetValScala(1.0);
        if (v >= 661)
            for (int i : {11, 12, 13})
                b.lib.GetOpzElaVarie().ValInt[i] = 0;
    }
    const std::string before = bookfix::Istantanea(b.lib);
    struct Case {
        bool opt, data;
    };
    for (const Case& c : {Case{false, false}, Case{true, false}, Case{false, true}}) {
        SCOPED_TRACE(std::to_string(c.opt) + std::to_string(c.data));
        Libro x;
        bookfix::Riempi(x.lib);
        uint64_t rest = 99;
        ASSERT_TRUE(LeggeBytes(x.lib, bytes, c.opt, c.data, &rest));
        EXPECT_EQ(rest, 0u);
        if (!c.opt && !c.data) {
            // The common-points file name is always taken (below 680 there is none).
            x.lib.SetNomeFileOcm(b.lib.GetNomeFileOcmChar());
            EXPECT_TRUE(bookfix::Istantanea(x.lib) == before);
        }
        if (!c.data) {
            EXPECT_EQ(x.lib.GetJobArSize(), 3);
        }
        if (!c.opt) {
            EXPECT_EQ(x.lib.GetOpzElaToll().TolCalcQu, 0.07);
            EXPECT_EQ(x.lib.GetOpzListDisEtp().RapScala, 2000.0);
            EXPECT_EQ(x.lib.GetMemEdSta()->GetNuArInfOr(), 1);
        }
    }
}

TEST_P(Fixture, EveryPrefixFailsAndLeavesTheBookAsItWas)
{
    const int v = GetParam();
    ScopedIni ini;
    const std::string bytes = ReadAll(DataPath("book_" + std::to_string(v) + ".lib"));
    Libro b;
    b.lib.AddJob()->SetNome("già presente");
    b.lib.AddOri()->SetNome("ORX");
    const std::string before = bookfix::Istantanea(b.lib);
    for (size_t n = 0; n < bytes.size(); ++n) {
        if (LeggeBytes(b.lib, bytes.substr(0, n))) {
            ADD_FAILURE() << "a prefix of " << n << " bytes was read as a whole book";
            break;
        }
    }
    EXPECT_TRUE(bookfix::Istantanea(b.lib) == before);
}

INSTANTIATE_TEST_SUITE_P(Versions, Fixture,
                         ::testing::Values(600, 603, 660, 661, 670, 680, 690, 691, 710, 715, 720),
                         [](const ::testing::TestParamInfo<int>& i) { return "v" + std::to_string(i.param); });

TEST(LibroFile, OurWriterAtOldVersionsMatchesTheScript)
{
    // From 690 on nothing is lost on reading, so writing the book back at the
    // file's version gives the fixture's bytes; older layouts drop values.
    ScopedIni ini;
    for (int v : {690, 691, 710, 720}) {
        SCOPED_TRACE(v);
        const std::string bytes = ReadAll(DataPath("book_" + std::to_string(v) + ".lib"));
        Libro b;
        ASSERT_TRUE(LeggeBytes(b.lib, bytes));
        TempFile f("old");
        {
            ofpstream out(f.path(), static_cast<short>(v), TAG_LIBRO);
            out.WriteTagAndVersion();
            ASSERT_TRUE(b.lib.SalvaInFile(out, static_cast<short>(v)));
            ASSERT_TRUE(out.close());
        }
        EXPECT_EQ(ReadAll(f.path()) == bytes, true);
    }
}

// Writes the block of a book at version v as a book file.
std::string ScriviAVersione(CLibCmp& lib, short v)
{
    TempFile f("ver");
    {
        ofpstream out(f.path(), v, TAG_LIBRO);
        out.WriteTagAndVersion();
        lib.SalvaInFile(out, v);
    }
    return ReadAll(f.path());
}

TEST_P(Fixture, WritingAtTheFilesVersionIsStable)
{
    // Whatever an old layout drops is dropped once: read, write at the same
    // version, read again and write again give the same bytes.
    const short v = static_cast<short>(GetParam());
    ScopedIni ini;
    Libro a;
    ASSERT_TRUE(LeggeLibroDaFile(a.lib, DataPath("book_" + std::to_string(v) + ".lib")));
    const std::string first = ScriviAVersione(a.lib, v);
    Libro b;
    uint64_t rest = 99;
    ASSERT_TRUE(LeggeBytes(b.lib, first, true, true, &rest));
    EXPECT_EQ(rest, 0u);
    EXPECT_TRUE(ScriviAVersione(b.lib, v) == first);
    EXPECT_EQ(b.lib.GetNuTotPun(), 2);
}

TEST(LibroFile, OldLetterCodesStrippedOnlyFromWhatWasRead)
{
    ScopedIni ini;
    CIniFile().WriteBool("OPZ-VARIE", "CanCdAlfO", true);
    for (int v : {600, 690, 710}) {
        SCOPED_TRACE(v);
        Libro b;
        b.lib.AddJob();
        b.lib.AddSta(0)->SetIden("OR Vecchia");
        b.lib.AddOri()->SetComm("QU tenuto");
        ASSERT_TRUE(LeggeLibroDaFile(b.lib, DataPath("book_" + std::to_string(v) + ".lib")));
        EXPECT_EQ(b.lib.GetStaAt(0, 0)->GetIden(), "OR Vecchia");
        EXPECT_EQ(b.lib.GetOriAt(0)->GetComm(), "QU tenuto");
        EXPECT_EQ(b.lib.GetStaAt(1, 0)->GetIden(), "Stazione uno");
        EXPECT_EQ(b.lib.GetStaAt(1, 0)->GetCodeEgn(), 0x3u);
        EXPECT_EQ(b.lib.GetPunAt(1, 0, 0)->GetCode(), "Spigolo");
    }
}

TEST(LibroFile, ReadingTwiceAppendsAndMemoriesFollowTheirJobs)
{
    ScopedIni ini;
    Libro b;
    const std::string path = DataPath("book_720.lib");
    ASSERT_TRUE(LeggeLibroDaFile(b.lib, path));
    ASSERT_TRUE(LeggeLibroDaFile(b.lib, path));
    EXPECT_EQ(b.lib.GetJobArSize(), 4);
    EXPECT_EQ(b.lib.GetNuTotPun(), 4);
    EXPECT_EQ(b.lib.GetOriArSize(), 2);
    EXPECT_EQ(b.lib.GetJobAt(2)->GetNome(), "Rilievo A");
    // The memories are those of the second file, referring to its own jobs.
    EXPECT_EQ(b.lib.GetMemEdSta()->GetInfStaOr(0)->Sta, b.lib.GetStaAt(2, 0));
    EXPECT_EQ(b.lib.GetMemOrSta()->GetCombPerSta(0, 0)->Pun[1], b.lib.GetPunAt(2, 0, 1));
    EXPECT_EQ(b.lib.GetMemRoTra()->GetInfSngRt(0, 0)->Sta[1], b.lib.GetStaAt(3, 0));
}

TEST(LibroFile, RandomByteFlipsFailCleanlyOrReadWhole)
{
    ScopedIni ini;
    Libro src;
    bookfix::Riempi(src.lib);
    const std::string good = bookfix::Istantanea(src.lib);
    std::mt19937 rng(12345);
    Libro b;
    b.lib.AddJob()->SetNome("resta");
    int failed = 0;
    for (int round = 0; round < 400; ++round) {
        std::string bad = good;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            bad[rng() % bad.size()] ^= static_cast<char>(1 + rng() % 255);
        const std::string before = bookfix::Istantanea(b.lib);
        if (!LeggeBytes(b.lib, bad)) {
            ++failed;
            ASSERT_TRUE(bookfix::Istantanea(b.lib) == before) << "round " << round;
        }
        // Keep the book small: drop what a sound read appended.
        while (b.lib.GetJobArSize() > 1)
            b.lib.DelJobAt(b.lib.GetJobArSize() - 1);
        while (b.lib.GetOriArSize() > 0)
            b.lib.DelOriAt(0);
    }
    EXPECT_GT(failed, 0);
}

TEST(LibroFile, HugeCountsAreRefusedWithoutAllocating)
{
    ScopedIni ini;
    Libro b;
    std::string bytes = ReadAll(DataPath("empty_720.lib"));
    // The job count follows the four option blocks; find it as the eight zero
    // bytes of "no jobs, no orientation points" before the further options.
    const size_t at = bytes.size() - 4 - 27 - 4 * 4 - (13 * 4 + 5 * 8 + 4 + 4 + 3 * 4) - 8;
    ASSERT_EQ(bytes.substr(at, 8), std::string(8, '\0'));
    for (uint32_t n : {0x7FFFFFFFu, 0x80000000u, 1000000u}) {
        std::string bad = bytes;
        for (int k = 0; k < 4; ++k)
            bad[at + k] = static_cast<char>((n >> (8 * k)) & 0xFF);
        EXPECT_FALSE(LeggeBytes(b.lib, bad));
    }
    EXPECT_EQ(b.lib.GetJobArSize(), 0);
}

}  // namespace
