// The converters' base: what it appends to the book, the code conversion and
// the end-of-import messages; the entry points and their dispatch.
#include "ConvGen.h"
#include "FConvFile.h"
#include "book_dump.h"

#include <LibConOri.h>
#include <hostui.h>
#include <zor3mgen.h>
#include <zor4dglc.h>

#include <gtest/gtest.h>

namespace {

// A converter that only appends what the test tells it to.
class TestConv : public CConvGen {
public:
    using CConvGen::CConvGen;
    bool Esegui() override { return true; }
    void SetAvviso(int a) { m_iAvviso = a; }
};

class ConvGenTest : public ::testing::Test {
protected:
    void TearDown() override { CConvCod::SetFileTabellaPredefinita(std::nullopt); }
    imptest::ScopedIni ini;
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, -1};
    std::string name = "file.gt7";
};

TEST_F(ConvGenTest, PointOnAnEmptyBookCreatesJobAndStation)
{
    {
        TestConv c(lib, &name);
        EXPECT_EQ(c.GetJobCorr(), -1);
        c.AggiungePun("p1", "", "", 1.5, 10, 100, 0);
        EXPECT_EQ(c.GetJobCorr(), 0);
        EXPECT_EQ(c.GetStaCorr(), 0);
    }
    EXPECT_EQ(imptest::Dump(lib),
              (std::vector<std::string>{"J |||", "S ||X", "P p1|||1.500000|10.000000|100.000000|0.000000"}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ConvGenTest, StationGoesToTheLastExistingJob)
{
    for (int j = 0; j < 3; ++j)
        lib.AddJob()->SetNome("J" + std::to_string(j));
    TestConv c(lib, &name);
    EXPECT_EQ(c.GetJobCorr(), 2);
    c.AggiungeSta("s1", "", 1.6, VAL_NON_VALIDO, VAL_NON_VALIDO);
    EXPECT_EQ(lib.GetStaArSize(2), 1);
    EXPECT_EQ(lib.GetStaArSize(0) + lib.GetStaArSize(1), 0);
    c.AggiungeSta("s2", "", 1.6, VAL_NON_VALIDO, VAL_NON_VALIDO);
    EXPECT_EQ(c.GetStaCorr(), 1);
    c.AggiungeJob("nuovo", "op", "strum", "data");
    EXPECT_EQ(c.GetJobCorr(), 3);
    EXPECT_EQ(c.GetStaCorr(), -1);
    c.AggiungePun("p", "", "", 0, 1, 2, 3);   // a station is created in the new job
    EXPECT_EQ(lib.GetStaArSize(3), 1);
    EXPECT_EQ(lib.GetJobAt(3)->GetOper(), "op");
}

TEST_F(ConvGenTest, CodesAreConvertedAndBecomeCodeBits)
{
    imptest::TempFile table("codici.txt", "FE = OR recinzione | RECINZIONI\nST = QU\n");
    CConvCod::SetFileTabellaPredefinita(table.path());
    {
        TestConv c(lib, &name);
        c.AggiungeSta("s1", "ST", 1.5, VAL_NON_VALIDO, VAL_NON_VALIDO);
        c.AggiungePun("p1", "FE", "nota", 1.5, 10, 100, 0);
        c.AggiungePun("p2", "XX", "", 1.5, 10, 100, 0);
    }
    const CSta* s = lib.GetStaAt(0, 0);
    EXPECT_EQ(s->GetIden(), "QU");
    EXPECT_TRUE(s->IsCodedQU());
    const CPun* p1 = lib.GetPunAt(0, 0, 0);
    EXPECT_EQ(p1->GetCode(), "OR recinzione");
    EXPECT_TRUE(p1->IsCodedOR());
    EXPECT_EQ(p1->GetAttribDis(), "RECINZIONI");
    EXPECT_EQ(p1->GetNote(), "nota");
    const CPun* p2 = lib.GetPunAt(0, 0, 1);
    EXPECT_EQ(p2->GetCode(), "XX");
    EXPECT_EQ(p2->GetCodeEgn(), 0u);
    EXPECT_EQ(p2->GetAttribDis(), "");
}

TEST_F(ConvGenTest, StripSwitchRemovesTheLetterCodes)
{
    CConvCod::SetCancCodAlfPredefinito(true);
    {
        TestConv c(lib, &name);
        c.AggiungePun("p1", "OR muro", "", 0, 1, 2, 3);
    }
    CConvCod::SetCancCodAlfPredefinito(std::nullopt);
    const CPun* p = lib.GetPunAt(0, 0, 0);
    EXPECT_TRUE(p->IsCodedOR());
    EXPECT_EQ(p->GetCode(), "muro");
}

TEST_F(ConvGenTest, NoticesAreShownWhenTheConverterEnds)
{
    for (int notice : {1, 2}) {
        sink.messages.clear();
        {
            TestConv c(lib, &name);
            c.SetAvviso(notice);
            EXPECT_TRUE(sink.messages.empty());
        }
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, DglcGetString(notice == 1 ? 11376 : 11377));
        EXPECT_EQ(sink.messages[0].caption, DglcGetString(11374));
    }
}

// The entry points, with the file dialogs answered by the script.
class EntryTest : public ConvGenTest {
protected:
    bool DaStrum(const std::string& file)
    {
        sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, file);
        return FConvFileDaStrum(lib, 0);
    }
};

