// Point search by name and code, within a station and across the book.
#include "FindInLibCmp.h"
#include "LibCmp.h"
#include "test_util.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Book of the search tests (name/code of each point):
//   job 0: station 0: A/x B/y C/x   station 1: (no points)
//   job 1: (no stations)
//   job 2: station 0: D/y A/z
class Ricerca : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.AddJob();
        lib.AddJob();
        lib.AddJob();
        lib.AddSta(0);
        lib.AddSta(0);
        lib.AddSta(2);
        Pun(0, 0, "A", "x");
        Pun(0, 0, "B", "y");
        Pun(0, 0, "C", "x");
        Pun(2, 0, "D", "y");
        Pun(2, 0, "A", "z");
    }
    void Pun(int j, int i, const char* nome, const char* code)
    {
        CPun* p = lib.AddPun(j, i);
        p->SetNome(nome);
        p->SetCode(code);
    }
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
};

TEST_F(Ricerca, Local)
{
    CFindInLibCmp f(&lib);
    struct Case {
        const char* text;
        int mode, from, result;
    };
    const Case cases[] = {
        {"A", 1, 0, 0},  {"A", 1, 1, -1},   // only before the start
        {"x", 2, 1, 2},  {"x", 1, 0, -1},   // a code is not a name
        {"y", 3, 0, 1},  {"B", 0, 0, -1},   // mode 0 never matches
        {"C", 1, 3, -1}, {"C", 1, 99, -1}, {"A", 1, -5, 0}, {"a", 1, 0, -1},   // case counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " mode " + std::to_string(c.mode) + " from " + std::to_string(c.from));
        int k = c.from;
        EXPECT_EQ(f.TrovaPunLocal(c.text, c.mode, 0, 0, k), c.result);
        EXPECT_EQ(k, c.result >= 0 ? c.result : c.from);
    }
    int k = 0;
    EXPECT_EQ(f.TrovaPunLocal("A", 1, 7, 0, k), -1);   // no such station
}

TEST_F(Ricerca, Global)
{
    CFindInLibCmp f(&lib);
    struct Case {
        const char* text;
        int mode;
        int j, i, k;      // start
        int rj, ri, rk;   // expected position (-1: not found, start kept)
    };
    const Case cases[] = {
        {"A", 1, 0, 0, 0, 0, 0, 0},     // the start itself matches
        {"A", 1, 0, 0, 1, 2, 0, 1},     // the next occurrence
        {"A", 1, 2, 0, 2, 0, 0, 0},     // past the last: wraps to the first
        {"B", 1, 0, 0, 2, 0, 0, 1},     // only before the start in the starting station
        {"z", 2, 0, 1, 0, 2, 0, 1},     // from an empty station
        {"q", 3, 0, 0, 0, -1, -1, -1},  // nowhere
        {"D", 0, 0, 0, 0, -1, -1, -1},  // mode 0
        {"D", 1, 1, 0, 0, 2, 0, 0},     // a job without stations: whole book
        {"C", 1, 9, 9, 9, 0, 0, 2},     // start out of range: whole book
        {"C", 1, -1, 0, 0, 0, 0, 2},
        {"q", 1, 9, 9, 9, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.j) + "," + std::to_string(c.i) + "," +
                     std::to_string(c.k));
        int j = c.j, i = c.i, k = c.k;
        const int r = f.TrovaPunGlobal(c.text, c.mode, j, i, k);
        if (c.rj < 0) {
            EXPECT_EQ(r, -1);
            EXPECT_EQ(j, c.j);
            EXPECT_EQ(i, c.i);
            EXPECT_EQ(k, c.k);
        } else {
            EXPECT_EQ(r, c.rk);
            EXPECT_EQ(j, c.rj);
            EXPECT_EQ(i, c.ri);
            EXPECT_EQ(k, c.rk);
        }
    }
}

TEST(RicercaLimiti, EmptyBookAndOneStationEnd)
{
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
    CFindInLibCmp f(&lib);
    int j = 0, i = 0, k = 0;
    EXPECT_EQ(f.TrovaPunGlobal("A", 1, j, i, k), -1);   // no jobs
    lib.AddJob();
    EXPECT_EQ(f.TrovaPunGlobal("A", 1, j, i, k), -1);   // a job without stations
    lib.AddSta(0);
    EXPECT_EQ(f.TrovaPunGlobal("A", 1, j, i, k), -1);   // one station, no points
    lib.AddPun(0, 0)->SetNome("A");
    k = 1;
    EXPECT_EQ(f.TrovaPunGlobal("A", 1, j, i, k), 0);    // one station: found after the wrap
    k = 5;
    EXPECT_EQ(f.TrovaPunGlobal("B", 1, j, i, k), -1);
    EXPECT_EQ(k, 5);
    CFindInLibCmp none(nullptr);
    EXPECT_EQ(none.TrovaPunGlobal("A", 1, j, i, k), -1);
}

}  // namespace
