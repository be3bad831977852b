// Orientation points, common points and the common-points file.
#include "LibConOri.h"
#include "fpstream.h"
#include "test_files.h"

#include <zor1inif.h>

#include <gtest/gtest.h>

#include <filesystem>

using testfiles::ReadAll;
using testfiles::ScopedIni;
using testfiles::TempFile;
using testfiles::WriteAll;

namespace {

TEST(Ori, NewPointAndResets)
{
    COri o;
    EXPECT_EQ(o.GetAttendib(), 1);
    o.SetAttendib(4);
    o.SetComm("Croce");
    o.SetCodeOR(true);
    o.AnnullaTutteLeVar();
    EXPECT_EQ(o.GetAttendib(), 1);
    EXPECT_EQ(o.GetCodeEgn(), 0u);
    EXPECT_EQ(o.GetComm(), "Croce");
    COri a, b;
    a.SetNome("X");
    b.SetNome("X");
    b.SetAttendib(9);
    EXPECT_TRUE(a == b);
}

TEST(Ori, DefaultFileNameFromTheSettings)
{
    ScopedIni ini;
    // No recent file, no key: the program folder.
    EXPECT_EQ(COriData::GetNomeFileOcmDaIni(), CProgDir::GetProgDir() + "\\CommonPtFile.qdc");
    // A recent file elsewhere: its folder.
    CIniFile().WriteString("PERSIST", "LastStoredFile", "/dati/lavori/rilievo.lib");
    EXPECT_EQ(COriData::GetNomeFileOcmDaIni(), "/dati/lavori/CommonPtFile.qdc");
    // The key wins.
    COriData::SetNomeFileOcmInIni("/altrove/comuni.qdc");
    EXPECT_EQ(COriData::GetNomeFileOcmDaIni(), "/altrove/comuni.qdc");
    COriData data(3);
    EXPECT_EQ(data.GetTipo(), 3);
    EXPECT_EQ(CLibConOri(&data).GetNomeFileOcm(), "/altrove/comuni.qdc");
}

TEST(Ori, ListOperations)
{
    ScopedIni ini;
    COriData data(0);
    CLibConOri lib(&data);
    lib.AddOri()->SetNome("A");
    lib.AddOri()->SetNome("C");
    ASSERT_NE(lib.InsOriAt(1), nullptr);
    lib.GetOriAt(1)->SetNome("B");
    EXPECT_EQ(lib.InsOriAt(4), nullptr);
    lib.OriSwap(0, 2);
    EXPECT_EQ(lib.GetOriAt(0)->GetNome(), "C");
    lib.OriSwap(0, 7);
    lib.DelOriAt(9);
    lib.DelOriAt(0);
    EXPECT_EQ(lib.GetOriArSize(), 2);
    EXPECT_EQ(lib.GetOriAt(2), nullptr);
    EXPECT_EQ(lib.OriArAddReserve(10), 10);

    // Common points: inserting at the count appends, beyond is refused,
    // whatever the number of orientation points.
    EXPECT_NE(lib.InsOcmAt(0), nullptr);
    EXPECT_EQ(lib.InsOcmAt(2), nullptr);
    EXPECT_NE(lib.InsOcmAt(1), nullptr);
    EXPECT_EQ(lib.GetOcmArSize(), 2);
    lib.OcmArReserve(5);   // deletes the common points
    EXPECT_EQ(lib.GetOcmArSize(), 0);
    EXPECT_EQ(lib.GetOriArSize(), 2);

    CLibConOri none(nullptr);
    EXPECT_EQ(none.AddOri(), nullptr);
    EXPECT_EQ(none.GetOriArSize(), 0);
    EXPECT_FALSE(none.LeggeOcmDaFile());
}

TEST(Ori, CommonPointsFileRoundTripAndReplacement)
{
    ScopedIni ini;
    TempFile f("ocm");
    COriData data(0);
    CLibConOri lib(&data);
    lib.SetNomeFileOcm(f.path().c_str());
    for (int i = 0; i < 3; ++i) {
        COri* o = lib.AddOcm();
        o->SetNome("CP" + std::to_string(i));
        o->SetComm("chiodo");
        o->SetCoordX(100.5 * i);
        o->SetCoordY(-20.25);
        o->SetCoordZ(i == 1 ? 1.7e200 : 3.0);
        o->CalcolaValiditaXYZ();
        o->SetCodeEgn(0x100u << i);
        o->SetAttendib(static_cast<short>(i + 2));
    }
    ASSERT_TRUE(lib.SalvaOcmInFile());
    EXPECT_FALSE(std::filesystem::exists(f.path() + ".tmp"));
    // Header, tag "QDC", version 720, count 3.
    const std::string bytes = ReadAll(f.path());
    EXPECT_EQ(bytes.substr(0, 18), std::string("\x3A\x01\x01\x00\x00\x03\x00\x00\x00QDC\xD0\x02\x03\x00\x00\x00", 18));

    COriData data2(0);
    CLibConOri other(&data2);
    other.AddOcm()->SetNome("vecchio");
    other.SetNomeFileOcm(f.path().c_str());
    ASSERT_TRUE(other.LeggeOcmDaFile());
    ASSERT_EQ(other.GetOcmArSize(), 3);   // replaced, not appended
    for (int i = 0; i < 3; ++i) {
        const COri* o = other.GetOcmAt(i);
        EXPECT_EQ(o->GetNome(), "CP" + std::to_string(i));
        EXPECT_EQ(o->GetComm(), "chiodo");
        EXPECT_EQ(o->GetCoordX(), 100.5 * i);
        EXPECT_EQ(o->GetVldtEgn(), i == 1 ? 1 : 3);
        EXPECT_EQ(o->GetCodeEgn(), 0x100u << i);
        EXPECT_EQ(o->GetAttendib(), i + 2);
    }
}

TEST(Ori, BadCommonPointsFilesKeepWhatIsHeld)
{
    ScopedIni ini;
    TempFile f("ocm_bad");
    COriData data(0);
    CLibConOri lib(&data);
    lib.SetNomeFileOcm(f.path().c_str());
    lib.AddOcm()->SetNome("A");
    lib.AddOcm()->SetNome("B");
    ASSERT_TRUE(lib.SalvaOcmInFile());
    const std::string good = ReadAll(f.path());

    const std::string header("\x3A\x01\x01\x00\x00", 5);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"missing", ""},
        {"every prefix", ""},
        {"other tag", header + std::string("\x03\x00\x00\x00LIB\xD0\x02\x00\x00\x00\x00", 13)},
        {"huge count", header + std::string("\x03\x00\x00\x00QDC\xD0\x02\xFF\xFF\xFF\x7F", 13)},
        {"negative count", header + std::string("\x03\x00\x00\x00QDC\xD0\x02\xFF\xFF\xFF\xFF", 13)},
    };
    COriData data2(0);
    CLibConOri reader(&data2);
    reader.AddOcm()->SetNome("tenuto");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string what = c.what;
        if (what == "missing") {
            reader.SetNomeFileOcm("/nessuna/cartella/comuni.qdc");
            EXPECT_FALSE(reader.LeggeOcmDaFile());
            EXPECT_EQ(reader.GetNomeFileOcm(), "/nessuna/cartella/comuni.qdc");
        } else if (what == "every prefix") {
            reader.SetNomeFileOcm(f.path().c_str());
            for (size_t n = 0; n < good.size(); ++n) {
                WriteAll(f.path(), good.substr(0, n));
                EXPECT_FALSE(reader.LeggeOcmDaFile()) << n;
            }
        } else {
            reader.SetNomeFileOcm(f.path().c_str());
            WriteAll(f.path(), c.bytes);
            EXPECT_FALSE(reader.LeggeOcmDaFile());
        }
        ASSERT_EQ(reader.GetOcmArSize(), 1);
        EXPECT_EQ(reader.GetOcmAt(0)->GetNome(), "tenuto");
    }
}

