// Format 7: cadastral survey rows into the field book, in both layouts.
#include "ConvFileCts.h"
#include "FConvFile.h"
#include "book_dump.h"

#include <hostui.h>
#include <zor4dglc.h>

#include <gtest/gtest.h>

namespace {

class ConvCts : public ::testing::Test {
protected:
    std::vector<std::string> Converte(const std::string& stem, const std::string& bytes)
    {
        imptest::TempFile f(stem, bytes);
        std::string nome = f.path();
        {
            CConvFileCts conv(lib, &nome);
            EXPECT_TRUE(conv.Esegui());
        }
        return imptest::Dump(lib);
    }
    imptest::ScopedIni ini;
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, -1};
};

TEST_F(ConvCts, TheTwoLayouts)
{
    struct Caso {
        const char* stem;
        const char* file;
        std::vector<std::string> libro;
    } casi[] = {
        {"RILIEVO.PRE", "x1|S1|A|1.55|\n",
         {"J |||", "S S1||1.550000"}},
        {"RILIEVO.TXT", "x1|S1|A|1.55|\n",
         {"J |||", "S S1|A|0.000000"}},
        {"rilievo.txt", "x2|P7|z|123.4567|45.20|OR|\n",
         {"J |||", "S ||X", "P P7|OR||0.000000|45.200000|100.000000|123.456700"}},
        {"r.pre", "x0| Lavoro |\nx1|S1||1.5|\nx2|P1|1.3|c|10.5|99.5|0|\n",
         {"J  Lavoro |||", "S S1||1.500000", "P P1|c||1.300000|X|99.500000|10.500000"}},
        {"a.txt", "@x1|S1|A|\nx1\nx9|S1|A|\n", {}},
        {"b.txt", "x1|S1|A", {"J |||", "S S1|A|0.000000"}},   // last field without separator
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.stem);
        while (lib.GetJobArSize() > 0)
            lib.DelJobAt(0);
        EXPECT_EQ(Converte(c.stem, c.file), c.libro);
    }
}

TEST_F(ConvCts, ALongLineIsOneLine)
{
    std::string nome(500, 'N');
    auto libro = Converte("long.txt", "x1|" + nome + "|id|\nx2|P|z|1|2|c|\n");
    ASSERT_EQ(libro.size(), 3u);
    EXPECT_EQ(libro[1], "S " + nome + "|id|0.000000");
}

TEST_F(ConvCts, DispatchedAsFormat7)
{
    imptest::TempFile f("d.txt", "x1|S1|A|\n");
    sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, f.path());
    sink.ScriptAnswer(DGLC_ASK_FORMATO, std::string("7"));
    EXPECT_TRUE(FConvFileNoTopcon(lib));
    EXPECT_EQ(lib.GetStaArSize(0), 1);
}

TEST_F(ConvCts, MissingFile)
{
    std::string nome = "/nonexistent/x.pre";
    CConvFileCts conv(lib, &nome);
    EXPECT_FALSE(conv.Esegui());
    std::string vuoto;
    CConvFileCts conv2(lib, &vuoto);
    EXPECT_FALSE(conv2.Esegui());
}

}  // namespace
