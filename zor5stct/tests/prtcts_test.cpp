#include "PrtCts.h"
#include "RighePregeo.h"
#include "survey_fixture.h"

#include <hostui.h>
#include <zor4dgct.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Leggi(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Scrivi(const fs::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Dati(const std::string& nome)
{
    const char* dir = std::getenv("RILIEVO_TEST_DATA");
    return std::string(dir ? dir : "data") + "/" + nome;
}

// Points the settings file at a file of the test's own before the book reads it.
struct IniPrivato {
    explicit IniPrivato(const fs::path& path)
    {
        if (const char* old = std::getenv("RILIEVO_INI"))
            old_ = old;
        ::setenv("RILIEVO_INI", path.c_str(), 1);
    }
    ~IniPrivato()
    {
        if (old_.empty())
            ::unsetenv("RILIEVO_INI");
        else
            ::setenv("RILIEVO_INI", old_.c_str(), 1);
    }
    std::string old_;
};

class PrtCtsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fixture::Libretto(lib_);
        fixture::Documento(doc_);
    }
    void TearDown() override
    {
        fs::remove_all(dir_);
        fs::remove(dir_.string() + ".ini");
    }

    // Runs CreaFile answering the two dialogs; the file goes to dir/name.
    bool Crea(const std::string& nome, const std::string& archivio = "")
    {
        sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
        sink_.ScriptAnswer(DGCT_ASK_FILE, (dir_ / nome).string());
        CPrtCts prt(nullptr, doc_, lib_, "");
        if (!archivio.empty())
            prt.SetNomeArchivio(archivio);
        bool ok = prt.CreaFile();
        segnaposto_ = prt.GetNuSegnaposto();
        return ok;
    }

    fs::path dir_ = fs::temp_directory_path() / ("rilievo_prtcts_" + std::to_string(::getpid()) + "_" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    IniPrivato ini_{dir_.string() + ".ini"};
    COriData ori_{0};
    CLibCmp lib_{nullptr, &ori_, -1};
    CCts doc_;
    hostui::RecordingSink sink_;
    hostui::ScopedSink scoped_{sink_};
    int segnaposto_ = 0;
};

TEST_F(PrtCtsTest, MixedSurveyEqualsTheGoldenFileByteForByte)
{
    ASSERT_TRUE(Crea("out.DAT"));
    EXPECT_EQ(Leggi(dir_ / "out.DAT"), Leggi(Dati("mixed.DAT")));
    EXPECT_FALSE(fs::exists(dir_ / "out.DAT.tmp"));
    // P/7 is not a PREGEO name, P2 was taken in face II, five placeholders
    // (P6 distance and reading, row 5 real, row 9 integer, row 9 real).
    EXPECT_TRUE(sink_.Saw(DgctGetString(10794)));
    EXPECT_TRUE(sink_.Saw(DgctGetString(10795)));
    EXPECT_EQ(segnaposto_, 5);
    EXPECT_TRUE(sink_.Saw("5 valori non validi"));
    EXPECT_GE(sink_.beeps, 3);
    // The writer never changes the book: P2 keeps its face-II readings.
    EXPECT_EQ(lib_.GetPunAt(0, 0, 1)->GetDato1(), 300.0);
    EXPECT_EQ(lib_.GetPunAt(0, 0, 1)->GetDato2(), 250.0);
}

TEST_F(PrtCtsTest, ReportEqualsTheGoldenReport)
{
    CPrtCts prt(nullptr, doc_, lib_, "2026123456.DAT");
    prt.SetFileReport((dir_ / "stampa.txt").string());
    ASSERT_TRUE(prt.Stampa()) << prt.GetErrore();
    EXPECT_EQ(Leggi(dir_ / "stampa.txt"), Leggi(Dati("mixed_report.txt")));
}

TEST_F(PrtCtsTest, CancelledDialogsWriteNothing)
{
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::nullopt);
    CPrtCts a(nullptr, doc_, lib_, "");
    EXPECT_FALSE(a.CreaFile());
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink_.ScriptAnswer(DGCT_ASK_FILE, std::nullopt);
    CPrtCts b(nullptr, doc_, lib_, "");
    EXPECT_FALSE(b.CreaFile());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(PrtCtsTest, UnwritableFolderIsReported)
{
    EXPECT_FALSE(Crea("manca/out.DAT"));
    EXPECT_TRUE(sink_.Saw("Impossibile scrivere il file PREGEO"));
}

// Archive records of 39 bytes: protocol (6), municipality (5), year (2),
// sheet (4), a blank, technician (20), "I".
const std::string kNostro = "123456H501 2612   Rossi               I";
const std::string kAltro1 = "999999H501 2612   Bianchi             I";
const std::string kStessoAltroAnno = "123456H501 2512   Rossi               I";

TEST(ArchivioRecord, LayoutKeepsTheLastTwoDigitsOfTheYear)
{
    CCts d;
    fixture::Documento(d);
    ASSERT_EQ(kNostro.size(), 39u);
    EXPECT_EQ(pregeo::RecordArchivio(d), kNostro);
}