TEST(Ori, FailedSaveLeavesTheOldFile)
{
    ScopedIni ini;
    TempFile f("ocm_keep");
    WriteAll(f.path(), "vecchio contenuto");
    // The temporary file cannot be made: a folder stands in its place.
    std::filesystem::create_directory(f.path() + ".tmp");
    COriData data(0);
    CLibConOri lib(&data);
    lib.SetNomeFileOcm(f.path().c_str());
    lib.AddOcm()->SetNome("nuovo");
    EXPECT_FALSE(lib.SalvaOcmInFile());
    EXPECT_EQ(ReadAll(f.path()), "vecchio contenuto");
    std::filesystem::remove(f.path() + ".tmp");
    lib.SetNomeFileOcm("");
    EXPECT_FALSE(lib.SalvaOcmInFile());
}

TEST(Ori, OrientationListInABook)
{
    ScopedIni ini;
    TempFile f("orilist");
    COriData data(0);
    CLibConOri lib(&data);
    lib.AddOri()->SetNome("O1");
    lib.AddOri()->SetNome("O2");
    {
        ofpstream out(f.path(), 720, "");
        ASSERT_TRUE(lib.SalvaOriInFile(out, 720));
    }
    COriData data2(0);
    CLibConOri other(&data2);
    other.AddOri()->SetNome("O0");
    for (bool load : {false, true}) {
        ifpstream in(f.path());
        in.SetVersion(720);
        ASSERT_TRUE(other.LeggeOriDaFile(in, load, 720));
        EXPECT_EQ(in.Remaining(), 0u);
    }
    ASSERT_EQ(other.GetOriArSize(), 3);   // appended once
    EXPECT_EQ(other.GetOriAt(2)->GetNome(), "O2");
    // A list cut short adds nothing.
    const std::string bytes = ReadAll(f.path());
    ifpstream in;
    in.OpenBytes(bytes.substr(0, bytes.size() - 1));
    in.SetVersion(720);
    EXPECT_FALSE(other.LeggeOriDaFile(in, true, 720));
    EXPECT_EQ(other.GetOriArSize(), 3);
}

}  // namespace
