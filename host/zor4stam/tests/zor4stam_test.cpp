#include "zor4stam.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string Leggi(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class FileOut : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("rilievo_stam_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "rpt");
        const char* home = std::getenv("RILIEVO_HOME");
        oldHome_ = home ? home : "";
        ::setenv("RILIEVO_HOME", dir_.c_str(), 1);
    }
    void TearDown() override
    {
        ::setenv("RILIEVO_HOME", oldHome_.c_str(), 1);
        fs::remove_all(dir_);
    }
    fs::path dir_;
    std::string oldHome_;
};

TEST_F(FileOut, DataFileHasCrLfAndReplacesTheOldFileOnlyWhenClosed)
{
    fs::path target = dir_ / "A.DAT";
    std::ofstream(target) << "vecchio";
    {
        CFileOutTmp f;
        ASSERT_TRUE(f.IsFileAperto(target.string()));
        f.ScriviStringa("0", 3);
        f.ScriviStringa("|");
        f.ScriviNumero(-0.0004, 3);
        f.ScriviSpazi(2);
        f.ScriviStringaLn("x");
        EXPECT_EQ(Leggi(target), "vecchio");
        ASSERT_TRUE(f.ChiudeFile()) << f.GetErrore();
    }
    // "0" padded to 3; -0.0004 with 3 decimals is 0.000 without a sign.
    EXPECT_EQ(Leggi(target), "0  |0.000  x\r\n");
    EXPECT_FALSE(fs::exists(dir_ / "A.DAT.tmp"));
}

TEST_F(FileOut, DecimalPointIsADotInEveryLocale)
{
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no comma locale installed";
    CFileOutTmp f;
    ASSERT_TRUE(f.IsFileAperto((dir_ / "B.DAT").string()));
    f.ScriviNumero(1.5, 2);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(f.GetTesto(), "1.50");
}

TEST_F(FileOut, UnfinishedFileLeavesNothingBehind)
{
    {
        CFileOutTmp f;
        ASSERT_TRUE(f.IsFileAperto((dir_ / "C.DAT").string()));
        f.ScriviStringaLn("x");
    }
    EXPECT_FALSE(fs::exists(dir_ / "C.DAT"));
    EXPECT_FALSE(fs::exists(dir_ / "C.DAT.tmp"));
    CFileOutTmp g;
    EXPECT_FALSE(g.IsFileAperto((dir_ / "manca" / "C.DAT").string()));
    EXPECT_FALSE(g.GetErrore().empty());
}

TEST_F(FileOut, TabColumns)
{
    CFileOutTmp f;
    ASSERT_TRUE(f.IsFileAperto((dir_ / "D.DAT").string()));
    f.ScriviStringaTab("6", -1);
    f.ScriviStringaLn("a");
    f.ScriviStringaTab("12345", -1);
    f.ScriviStringaTab("x", 10);
    f.ScriviStringaLn();
    EXPECT_EQ(f.GetTesto(), "6   a\r\n12345   x \r\n");
}

TEST_F(FileOut, ReportFillsTheTemplate)
{
    std::ofstream(dir_ / "rpt" / "t.qdt") << "TITOLO {FILE}\n{CORPO}\nrighe {RIGHE}\n";
    CFileOutTmp f;
    ASSERT_TRUE(f.IsFileAperto("rpt\\t.qdt"));
    f.ScriviStringaLn("uno");
    f.ScriviStringaLn("due");
    ASSERT_TRUE(f.ChiudeFile());
    fs::path dat = dir_ / "X.DAT";
    ASSERT_TRUE(f.StampaReport("t", dat.string())) << f.GetErrore();
    EXPECT_EQ(f.GetFileReport(), (dir_ / "X.txt").string());
    EXPECT_EQ(Leggi(dir_ / "X.txt"), "TITOLO " + dat.string() + "\r\nuno\r\ndue\r\nrighe 2\r\n");

    CFileOutTmp g;
    EXPECT_FALSE(g.IsFileAperto("rpt/manca.qdt"));
}
}  // namespace