TEST_F(PrtCtsTest, ArchiveCases)
{
    const std::string vecchio = "123456XXXXX2699   Vecchio             I";
    struct Caso {
        const char* nome;
        bool esiste;
        std::string prima;
        std::vector<int> risposte;   // answers to "overwrite?"
        bool ok;
        std::string dopo;
        const char* messaggio;
    } casi[] = {
        {"stesso protocollo e anno, sovrascrive", true, kAltro1 + vecchio, {hostui::AnswerYes}, true, kAltro1 + kNostro, nullptr},
        {"stesso protocollo e anno, conserva", true, kAltro1 + vecchio, {hostui::AnswerNo}, false, kAltro1 + vecchio, nullptr},
        {"altro anno: accoda", true, kStessoAltroAnno, {}, true, kStessoAltroAnno + kNostro, nullptr},
        {"due uguali, il secondo", true, vecchio + vecchio, {hostui::AnswerNo, hostui::AnswerYes}, true, vecchio + kNostro, nullptr},
        {"archivio mancante", false, "", {}, false, "", "Archivio PREGEO mancante"},
        {"archivio vuoto", true, "", {}, false, "", "Archivio PREGEO mancante"},
        {"archivio disallineato", true, kAltro1 + "X", {}, false, kAltro1 + "X", "non e' fatto di record di 39 byte"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        fs::path arch = dir_ / "ARCH2";
        fs::remove(arch);
        fs::remove(dir_ / "out.DAT");
        if (c.esiste)
            Scrivi(arch, c.prima);
        for (int r : c.risposte)
            sink_.ScriptButton(r);
        sink_.messages.clear();
        EXPECT_EQ(Crea("out.DAT", arch.string()), c.ok);
        EXPECT_EQ(fs::exists(dir_ / "out.DAT"), c.ok);
        if (c.esiste) {
            EXPECT_EQ(Leggi(arch), c.dopo);
        } else {
            EXPECT_FALSE(fs::exists(arch));
        }
        if (c.messaggio) {
            EXPECT_TRUE(sink_.Saw(c.messaggio));
        }
    }
}

TEST_F(PrtCtsTest, PregeoInstallationFoldersAndMArchive)
{
    for (int m : {0, 1}) {
        SCOPED_TRACE(m);
        fs::path base = dir_ / ("inst" + std::to_string(m));
        const char* dati = m ? "DATIm" : "DATI";
        const char* arch = m ? "ARCH2m" : "ARCH2";
        fs::create_directories(base / "PREGEO" / dati);
        fs::create_directories(base / "PREGEO" / "ARCH");
        Scrivi(base / "PREGEO" / "ARCH" / arch, kAltro1);
        doc_.GetOpzCts().SetUsaPregeo(true);
        doc_.GetOpzCts().SetPathPregeo(base.string());
        doc_.GetOpzCts().SetVal1(m);
        sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
        CPrtCts prt(nullptr, doc_, lib_, "");
        ASSERT_TRUE(prt.CreaFile());
        EXPECT_EQ(Leggi(base / "PREGEO" / dati / "2026123456.DAT"), Leggi(Dati("mixed.DAT")));
        EXPECT_EQ(Leggi(base / "PREGEO" / "ARCH" / arch), kAltro1 + kNostro);
    }
}

TEST_F(PrtCtsTest, NoCensusAndNoReportWriteNeitherHeading)
{
    CCts d;
    d.SetData("01", "02", "2026");
    d.SetProt("1");
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink_.ScriptAnswer(DGCT_ASK_FILE, (dir_ / "v.DAT").string());
    CPrtCts prt(nullptr, d, lib_, "");
    ASSERT_TRUE(prt.CreaFile());
    EXPECT_EQ(Leggi(dir_ / "v.DAT"), "0|01022026|1|||| |||\r\n");
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(PrtCtsTest, JobRowsOfNoJobWriteNothing)
{
    CCts d;
    d.SetData("01", "02", "2026");
    d.SetProt("1");
    for (int j : {0, -1, 3, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        d.AddRig('L')->SetIntero1(j);
        d.AddRig('S')->SetIntero1(j);
    }
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink_.ScriptAnswer(DGCT_ASK_FILE, (dir_ / "j.DAT").string());
    CPrtCts prt(nullptr, d, lib_, "");
    ASSERT_TRUE(prt.CreaFile());
    EXPECT_EQ(Leggi(dir_ / "j.DAT"), "0|01022026|1|||| |||\r\n");
}

TEST_F(PrtCtsTest, Cp1252BytesPassUnchanged)
{
    CCts d;
    d.SetData("01", "02", "2026");
    d.SetProt("1");
    d.SetTcnC("Nicol\xF2");                // CP1252 o grave
    d.AddRig('6')->SetEtichMat("citt\xE0 \x80");   // a grave, euro sign
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink_.ScriptAnswer(DGCT_ASK_FILE, (dir_ / "b.DAT").string());
    CPrtCts prt(nullptr, d, lib_, "");
    ASSERT_TRUE(prt.CreaFile());
    EXPECT_EQ(Leggi(dir_ / "b.DAT"), "0|01022026|1||||Nicol\xF2 |||\r\n6|citt\xE0 \x80|\r\n");
}

TEST_F(PrtCtsTest, TooLongCensusFieldsAreWarned)
{
    CCts d;
    CCensRig* c = d.AddCensRig('M');
    c->OrigPrinc = "1234567";   // width 5
    c->Qualita = "1234";        // width 3
    sink_.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink_.ScriptAnswer(DGCT_ASK_FILE, (dir_ / "c.DAT").string());
    CPrtCts prt(nullptr, d, lib_, "");
    ASSERT_TRUE(prt.CreaFile());
    EXPECT_EQ(prt.GetNuCampiTagliati(), 2);
    EXPECT_TRUE(sink_.Saw("2 campi dei dati censuari"));
}

}  // namespace
