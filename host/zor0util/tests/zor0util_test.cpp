#include "zor0util.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Validity, LimitIsInvalidAndNonFiniteIsInvalid)
{
    EXPECT_TRUE(EstValido(8.4999e199));
    EXPECT_FALSE(EstValido(8.5e199));
    EXPECT_FALSE(EstValido(VAL_NON_VALIDO));
    EXPECT_FALSE(EstValido(kInf));
    EXPECT_FALSE(EstValido(kNaN));
    EXPECT_TRUE(EstValido(-1e300));
}

struct AngleCase {
    double in, to0_400, to200_200;
};

class AngleRanges : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleRanges, BringsDirectionIntoRange)
{
    const AngleCase c = GetParam();
    EXPECT_NEAR(LimiteAng0_400(c.in), c.to0_400, 1e-9);
    EXPECT_NEAR(LimiteAng200_200(c.in), c.to200_200, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Gon, AngleRanges,
    ::testing::Values(AngleCase{0, 0, 0}, AngleCase{400, 0, 0}, AngleCase{-1, 399, -1},
                      AngleCase{200, 200, 200}, AngleCase{250, 250, -150}, AngleCase{1250, 50, 50},
                      AngleCase{-800.5, 399.5, -0.5}, AngleCase{1e15 + 100, 100, 100}));

TEST(AngleRanges, InvalidAndHugeValuesNeverLoop)
{
    EXPECT_EQ(LimiteAng0_400(VAL_NON_VALIDO), VAL_NON_VALIDO);
    EXPECT_EQ(LimiteAng200_200(VAL_NON_VALIDO), VAL_NON_VALIDO);
    const double r = LimiteAng0_400(1e199);   // huge but valid: constant time, still in range
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 400.0);
    const double tiny = LimiteAng0_400(-1e-18);   // -1e-18 + 400 rounds to 400
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 400.0);
}

TEST(Directions, FromNorthTowardsEast)
{
    EXPECT_NEAR(AngoloDaAsseRifer(0, 1), 0, 1e-12);
    EXPECT_NEAR(AngoloDaAsseRifer(1, 0), 100, 1e-12);
    EXPECT_NEAR(AngoloDaAsseRifer(0, -1), 200, 1e-12);
    EXPECT_NEAR(AngoloDaAsseRifer(-1, 0), 300, 1e-12);
    EXPECT_NEAR(AngoloDaAsseRifer(1, 1), 50, 1e-12);
    EXPECT_EQ(AngoloDaAsseRifer(0, 0), 0);
    EXPECT_EQ(AngoloDaAsseRifer(VAL_NON_VALIDO, 1), VAL_NON_VALIDO);
    // 50 gon = 45 degrees: sin = cos = sqrt(2)/2
    EXPECT_NEAR(CalcCoordEst(10, 50), 7.0710678118654755, 1e-12);
    EXPECT_NEAR(CalcCoordNord(10, 50), 7.0710678118654755, 1e-12);
    EXPECT_NEAR(CalcCoordEst(5, 300), -5, 1e-12);
    EXPECT_EQ(CalcCoordEst(VAL_NON_VALIDO, 10), VAL_NON_VALIDO);
    const double d = 25.0, dir = 123.4567;
    EXPECT_NEAR(AngoloDaAsseRifer(CalcCoordEst(d, dir), CalcCoordNord(d, dir)), dir, 1e-10);
}

TEST(PlaneGeometry, DistancesTurnsAndIntersections)
{
    EXPECT_DOUBLE_EQ(Distanza2pt(0, 0, 3, 4), 5);
    EXPECT_DOUBLE_EQ(DistQuad2pt(1, 1, 4, 5), 25);
    EXPECT_EQ(Distanza2pt(0, 0, VAL_NON_VALIDO, 4), VAL_NON_VALIDO);
    EXPECT_EQ(ItrePtSonoInSensoAntiOrar(0, 0, 1, 0, 1, 1), 1);
    EXPECT_EQ(ItrePtSonoInSensoAntiOrar(0, 0, 1, 0, 1, -1), -1);
    EXPECT_EQ(ItrePtSonoInSensoAntiOrar(0, 0, 1, 1, 2, 2), 0);
    EXPECT_TRUE(IntersezLine(0, 0, 2, 2, 0, 2, 2, 0));
    EXPECT_FALSE(IntersezLine(0, 0, 1, 1, 2, 0, 3, 1));
    EXPECT_TRUE(IntersezLine(0, 0, 2, 0, 1, 0, 1, 5));   // touching counts
    EXPECT_FALSE(IntersezLine(0, 0, 1, 0, 2, 0, 3, 0));  // aligned, apart
}

