#include "zor3mgen.h"

#include <hostui.h>
#include <zor1inif.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
std::string TempPath(const std::string& stem)
{
    return (std::filesystem::temp_directory_path() / ("rilievo_" + stem + "_" + std::to_string(::getpid()))).string();
}

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class ConvCodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CConvCod::SetFileTabellaPredefinita(std::nullopt);
        CConvCod::SetCancCodAlfPredefinito(std::nullopt);
        std::filesystem::remove(CIniFile::DefaultPath());
    }
    void TearDown() override
    {
        CConvCod::SetFileTabellaPredefinita(std::nullopt);
        CConvCod::SetCancCodAlfPredefinito(std::nullopt);
        std::filesystem::remove(table);
    }
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
    std::string table = TempPath("codici.txt");
};

TEST_F(ConvCodTest, WithoutATableEveryTextComesBackUnchanged)
{
    CConvCod c;
    EXPECT_FALSE(c.CancCodAlf);
    EXPECT_EQ(c.GetNuRegole(), 0);
    for (const char* t : {"", "OR muro", "  blanks kept  ", "\xe8 cp1252"}) {
        EXPECT_EQ(c.CodeConvertito(t), t);
        EXPECT_EQ(c.IdenConvertito(t), t);
        EXPECT_EQ(c.ModalitaConver(t), "");
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ConvCodTest, TableRulesConvertWholeCodesAndFirstWords)
{
    Write(table,
          "# codici del rilevatore\r\n"
          "; altro commento\n"
          "\n"
          "FE   = OR recinzione | RECINZIONI\r\n"
          "ALB=QU albero\n"
          "SPIG = PO\n"
          "senza uguale\n"
          " = nessun codice\n"
          "ALB = QU albero alto\n");   // replaces the earlier rule
    CConvCod::SetFileTabellaPredefinita(table);
    CConvCod c;
    EXPECT_EQ(c.GetNuRegole(), 3);
    EXPECT_EQ(c.GetRigheScartate(), 2);
    struct Case {
        const char* in;
        const char* out;
        const char* attr;
    } cases[] = {
        {"FE", "OR recinzione", "RECINZIONI"},
        {" FE ", "OR recinzione", "RECINZIONI"},
        {"FE 12", "OR recinzione 12", "RECINZIONI"},
        {"ALB", "QU albero alto", ""},
        {"SPIG", "PO", ""},
        {"fe", "fe", ""},          // case matters
        {"FEX", "FEX", ""},
        {"", "", ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(c.CodeConvertito(k.in), k.out) << k.in;
        EXPECT_EQ(c.IdenConvertito(k.in), k.out) << k.in;
        EXPECT_EQ(c.ModalitaConver(k.in), k.attr) << k.in;
    }
}

TEST_F(ConvCodTest, SettingsNameTheTableAndTheStripSwitch)
{
    Write(table, "X=OR\n");
    {
        CIniFile ini;
        ini.WriteString("CONV-COD", "FileTabella", table.c_str());
        ini.WriteBool("CONV-COD", "CancCodAlf", true);
    }
    CConvCod c;
    EXPECT_TRUE(c.CancCodAlf);
    EXPECT_EQ(c.CodeConvertito("X"), "OR");
    CConvCod::SetCancCodAlfPredefinito(false);
    CConvCod d;
    EXPECT_FALSE(d.CancCodAlf);
}

TEST_F(ConvCodTest, UnreadableTableIsReportedAndLeavesTheIdentity)
{
    CConvCod::SetFileTabellaPredefinita(TempPath("non_esiste.txt"));
    CConvCod c;
    EXPECT_EQ(c.CodeConvertito("FE"), "FE");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(sink.Saw("non_esiste"));
}
}  // namespace
