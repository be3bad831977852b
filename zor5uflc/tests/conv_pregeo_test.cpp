// The PREGEO file read back: the golden mixed survey round trip, the rows
// one by one, and the result file.
#include "ConvFilePregeo.h"
#include "book_dump.h"

#include <LibCmp.h>
#include <PrtCts.h>
#include <hostui.h>
#include <zor3dtct.h>
#include <zor4dgct.h>
#include <zor4dglc.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string Leggi(const std::string& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Golden()
{
    // The writer's golden file, beside this folder's own fixtures.
    return imptest::DataPath("../../../zor5stct/tests/data/mixed.DAT");
}

class PregeoImport : public ::testing::Test {
protected:
    // Writes the book and document as a PREGEO file and returns its bytes.
    std::string Scrive(CCts& doc)
    {
        imptest::TempFile out("riscritto.DAT", "");
        sink.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
        sink.ScriptAnswer(DGCT_ASK_FILE, out.path());
        CPrtCts prt(nullptr, doc, lib, "");
        EXPECT_TRUE(prt.CreaFile());
        return Leggi(out.path());
    }

    imptest::ScopedIni ini;
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, -1};
    CCts doc;
};

TEST_F(PregeoImport, GoldenFileReadBackAndWrittenAgainIsIdentical)
{
    bool coord = true;
    ASSERT_TRUE(FLoadFilePregeo(lib, doc, Golden().c_str(), coord));
    EXPECT_FALSE(coord);   // no result file beside it
    // Measurements come back as horizontal sights (zenith 100) of the reduced distance.
    std::vector<std::string> atteso = {
        "J Lavoro1|Rossi|TS30|05/03/2026",
        "S S1|Picchetto|0.000000",
        "P P1|spigolo||0.000000|100.000000|100.000000|50.000000",
        "P P2|||0.000000|50.500000|100.000000|50.000000",
        "P P3|||0.000000|79.965000|100.000000|123.456800",
        "P PF12/0034|||0.000000|25.000000|100.000000|10.000000",
        "P P6|||0.000000|X|100.000000|X",
        "S S3||0.000000",
        "P P9|||0.000000|12.346000|100.000000|0.000000",
        "J Lavoro2|Bianchi||06/03/2026",
        "S 200|vertice/A|0.000000",
        "P P/7|a/b||0.000000|30.000000|100.000000|200.000000",
    };
    EXPECT_EQ(imptest::Dump(lib), atteso);
    ASSERT_EQ(lib.GetOriArSize(), 2);
    EXPECT_EQ(lib.GetOriAt(0)->GetNome(), "PF01/0001");
    EXPECT_DOUBLE_EQ(lib.GetOriAt(0)->GetCoordY(), 5000.123);
    EXPECT_DOUBLE_EQ(lib.GetOriAt(0)->GetCoordX(), 1500.5);
    EXPECT_EQ(lib.GetOriAt(0)->GetAttendib(), 2);
    EXPECT_EQ(lib.GetOriAt(0)->GetComm(), "Spigolo fabbricato");
    EXPECT_EQ(doc.GetProt(), "123456");
    EXPECT_EQ(doc.GetQualifica(), "1");
    EXPECT_EQ(doc.GetRelazArSize(), 4);
    EXPECT_EQ(doc.GetOrdineCens(), "MFA");
    EXPECT_EQ(doc.GetCensRigArSize(), 3);

    const std::string golden = Leggi(Golden());
    const std::string prima = Scrive(doc);
    EXPECT_EQ(prima, golden);
    // And once more through the document's own text file.
    CCts copia;
    std::string err;
    ASSERT_TRUE(copia.LeggeDaTesto(doc.SalvaInTesto(), err)) << err;
    EXPECT_EQ(Scrive(copia), golden);
}

TEST_F(PregeoImport, RowsOneByOne)
{
    CConvFilePregeo conv(lib, doc);
    conv.LeggeTesto(
        "2|P0|10|20||\r\n"                         // a point before any station: nothing
        "8|A12|5000.000|1500.000||Spigolo|\r\n"   // Attendib left at 1
        "8|A13|1|2|4|senza separatore finale\r\n"
        "9|150|2|3|E|7.52-G|L2|M|\r\n"
        "9|150|2|3|E|7.51-G|M|\r\n"
        "6|" + std::string(400, 'x') + "|\r\n"
        "X|not a row|\r\n"
        "\r\n");
    EXPECT_EQ(lib.GetJobArSize(), 0);
    ASSERT_EQ(lib.GetOriArSize(), 2);
    const COri* a = lib.GetOriAt(0);
    EXPECT_EQ(a->GetNome(), "A12");
    EXPECT_EQ(a->GetCoordY(), 5000.0);
    EXPECT_EQ(a->GetCoordX(), 1500.0);
    EXPECT_EQ(a->GetAttendib(), 1);
    EXPECT_EQ(a->GetComm(), "Spigolo");
    EXPECT_TRUE(a->EstValidoXY());
    EXPECT_EQ(lib.GetOriAt(1)->GetComm(), "senza separatore finale");
    EXPECT_EQ(lib.GetOriAt(1)->GetAttendib(), 4);
    // Document rows: the fiducial marker once, two rows 9, one long row 6.
    ASSERT_EQ(doc.GetRigArSize(), 4);
    EXPECT_EQ(doc.GetRigAt(0)->GetTipo(), '8');
    EXPECT_EQ(doc.GetRigAt(1)->GetEtich2(), "L2");
    EXPECT_EQ(doc.GetRigAt(1)->GetEtichMat(), "M");
    EXPECT_EQ(doc.GetRigAt(2)->GetEtich2(), "");
    EXPECT_EQ(doc.GetRigAt(2)->GetEtichMat(), "M");
    EXPECT_EQ(doc.GetRigAt(3)->GetEtichMat(), std::string(400, 'x'));
}

