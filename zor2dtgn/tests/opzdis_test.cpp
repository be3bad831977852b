// Drawing options of survey entities: option sets and lists, their settings
// sections and their records.
#include "OpzListDisEgn.h"
#include "fpstream.h"
#include "test_files.h"

#include <zor1inif.h>

#include <gtest/gtest.h>

using testfiles::ReadAll;
using testfiles::ScopedIni;
using testfiles::TempFile;

namespace {

TEST(OpzDis, ResetValuesWithoutSettings)
{
    ScopedIni ini;
    COpzDisEgn s("DIS-ETP");
    EXPECT_EQ(s.GetNomeOpz(), "Nuovo");
    EXPECT_EQ(s.GetIniKeyFull(), "DIS-ETP_Nuovo");
    EXPECT_EQ(s.VisSimb, 1);
    EXPECT_EQ(s.VisNome, 1);
    EXPECT_EQ(s.VisDesc, 0);
    EXPECT_EQ(s.VisQuot, 0);
    EXPECT_EQ(s.ColDesc, 3);
    EXPECT_EQ(s.TipoSimb, 1);
    EXPECT_EQ(s.StiQuot, "STANDARD");
    EXPECT_EQ(s.DimQuot, 1.0);
    EXPECT_EQ(s.XPosDesc, 1.0);
    EXPECT_EQ(s.YPosNome, -0.5);
    EXPECT_EQ(s.YPosDesc, 0.8);
    EXPECT_EQ(s.YPosQuot, -1.8);
    EXPECT_EQ(s.Spazio, "Mondo");
    EXPECT_EQ(s.ARotQuot, 0.0);
    EXPECT_EQ(s.Switch[10], 1);
    COpzListDisEgn l(nullptr, "DIS-X");
    EXPECT_EQ(l.ColLinee, 9);
    EXPECT_EQ(l.ColEllissi, 5);
    EXPECT_EQ(l.NDecQuot, 3);
    EXPECT_EQ(l.RapScala, 1000.0);
    EXPECT_EQ(l.GetNuOpzNor(), 0);
}

TEST(OpzDis, SectionOfANamedSet)
{
    ScopedIni ini;
    COpzListDisEgn l(nullptr, "DIS-ETP");
    COpzDisEgn* s = l.AddOpzNor();
    s->SetNomeOpz("Punti");
    EXPECT_EQ(s->GetIniKeyFull(), "DIS-ETP_Punti");
    s->ColNome = 8;
    s->StiDesc = "ROMANS";
    s->YPosDesc = 2.25;
    s->SetInIni();
    CIniFile f;
    EXPECT_EQ(f.GetShort("DIS-ETP_Punti", "ColNome", 0), 8);
    EXPECT_EQ(f.GetString("DIS-ETP_Punti", "NomeOpz", std::string()), "Punti");
    COpzDisEgn back("DIS-ETP");
    back.SetNomeOpz("Punti");
    back.GetDaIni();
    EXPECT_EQ(back.ColNome, 8);
    EXPECT_EQ(back.StiDesc, "ROMANS");
    EXPECT_EQ(back.YPosDesc, 2.25);

    // SetInIniIfNotIsIn leaves an existing section alone.
    back.ColNome = 1;
    back.SetInIniIfNotIsIn();
    EXPECT_EQ(CIniFile().GetShort("DIS-ETP_Punti", "ColNome", 0), 8);
    back.SetNomeOpz("Altro");
    back.SetInIniIfNotIsIn();
    EXPECT_EQ(CIniFile().GetShort("DIS-ETP_Altro", "ColNome", 0), 1);

    // Keys are cut to 255 characters.
    back.SetNomeOpz(std::string(400, 'n'));
    EXPECT_EQ(back.GetIniKeyFull().size(), 255u);
}

TEST(OpzDis, CommonListNamesInTheSettings)
{
    ScopedIni ini;
    {
        COpzListDisEgn com(nullptr, "DIS-COM");
        com.AddOpzNor()->SetNomeOpz("Alberi");
        com.AddOpzNor()->SetNomeOpz("Pozzetti");
        com.GetOpzNor(1)->ColSimb = 11;
        com.SetInIniOpzComList();
    }
    EXPECT_EQ(CIniFile().GetShort("DIS-COM", "NuOpzDis", 0), 2);
    EXPECT_EQ(CIniFile().GetString("DIS-COM", "NomeOpz2", std::string()), "Pozzetti");
    COpzListDisEgn com(nullptr, "DIS-COM");   // its own common list: reads the shared sets
    ASSERT_EQ(com.GetNuOpzNor(), 2);
    EXPECT_EQ(com.GetOpzNorFromName("Pozzetti")->ColSimb, 11);
    COpzListDisEgn book(&com, "DIS-LIB");
    EXPECT_EQ(book.GetNuOpzNor(), 0);
    EXPECT_EQ(book.GetNuOpzCom(), 2);
    book.AddOpzNor()->SetNomeOpz("Mio");
    EXPECT_EQ(book.GetNuOpzTot(), 3);
    EXPECT_EQ(book.GetOpzTot(0)->GetNomeOpz(), "Mio");
    EXPECT_EQ(book.GetOpzTot(2)->GetNomeOpz(), "Pozzetti");
    EXPECT_EQ(book.GetOpzTot(3), nullptr);
    EXPECT_EQ(book.GetOpzTotFromName("Alberi"), com.GetOpzNor(0));

    struct Case {
        const char* name;
        size_t names;
        int selected;
    };
    for (const Case& c : {Case{"Standard", 3, 0}, Case{"Pozzetti", 3, 2}, Case{"Ignoto", 4, 3}}) {
        std::vector<std::string> names;
        int sel = -9;
        book.GetNomiComEtSelect(c.name, names, sel);
        EXPECT_EQ(names.size(), c.names) << c.name;
        EXPECT_EQ(sel, c.selected) << c.name;
        EXPECT_EQ(names[0], "Standard");
    }
}

TEST(OpzDis, OwnershipAndCopies)
{
    ScopedIni ini;
    COpzListDisEgn l(nullptr, "DIS-A");
    COpzDisEgn* a = l.AddOpzNor();
    a->SetNomeOpz("a");
    EXPECT_EQ(l.AddOpzNor(std::make_unique<COpzDisEgn>("ALTRO")), 1);
    EXPECT_EQ(l.GetOpzNor(1)->GetIniKeyFull(), "DIS-A_Nuovo");   // re-keyed
    EXPECT_FALSE(l.InsOpzNorAt(std::make_unique<COpzDisEgn>("X"), 3));
    EXPECT_TRUE(l.InsOpzNorAt(std::make_unique<COpzDisEgn>("X"), 2));
    std::unique_ptr<COpzDisEgn> taken = l.DelOpzNor(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(l.GetNuOpzNor(), 2);
    EXPECT_EQ(l.DelOpzNor(a), nullptr);
    EXPECT_EQ(l.DelOpzNorAt(5), nullptr);

    // A copy of a list that is its own common list is its own common list.
    COpzListDisEgn copy(l);
    EXPECT_EQ(copy.GetComOpzList(), &copy);
    EXPECT_EQ(copy.GetNuOpzNor(), 2);
    EXPECT_NE(copy.GetOpzNor(0), l.GetOpzNor(0));
    COpzListDisEgn assigned(nullptr, "DIS-B");
    assigned = l;
    EXPECT_EQ(assigned.GetComOpzList(), &assigned);
    EXPECT_EQ(assigned.GetIniKey(), "DIS-A");
    COpzListDisEgn& alias = assigned;
    assigned = alias;   // self-assignment
    EXPECT_EQ(assigned.GetNuOpzNor(), 2);
    assigned.SetOpzNor(0, *taken);
    EXPECT_EQ(assigned.GetOpzNor(0)->GetNomeOpz(), "a");
    EXPECT_EQ(assigned.GetOpzNor(0)->GetIniKeyFull(), "DIS-A_a");
}

// Writes the list at version v and returns the bytes after the header.
std::string Scrivi(const COpzListDisEgn& l, short v)
{
    TempFile f("opzlist");
    {
        ofpstream out(f.path(), v, "");
        l.SalvaInFile(out, v);
    }
    return ReadAll(f.path());
}

TEST(OpzDis, RecordsAtEachVersionAndTheLoadFlag)
{
    ScopedIni ini;
    COpzListDisEgn l(nullptr, "DIS-R");
    l.ColLinee = 4;
    l.RapScala = 250;
    COpzDisEgn* s = l.AddOpzNor();
    s->SetNomeOpz("Uno");
    s->ARotDesc = 12.5;
    s->Spazio = "Carta";
    s->Switch[3] = 0;   // not saved
    l.AddOpzNor()->SetNomeOpz("Due");

    // Record sizes: list fields 18 bytes; a set at 720 is 110 bytes of fixed
    // fields, the three "STANDARD" style names (24), the drawing space
    // (4 + 5 for "Carta", 4 + 5 for "Mondo"), its name (4 + 3), the boolean (4)
    // and four rotations (32).
    const std::string b720 = Scrivi(l, 720);
    EXPECT_EQ(b720.size(), 5u + 18 + 4 + (110 + 24 + 9 + 7 + 4 + 32) + (110 + 24 + 9 + 7 + 4 + 32));
    const std::string b715 = Scrivi(l, 715);
    EXPECT_EQ(b715.size(), 5u + 18);   // no sets below 720

    struct Case {
        short v;
        bool load;
        int sets;
        int16_t colLinee;
    };
    for (const Case& c : {Case{720, true, 2, 4}, Case{720, false, 1, 9}, Case{715, true, 1, 4}, Case{715, false, 1, 9}}) {
        SCOPED_TRACE(std::to_string(c.v) + (c.load ? " load" : " skip"));
        COpzListDisEgn r(nullptr, "DIS-R");
        r.AddOpzNor()->SetNomeOpz("Esistente");
        ifpstream in;
        in.OpenBytes(c.v == 720 ? b720 : b715);
        in.SetVersion(c.v);
        ASSERT_TRUE(r.LeggeDaFile(in, c.load, c.v));
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(r.GetNuOpzNor(), c.sets);
        EXPECT_EQ(r.ColLinee, c.colLinee);
        if (c.v == 720 && c.load) {
            EXPECT_EQ(r.GetOpzNor(0)->GetNomeOpz(), "Uno");
            EXPECT_EQ(r.GetOpzNor(0)->GetIniKeyFull(), "DIS-R_Uno");
            EXPECT_EQ(r.GetOpzNor(0)->ARotDesc, 12.5);
            EXPECT_EQ(r.GetOpzNor(0)->Spazio, "Carta");
            EXPECT_EQ(r.GetOpzNor(0)->Switch[3], 1);
        } else {
            EXPECT_EQ(r.GetOpzNor(0)->GetNomeOpz(), "Esistente");
        }
    }

    // Into existing sets: record 0 into set 0, the second record is dropped.
    COpzListDisEgn e(nullptr, "DIS-R");
    e.AddOpzNor()->SetNomeOpz("Vecchio");
    ifpstream in;
    in.OpenBytes(b720);
    in.SetVersion(720);
    ASSERT_TRUE(e.LeggeDaFileOpzExist(in, true, 720));
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(e.GetNuOpzNor(), 1);
    EXPECT_EQ(e.GetOpzNor(0)->GetNomeOpz(), "Uno");

    // Cut short anywhere: false and nothing changed.
    for (size_t n = 5; n < b720.size(); ++n) {
        COpzListDisEgn t(nullptr, "DIS-R");
        t.AddOpzNor()->SetNomeOpz("Intatto");
        ifpstream cut;
        cut.OpenBytes(b720.substr(0, n));
        cut.SetVersion(720);
        EXPECT_FALSE(t.LeggeDaFile(cut, true, 720)) << n;
        EXPECT_EQ(t.ColLinee, 9);
        EXPECT_EQ(t.GetOpzNor(0)->GetNomeOpz(), "Intatto");
    }
}

TEST(OpzDis, SetRecordBeforeNamesAndRotations)
{
    ScopedIni ini;
    COpzDisEgn s("B");
    s.SetNomeOpz("Nome");
    s.ARotSimb = 5;
    s.Spazio = "Altro";
    for (short v : {700, 710, 715}) {
        SCOPED_TRACE(v);
        TempFile f("opzset");
        {
            ofpstream out(f.path(), v, "");
            s.SalvaInFile(out, v);
        }
        const std::string bytes = ReadAll(f.path());
        EXPECT_EQ(bytes.size(), 5 + COpzDisEgn::DimMinRecord(v) + 3 * 8 + (v >= 710 ? 5 : 0) + (v >= 715 ? 4 : 0));
        COpzDisEgn r("B");
        ifpstream in;
        in.OpenBytes(bytes);
        in.SetVersion(v);
        ASSERT_TRUE(r.LeggeDaFile(in, true, v));
        EXPECT_EQ(r.GetNomeOpz(), v >= 715 ? "Nome" : "Nuovo");
        EXPECT_EQ(r.ARotSimb, v >= 715 ? 5.0 : 0.0);
        EXPECT_EQ(r.Spazio, v >= 710 ? "Altro" : "Mondo");
    }
}

}  // namespace