struct RoundCase {
    double v;
    int n;
    double expected;
};

class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, HalvesAwayFromZero)
{
    const RoundCase c = GetParam();
    EXPECT_DOUBLE_EQ(ArrotondatoAtDec(c.v, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Decimals, Rounding,
    ::testing::Values(RoundCase{2.5, 0, 3}, RoundCase{-2.5, 0, -3}, RoundCase{1.2345, 3, 1.235},
                      RoundCase{-1.2344, 3, -1.234}, RoundCase{0.125, 2, 0.13}, RoundCase{123.456, -1, 120},
                      RoundCase{1e300, 4, 1e300}, RoundCase{VAL_NON_VALIDO, 3, VAL_NON_VALIDO}));

TEST(Rounding, ToStepAndWholeNumbers)
{
    EXPECT_DOUBLE_EQ(ArrotondatoAlVal(7.3, 0.5), 7.5);
    EXPECT_DOUBLE_EQ(ArrotondatoAlVal(-7.25, 0.5), -7.5);
    EXPECT_DOUBLE_EQ(ArrotondatoAlVal(7.3, 0), 7.3);
    EXPECT_DOUBLE_EQ(ArrotondatoAlVal(7.3, -1), 7.3);
    EXPECT_EQ(ArrotondatoAlVal(VAL_NON_VALIDO, 1), VAL_NON_VALIDO);
    EXPECT_EQ(LongRound(2.5), 3);
    EXPECT_EQ(LongRound(-2.5), -3);
    EXPECT_EQ(LongTrunk(-2.7), -2);
    EXPECT_EQ(LongTrunk(2.7), 2);
    EXPECT_EQ(IntRound(40000.0), 32767);
    EXPECT_EQ(IntRound(-40000.0), -32768);
    EXPECT_EQ(LongRound(VAL_NON_VALIDO), std::numeric_limits<long>::max());
    EXPECT_EQ(LongRound(kNaN), 0);
    EXPECT_EQ(DoubleTrunk(-3.9), -3);
    EXPECT_EQ(DoubleTrunk(VAL_NON_VALIDO), VAL_NON_VALIDO);
    EXPECT_TRUE(UgualeA(1.0, 1.0 + 1e-12));
    EXPECT_FALSE(UgualeA(1.0, 1.0001));
    EXPECT_TRUE(UgualeA(1e6, 1e6 + 1e-4));
}

TEST(NumbersAsText, WrittenWithPointInAnyLocale)
{
    const char* old = std::setlocale(LC_ALL, "it_IT.UTF-8");   // may be missing; the test holds either way
    EXPECT_EQ(StringDaDouble(3.14159, 0, 3), "3.142");
    EXPECT_EQ(StringDaDouble(-0.0001, 0, 3), "0.000");
    EXPECT_EQ(StringDaDouble(2.5, 8, 2), "    2.50");
    EXPECT_EQ(StringDaDouble(-12.25, 0, 1), "-12.2");   // exact binary half: to even, as printf does
    EXPECT_DOUBLE_EQ(DoubleDaString("  12.75 m"), 12.75);
    EXPECT_DOUBLE_EQ(DoubleDaString("+3"), 3);
    EXPECT_DOUBLE_EQ(DoubleDaString("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(DoubleDaString("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(DoubleDaString("7e"), 7);
    EXPECT_EQ(DoubleDaString(""), VAL_NON_VALIDO);
    EXPECT_EQ(DoubleDaString("abc"), VAL_NON_VALIDO);
    EXPECT_EQ(DoubleDaString("-"), VAL_NON_VALIDO);
    EXPECT_EQ(DoubleDaString("nan"), VAL_NON_VALIDO);
    EXPECT_EQ(DoubleDaString("1e999"), VAL_NON_VALIDO);
    EXPECT_EQ(DoubleDaString("1e-999"), 0.0);
    EXPECT_EQ(DoubleDaArChar(nullptr), VAL_NON_VALIDO);
    EXPECT_DOUBLE_EQ(DoubleDaArChar("0,5"), 0.0);   // "," is no decimal point: the number is 0
    EXPECT_EQ(IntDaString(" 42x"), 42);
    EXPECT_EQ(IntDaString("-7"), -7);
    EXPECT_EQ(IntDaString("99999999999"), 32767);
    EXPECT_EQ(IntDaString("x"), 0);
    if (old)
        std::setlocale(LC_ALL, "C");
}

TEST(TextHelpers, TrimUpperAndPaths)
{
    std::string s = " \t ab c \r\n";
    StringTrimBoth(s);
    EXPECT_EQ(s, "ab c");
    s = "  x  ";
    StringTrimLeft(s);
    EXPECT_EQ(s, "x  ");
    StringTrimRight(s);
    EXPECT_EQ(s, "x");
    s = "via \xE0 roma";   // CP1252 bytes stay as they are
    StringToUpper(s);
    EXPECT_EQ(s, "VIA \xE0 ROMA");

    struct PathCase {
        const char* path;
        const char* name;
        const char* dir;
    };
    for (const PathCase& c : {PathCase{"C:\\dati\\lib.qdc", "lib.qdc", "C:\\dati\\"},
                              PathCase{"/home/a/b.qdc", "b.qdc", "/home/a/"},
                              PathCase{"dir\\sub/x", "x", "dir\\sub/"}, PathCase{"solo", "solo", ""}}) {
        std::string n = c.path, d = c.path;
        EstraiIlNomeFile(n);
        EstraiIlPathFile(d);
        EXPECT_EQ(n, c.name) << c.path;
        EXPECT_EQ(d, c.dir) << c.path;
    }
    EXPECT_EQ(UnisciPath("/a/b", "c"), "/a/b/c");
    EXPECT_EQ(UnisciPath("C:\\a\\", "c"), "C:\\a\\c");
    EXPECT_EQ(UnisciPath("", "c"), "c");
}

TEST(TextHelpers, ProgressiveNumbers)
{
    EXPECT_EQ(IncrementaNuProg("P1", false, 1), "P2");
    EXPECT_EQ(IncrementaNuProg("P009", false, 1), "P010");
    EXPECT_EQ(IncrementaNuProg("99", true, 1), "100");
    EXPECT_EQ(IncrementaNuProg("S10", false, 5), "S15");
    EXPECT_EQ(IncrementaNuProg("LAVORO", true, 1), "LAVORO1");
    EXPECT_EQ(IncrementaNuProg("LAVORO", false, 1), "LAVORO");
    EXPECT_EQ(IncrementaNuProg(nullptr, true, 1), "1");
    EXPECT_EQ(IncrementaNuProg("A123456789012345678901", false, 1), "A123456789012345678901");
}

TEST(PointList, KeepsOrderAndAnswersOutOfRange)
{
    CPoint3dVector v;
    v.AddPoint(1, 2, 3, "A", "OR");
    v.AddPoint(4, 5, 6, "B", "");
    CPoint3dVector copy(v);
    v.DeleteAllPoints();
    EXPECT_EQ(v.GetNoPoits(), 0);
    ASSERT_EQ(copy.GetNoPoits(), 2);
    EXPECT_EQ(copy.GetNameAt(1), "B");
    EXPECT_EQ(copy.GetCodeAt(0), "OR");
    EXPECT_EQ(copy.GetZcoordAt(1), 6);
    EXPECT_EQ(copy.GetXcoordAt(2), VAL_NON_VALIDO);
    EXPECT_EQ(copy.GetNameAt(-1), "");
}
}  // namespace
