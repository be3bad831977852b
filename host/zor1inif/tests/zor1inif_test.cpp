#include "zor1inif.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("rilievo_ini_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        path_ = (dir_ / "sub" / "rilievo.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Read() const
    {
        std::ifstream in(path_);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    CIniFile ini(path_);
    EXPECT_EQ(ini.GetShort("CALC-DSOR", "Tipo", 3), 3);
    EXPECT_TRUE(ini.GetBool("CALC-DSOR", "Curv", true));
    EXPECT_DOUBLE_EQ(ini.GetDouble("CALC-DSOR", "K", 0.13), 0.13);
    char buf[8];
    EXPECT_EQ(ini.GetString("PERSIST", "NomeFileQdc", "default-name", buf, sizeof buf), 7);
    EXPECT_STREQ(buf, "default");   // cut to the buffer
    ini.GetLastFile("PERSIST", "LastLoadedFile", "LastStoredFile", "LastLoadedFile", "LastStoredFile", buf, sizeof buf);
    EXPECT_STREQ(buf, "");
    EXPECT_FALSE(fs::exists(path_));   // reading creates nothing
}

TEST_F(IniFileTest, ValuesSurviveWriteAndReread)
{
    {
        CIniFile ini(path_);
        EXPECT_TRUE(ini.WriteShort("OPZ-ELA", "Decimali", -12));
        EXPECT_TRUE(ini.WriteBool("OPZ-ELA", "Curvatura", true));
        EXPECT_TRUE(ini.WriteDouble("OPZ-ELA", "Rifrazione", 0.1300000000000001));
        EXPECT_TRUE(ini.WriteString("PERSIST", "LastStoredFile", "/dati/lavoro 1.lib"));
        EXPECT_TRUE(ini.WriteString("PERSIST", "Multi", "riga1\nriga2"));
    }
    EXPECT_TRUE(fs::exists(path_));   // the folder and the file were created
    CIniFile ini(path_);
    EXPECT_EQ(ini.GetShort("opz-ela", "DECIMALI", 0), -12);   // names match whatever their case
    EXPECT_TRUE(ini.GetBool("Opz-Ela", "curvatura", false));
    EXPECT_EQ(ini.GetDouble("OPZ-ELA", "Rifrazione", 0), 0.1300000000000001);
    EXPECT_EQ(ini.GetString("PERSIST", "Multi", ""), "riga1 riga2");
    char buf[64];
    ini.GetLastFile("PERSIST", "LastLoadedFile", "LastStoredFile", "LastLoadedFile", "LastStoredFile", buf, sizeof buf);
    EXPECT_STREQ(buf, "/dati/lavoro 1.lib");
}

TEST_F(IniFileTest, OverwritesInPlaceAndKeepsCommentsAndOtherKeys)
{
    fs::create_directories(fs::path(path_).parent_path());
    {
        std::ofstream out(path_);
        out << "; impostazioni\r\n[DIS-ETP]\r\nAltezza = 2.5\r\nColore=7\r\n\r\n[ALTRO]\r\nx=1\r\n";
    }
    CIniFile ini(path_);
    EXPECT_DOUBLE_EQ(ini.GetDouble("DIS-ETP", "altezza", 0), 2.5);
    EXPECT_TRUE(ini.WriteShort("dis-etp", "COLORE", 3));
    EXPECT_EQ(Read(), "; impostazioni\n[DIS-ETP]\nAltezza=2.5\nColore=3\n\n[ALTRO]\nx=1\n");
}

TEST_F(IniFileTest, UnreadableValuesGiveDefaults)
{
    fs::create_directories(fs::path(path_).parent_path());
    {
        std::ofstream out(path_);
        out << "[S]\nshort=70000\nbool=forse\ndouble=1,5\nnum=12abc\n";
    }
    CIniFile ini(path_);
    EXPECT_EQ(ini.GetShort("S", "short", 5), 5);
    EXPECT_EQ(ini.GetShort("S", "num", 5), 5);
    EXPECT_TRUE(ini.GetBool("S", "bool", true));
    EXPECT_DOUBLE_EQ(ini.GetDouble("S", "double", 9), 9);
}

TEST_F(IniFileTest, WriteIntoUnwritablePlaceFailsAndLeavesNothing)
{
    fs::create_directories(dir_);
    std::ofstream(dir_ / "file") << "x";
    CIniFile ini((dir_ / "file" / "rilievo.ini").string());   // a file where the folder should be
    EXPECT_FALSE(ini.WriteShort("S", "k", 1));
}

TEST(IniFilePath, EnvironmentChoosesTheFile)
{
    const char* old = std::getenv("RILIEVO_INI");
    const std::string saved = old ? old : "";
    ::setenv("RILIEVO_INI", "/tmp/rilievo-test-path.ini", 1);
    EXPECT_EQ(CIniFile::DefaultPath(), "/tmp/rilievo-test-path.ini");
    ::unsetenv("RILIEVO_INI");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(CIniFile::DefaultPath(), "/tmp/xdg/rilievo/rilievo.ini");
    if (old)
        ::setenv("RILIEVO_INI", saved.c_str(), 1);
}

TEST(ProgDir, NoTrailingSeparator)
{
    ::setenv("RILIEVO_HOME", "/opt/rilievo/", 1);
    EXPECT_EQ(CProgDir::GetProgDir(), "/opt/rilievo");
}
}  // namespace
