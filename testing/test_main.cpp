// The main of every test program. Before any test runs it sets up the
// environment the tests rely on:
//  - RILIEVO_TEST_DATA: the program's fixture folder (unless already set);
//  - RILIEVO_HOME: the source folder, where the suite's data files live (unless set);
//  - RILIEVO_INI: always a private settings file of this process, removed at
//    the end, so that no test reads or writes the user's own settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#ifndef RILIEVO_TEST_DATA_DIR
#error "RILIEVO_TEST_DATA_DIR must name the fixture folder"
#endif
#ifndef RILIEVO_SOURCE_DIR
#error "RILIEVO_SOURCE_DIR must name the source folder"
#endif

int main(int argc, char** argv)
{
    ::setenv("RILIEVO_TEST_DATA", RILIEVO_TEST_DATA_DIR, 0);
    ::setenv("RILIEVO_HOME", RILIEVO_SOURCE_DIR, 0);
    const std::string ini = (std::filesystem::temp_directory_path() /
                             ("rilievo_test_" + std::to_string(::getpid()) + ".ini"))
                                .string();
    ::setenv("RILIEVO_INI", ini.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove(ini, ec);
    return result;
}