TEST_F(PregeoImport, StationsWithoutAJobHeaderGoToANewJob)
{
    CConvFilePregeo conv(lib, doc);
    conv.LeggeTesto("1|S1||\n2|P1|10.0000|5.000|c|\n");
    ASSERT_EQ(lib.GetJobArSize(), 1);
    ASSERT_EQ(lib.GetPunArSize(0, 0), 1);
    EXPECT_EQ(lib.GetPunAt(0, 0, 0)->GetDato0(), 5.0);
    ASSERT_EQ(doc.GetRigArSize(), 1);
    EXPECT_EQ(doc.GetRigAt(0)->GetTipo(), 'S');
    EXPECT_EQ(doc.GetRigAt(0)->GetIntero1(), 1);
}

TEST_F(PregeoImport, VertexRowsKeepTheirStyles)
{
    // A style change ends a line on the vertex where it changes; ten vertices end a line.
    CConvFilePregeo conv(lib, doc);
    conv.LeggeTesto(
        "7|14|A|B|C|NC|e1|e2|m|\n"
        "7|0|D|E|F|G|H|I|J|K|L|M|VD|\n"
        "7|0|N|PT|\n");
    ASSERT_EQ(doc.GetRigArSize(), 1);
    CRig* r = doc.GetRigAt(0);
    ASSERT_EQ(r->GetVrtArSize(), 14);
    EXPECT_EQ(r->GetIntero1(), 1);
    EXPECT_EQ(r->GetEtich1(), "e1");
    EXPECT_EQ(r->GetVrtAt(1)->GetColore(), 'N');
    EXPECT_EQ(r->GetVrtAt(2)->GetColore(), 'V');   // C carries the next line's style
    EXPECT_EQ(r->GetVrtAt(11)->GetColore(), 'V');
    EXPECT_EQ(r->GetVrtAt(12)->GetColore(), 'P');   // M carries the next line's style
    EXPECT_EQ(r->GetVrtAt(13)->GetTpLinea(), 'T');
}

TEST_F(PregeoImport, ResultFileGivesCoordinatesToStationsAndPoints)
{
    const std::string dat = imptest::TempPath("rilievo.DAT");
    const std::string out = dat.substr(0, dat.size() - 4) + ".out";
    std::ofstream(dat, std::ios::binary) << "6|Lavoro: L - Operatore: O 01/01/2026|\r\n"
                                            "1|S1||\r\n2|P1|10.0000|5.000||\r\n2|A12|20.0000|6.000||\r\n"
                                            "8|A12|5000.000|1500.000|1||\r\n";
    std::ofstream(out, std::ios::binary) << "Punto   X   Y\r\nS1 100.5 200.25\r\nP1|110|210|\r\nA12\t1500 5000\r\nZZ 1 2\r\n";
    bool coord = false;
    ASSERT_TRUE(FLoadFilePregeo(lib, doc, dat.c_str(), coord));
    EXPECT_TRUE(coord);
    const CSta* s = lib.GetStaAt(0, 0);
    EXPECT_EQ(s->GetCoordX(), 100.5);
    EXPECT_EQ(s->GetCoordY(), 200.25);
    EXPECT_TRUE(s->EstValidoXY());
    EXPECT_GE(s->GetAnCoAz(), 8.5e199);
    const CPun* p1 = lib.GetPunAt(0, 0, 0);
    const CPun* a12 = lib.GetPunAt(0, 0, 1);
    EXPECT_EQ(p1->GetCoordX(), 110.0);
    EXPECT_TRUE(p1->IsCodedPO());
    EXPECT_FALSE(p1->IsCodedOR());
    EXPECT_TRUE(a12->IsCodedOR());   // an orientation point of that name exists
    std::filesystem::remove(dat);
    std::filesystem::remove(out);
}

TEST_F(PregeoImport, MissingFilesAndCancelledDialog)
{
    bool coord = true;
    EXPECT_FALSE(FLoadFilePregeo(lib, doc, "/nonexistent/x.DAT", coord));
    EXPECT_FALSE(coord);
    sink.ScriptAnswer(DGLC_ASK_FILE_PREGEO, std::nullopt);
    EXPECT_FALSE(FImportFilePregeo(lib, doc, coord));
    sink.ScriptAnswer(DGLC_ASK_FILE_PREGEO, Golden());
    EXPECT_TRUE(FImportFilePregeo(lib, doc, coord));
    EXPECT_EQ(lib.GetJobArSize(), 2);
}

TEST(PregeoImportTexts, RecognitionTextsMatchTheWriter)
{
    // The importer recognises rows 6 by the texts the writer puts there.
    EXPECT_EQ(DgctGetString(10782), "Lavoro: ");
    EXPECT_EQ(DgctGetString(10783), " - Operatore: ");
    EXPECT_EQ(DgctGetString(10784), "Strumento: ");
    EXPECT_EQ(DgctGetString(10785), "Quota media del rilievo: ");
    EXPECT_EQ(DgctGetString(10786), "RELAZIONE TECNICA");
    EXPECT_EQ(DgctGetString(10787), "FINE RELAZIONE TECNICA");
    EXPECT_EQ(DgctGetString(10788).rfind("DATI CENSUARI", 0), 0u);
    EXPECT_EQ(DgctGetString(10796).rfind("DATI CENSUARI", 0), 0u);
}

}  // namespace