TEST_F(EntryTest, EndingChoosesTheConverter)
{
    imptest::TempFile dat("rilievo.dat", "GTS-7\nSTN s1,1.5\nSS p1,1.3\nSD 10,100,20\n");
    EXPECT_TRUE(DaStrum(dat.path()));   // lower-case "dat" is GTS-7
    EXPECT_EQ(lib.GetNuTotPun(), 1);
    EXPECT_TRUE(sink.messages.empty());

    struct Case {
        const char* name;
        const char* message;
    } cases[] = {
        {"ab", "non valido"},
        {"x.mm2", "non è ancora supportato"},
        {"x.MMT", "non è ancora supportato"},
        {"x.scr", "non è ancora supportato"},
        {"x.txt", "non riconosciuta"},
        {"nonesiste.gt7", nullptr},   // cannot be opened: false
    };
    for (const Case& c : cases) {
        sink.messages.clear();
        EXPECT_FALSE(DaStrum(c.name)) << c.name;
        if (c.message) {
            EXPECT_TRUE(sink.Saw(c.message)) << c.name;
        }
    }
    EXPECT_EQ(lib.GetNuTotPun(), 1);

    EXPECT_FALSE(FConvFileDaStrum(lib, 0));   // dialog cancelled
    sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, "");
    EXPECT_FALSE(FConvFileDaStrum(lib, 0));   // empty name
}

TEST_F(EntryTest, FormatNumbers)
{
    struct Case {
        const char* format;
        const char* message;
    } cases[] = {
        {"10", "non è ancora supportato"},
        {"1", "non è ancora supportato"},
        {"16", "non è ancora supportato"},
        {"0", "inesistente"},
        {"17", "inesistente"},
        {"abc", "inesistente"},
    };
    for (const Case& c : cases) {
        sink.messages.clear();
        sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, "file.txt");
        sink.ScriptAnswer(DGLC_ASK_FORMATO, c.format);
        EXPECT_FALSE(FConvFileNoTopcon(lib)) << c.format;
        EXPECT_TRUE(sink.Saw(c.message)) << c.format;
    }
    for (int f = 1; f <= NU_FORMATI_NO_TOPCON; ++f)
        EXPECT_FALSE(NomeFormatoNoTopcon(f).empty());
    EXPECT_TRUE(NomeFormatoNoTopcon(17).empty());
}

}  // namespace
