// Reduction of slope distances and zenith angles, face correction, and point
// coordinates from an oriented station (and back).
#include "LibCmp.h"
#include "test_util.h"

#include <LibConOri.h>
#include <zor0util.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string DataPath(const std::string& name)
{
    const char* dir = std::getenv("RILIEVO_TEST_DATA");
    return std::string(dir ? dir : "data") + "/" + name;
}

CCalcDsOr Settings(bool sfer, bool ridu, bool fatt, double k, double r, double hm, double scale)
{
    CCalcDsOr c;
    c.SetSferRifr(sfer);
    c.SetRiduGeoi(ridu);
    c.SetFattScal(fatt);
    c.SetIndcRifr(k);
    c.SetRaggTerr(r);
    c.SetQuotMedi(hm);
    c.SetValScala(scale);
    return c;
}

CCalcDsOr Plain()
{
    return Settings(false, false, false, 0.14, 6372500.0, 0.0, 1.0);
}

class Reduction : public ::testing::Test {
protected:
    testutil::ScopedIni ini;
};

// reduction_cases.csv comes from make_reduction_cases.py (textbook formulas,
// standard-library Python), kept beside it.
TEST_F(Reduction, AgreesWithTheReferenceTable)
{
    std::ifstream in(DataPath("reduction_cases.csv"));
    ASSERT_TRUE(in) << DataPath("reduction_cases.csv");
    std::string line;
    std::getline(in, line);   // heading
    int rows = 0;
    while (std::getline(in, line)) {
        std::vector<double> v;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ','))
            v.push_back(std::strtod(cell.c_str(), nullptr));
        ASSERT_EQ(v.size(), 13u) << line;
        const CCalcDsOr c = Settings(v[0] != 0, v[1] != 0, v[2] != 0, v[3], v[4], v[5], v[6]);
        EXPECT_NEAR(c.CalcDistOr(v[7], v[8]), v[11], 1e-9) << line;
        EXPECT_NEAR(c.CalcDisliv(v[7], v[8], v[9], v[10]), v[12], 1e-9) << line;
        ++rows;
    }
    EXPECT_GE(rows, 15);
}

TEST_F(Reduction, HandValues)
{
    const CCalcDsOr plain = Plain();
    EXPECT_NEAR(plain.CalcDistOr(100, 100), 100.0, 1e-12);
    EXPECT_NEAR(plain.CalcDisliv(50, 100, 1.5, 1.5), 0.0, 1e-7);   // heights cancel
    // 0.9996 * 100
    EXPECT_NEAR(Settings(false, false, true, 0.14, 6372500, 0, 0.9996).CalcDistOr(100, 100), 99.96, 1e-9);
    const CCalcDsOr curv = Settings(true, false, false, 0.14, 6372500, 0, 1);
    EXPECT_NEAR(curv.CalcDistOr(1000, 100), 1000.0, 1e-6);
    // 1000^2 * (1 - 0.14) / (2 * 6372500) = 0.0674774...
    EXPECT_NEAR(curv.CalcDisliv(1000, 100, 0, 0), 1e6 * 0.86 / 12745000.0, 1e-6);
    // The reduction to the reference surface needs the curvature correction.
    EXPECT_NEAR(Settings(false, true, false, 0.14, 6372500, 1000, 1).CalcDistOr(100, 100), 100.0, 1e-12);
    EXPECT_NEAR(Settings(true, true, false, 0.14, 6372500, 1000, 1).CalcDistOr(100, 100),
                100.0 * 6372500.0 / 6373500.0, 1e-6);
}

TEST_F(Reduction, InvalidArgumentsGiveInvalidResults)
{
    const double X = VAL_NON_VALIDO;
    const CCalcDsOr all = Settings(true, true, true, 0.14, 6372500, 100, 0.9996);
    struct Case {
        double di, z, hs, hp;
        bool distValid, dhValid;
    } cases[] = {
        {X, 100, 0, 0, false, false},
        {100, X, 0, 0, false, false},
        {100, 100, X, 0, true, false},
        {100, 100, 0, X, true, false},
        {9e199, 100, 0, 0, false, false},
        {std::nan(""), 100, 0, 0, false, false},
        {100, std::numeric_limits<double>::infinity(), 0, 0, false, false},
    };
    for (const CCalcDsOr& c : {Plain(), all}) {
        for (const Case& k : cases) {
            EXPECT_EQ(EstValido(c.CalcDistOr(k.di, k.z)), k.distValid) << k.di << " " << k.z;
            EXPECT_EQ(EstValido(c.CalcDisliv(k.di, k.z, k.hs, k.hp)), k.dhValid) << k.di << " " << k.z;
            if (!k.distValid) {
                EXPECT_EQ(c.CalcDistOr(k.di, k.z), VAL_NON_VALIDO);
            }
        }
    }
}

TEST(FaceCorrection, Cases)
{
    const double X = VAL_NON_VALIDO;
    struct Case {
        double z, hz;
        double zOut, hzOut;
        unsigned long result;
    } cases[] = {
        {300, 50, 100, 250, 1},
        {99.5, 410, 99.5, 10, 0},
        {200, 100, 200, 300, 1},
        {250, 150, 150, 350, 1},
        {399.9, 0, 0.1, 200, 1},
        {300, X, 100, X, 1},          // an invalid reading stays invalid
        {99.5, X, 99.5, X, 0},
        {X, 50, X, 50, 0},
        {X, 450, X, 50, 0},
        {100, -10, 100, 390, 0},
    };
    for (const Case& c : cases) {
        double z = c.z;
        double hz = c.hz;
        EXPECT_EQ(CalcoloDrittoOCap(z, hz), c.result) << c.z << " " << c.hz;
        EXPECT_NEAR(z, c.zOut, 1e-9) << c.z;
        if (EstValido(c.hzOut)) {
            EXPECT_NEAR(hz, c.hzOut, 1e-9) << c.hz;
        } else {
            EXPECT_FALSE(EstValido(hz)) << c.z << " " << c.hz;
        }
    }
}

class PointCalc : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.AddJob();
        sta = lib.AddSta(0);
        sta->SetCoordX(1000.0);
        sta->SetCoordY(2000.0);
        sta->SetCoordZ(100.0);
        sta->CalcolaValiditaXYZ();
        sta->SetAltStr(1.5);
        sta->SetAnCoAz(50.0);
        pun = lib.AddPun(0, 0);
        pun->SetAltPri(1.3);
    }
    testutil::ScopedIni ini;
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, 0};
    CSta* sta = nullptr;
    CPun* pun = nullptr;
    CCalcDsOr calc = Plain();
};

TEST_F(PointCalc, RadiationFromTheStation)
{
    // Reading 50 + orientation 50 = azimuth 100 gon (due east); horizontal
    // sight: D = 100, dh = 0 + 1.5 - 1.3 = 0.2 (cos of the ten-digit pi/2 is
    // -2e-10, 2e-8 m on 100 m).
    pun->SetDtIntAng(100.0, 100.0, 50.0);
    pun->CalcolaCoordAssolute(true, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1100.0, 1e-7);
    EXPECT_NEAR(pun->GetCoordY(), 2000.0, 1e-7);
    EXPECT_NEAR(pun->GetCoordZ(), 100.2, 1e-7);
    EXPECT_EQ(pun->GetVldtEgn(), 3);
    EXPECT_EQ(pun->GetCdElPt(), 0u);
    EXPECT_NEAR(pun->GetDiOr(), 100.0, 1e-7);

    // Face II of the same sight gives the same point.
    pun->SetDtIntAng(100.0, 300.0, 250.0);
    pun->CalcolaCoordAssolute(true, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1100.0, 1e-7);
    EXPECT_NEAR(pun->GetCoordY(), 2000.0, 1e-7);
    EXPECT_EQ(pun->GetCdElPt(), 1u);
    EXPECT_NEAR(pun->GetAngO(), 50.0, 1e-9);

    // Slope 50 m at zenith 90 gon, reading 350 (azimuth 0, north):
    // D = 50 sin(90 gon) = 49.38441703, dh = 50 cos(90 gon) + 0.2 = 8.02172324.
    pun->SetDtIntAng(50.0, 90.0, 350.0);
    pun->CalcolaCoordAssolute(true, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1000.0, 1e-7);
    EXPECT_NEAR(pun->GetCoordY(), 2049.38441703, 1e-7);
    EXPECT_NEAR(pun->GetCoordZ(), 108.02172324, 1e-7);
}

TEST_F(PointCalc, PlaneComputationHasNoHeight)
{
    pun->SetDtIntAng(100.0, 100.0, 50.0);
    pun->CalcolaCoordAssolute(false, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1100.0, 1e-7);
    EXPECT_EQ(pun->GetCoordZ(), VAL_NON_VALIDO);
    EXPECT_EQ(pun->GetVldtEgn(), 1);
}

TEST_F(PointCalc, MissingValuesClearTheCoordinates)
{
    const double X = VAL_NON_VALIDO;
    struct Case {
        const char* what;
        double sd, z, hz, anCoAz, altPri;
        bool threeD;
        int validity;
    } cases[] = {
        {"angles only", X, 100, 50, 50, 1.3, true, 0},
        {"angles only, plane", X, 100, 50, 50, 1.3, false, 0},
        {"no horizontal reading", 100, 100, X, 50, 1.3, true, 0},
        {"no zenith angle", 100, X, 50, 50, 1.3, false, 0},
        {"station not oriented", 100, 100, 50, X, 1.3, true, 0},
        {"no target height", 100, 100, 50, 50, X, true, 0},
        {"no target height, plane", 100, 100, 50, 50, X, false, 1},
    };
    for (const Case& c : cases) {
        pun->SetCoordX(5.0);
        pun->SetCoordY(5.0);
        pun->SetCoordZ(5.0);
        pun->CalcolaValiditaXYZ();
        pun->SetAltPri(c.altPri);
        sta->SetAnCoAz(c.anCoAz);
        pun->SetDtIntAng(c.sd, c.z, c.hz);
        pun->CalcolaCoordAssolute(c.threeD, calc);
        EXPECT_EQ(pun->GetVldtEgn(), c.validity) << c.what;
        if (c.validity == 0) {
            EXPECT_EQ(pun->GetCoordX(), VAL_NON_VALIDO) << c.what;
            EXPECT_EQ(pun->GetCoordY(), VAL_NON_VALIDO) << c.what;
        }
    }
}

TEST_F(PointCalc, StationWithoutHeightGivesAPlanePoint)
{
    sta->SetCoordZ(VAL_NON_VALIDO);
    pun->SetDtIntAng(100.0, 100.0, 50.0);
    pun->CalcolaCoordAssolute(true, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1100.0, 1e-7);
    EXPECT_EQ(pun->GetCoordZ(), VAL_NON_VALIDO);
    EXPECT_EQ(pun->GetVldtEgn(), 1);
}

TEST_F(PointCalc, OtherRawDataKindsAreNotReduced)
{
    pun->SetDtIntDsl(100.0, 100.0, 50.0);
    pun->CalcolaDatiRelativi(1.5, calc);
    EXPECT_EQ(pun->GetDiOr(), VAL_NON_VALIDO);
    EXPECT_EQ(pun->GetDfQu(), VAL_NON_VALIDO);
    EXPECT_EQ(pun->GetAngV(), VAL_NON_VALIDO);
    EXPECT_EQ(pun->GetDiIn(), VAL_NON_VALIDO);
}

TEST_F(PointCalc, ReadingsFromKnownCoordinates)
{
    // Station (1000, 2000, 100), hs 1.5, orientation 50; point (1030, 2040,
    // 102), hp 1.3. d = 50 (3-4-5), azimuth = atan2(30, 40) = 40.96655293 gon,
    // reading = 40.96655293 - 50 + 400 = 390.96655293; dz = 2 - 1.5 + 1.3 = 1.8,
    // zenith = 100 - atan2(1.8, 50) in gon = 97.70915812, slope = sqrt(1.8^2 + 50^2)
    // = 50.03238951.
    pun->SetCoordEtCalcMisure(true, 1030.0, 2040.0, 102.0, 0.0, 0.0);
    EXPECT_EQ(pun->GetTipoDtInt(), DT_INT_ANG);
    EXPECT_NEAR(pun->GetDato0(), 50.03238951, 1e-8);
    EXPECT_NEAR(pun->GetDato1(), 97.70915812, 1e-8);
    EXPECT_NEAR(pun->GetDato2(), 390.96655293, 1e-8);
    EXPECT_EQ(pun->GetVldtEgn(), 3);

    // Rounded to millimetres and tenths of a milligon.
    pun->SetCoordEtCalcMisure(true, 1030.0, 2040.0, 102.0, 0.001, 0.0001);
    EXPECT_NEAR(pun->GetDato0(), 50.032, 1e-12);
    EXPECT_NEAR(pun->GetDato1(), 97.7092, 1e-12);
    EXPECT_NEAR(pun->GetDato2(), 390.9666, 1e-12);

    // Plane: zenith 100, slope = horizontal distance.
    pun->SetCoordEtCalcMisure(false, 1030.0, 2040.0, VAL_NON_VALIDO, 0.0, 0.0);
    EXPECT_NEAR(pun->GetDato0(), 50.0, 1e-12);
    EXPECT_EQ(pun->GetDato1(), 100.0);
    EXPECT_EQ(pun->GetVldtEgn(), 1);

    // And forward again: the readings give the coordinates back.
    pun->SetCoordEtCalcMisure(true, 1030.0, 2040.0, 102.0, 0.0, 0.0);
    pun->CalcolaCoordAssolute(true, calc);
    EXPECT_NEAR(pun->GetCoordX(), 1030.0, 1e-6);
    EXPECT_NEAR(pun->GetCoordY(), 2040.0, 1e-6);
    EXPECT_NEAR(pun->GetCoordZ(), 102.0, 1e-6);
}

TEST_F(PointCalc, ReadingsNeedValidValues)
{
    const double X = VAL_NON_VALIDO;
    struct Case {
        const char* what;
        double x, y, z, staX, staZ, altStr, anCoAz, altPri;
        bool threeD;
    } cases[] = {
        {"x invalid", X, 2040, 102, 1000, 100, 1.5, 50, 1.3, false},
        {"y invalid", 1030, X, 102, 1000, 100, 1.5, 50, 1.3, false},
        {"station without coordinates", 1030, 2040, 102, X, 100, 1.5, 50, 1.3, false},
        {"station not oriented", 1030, 2040, 102, 1000, 100, 1.5, X, 1.3, false},
        {"z invalid", 1030, 2040, X, 1000, 100, 1.5, 50, 1.3, true},
        {"station height invalid", 1030, 2040, 102, 1000, X, 1.5, 50, 1.3, true},
        {"instrument height invalid", 1030, 2040, 102, 1000, 100, X, 50, 1.3, true},
        {"target height invalid", 1030, 2040, 102, 1000, 100, 1.5, 50, X, true},
    };
    for (const Case& c : cases) {
        sta->SetCoordX(c.staX);
        sta->SetCoordZ(c.staZ);
        sta->SetAltStr(c.altStr);
        sta->SetAnCoAz(c.anCoAz);
        pun->SetAltPri(c.altPri);
        pun->AnnullaCoor();
        pun->SetDtIntAng(1.0, 2.0, 3.0);
        pun->SetCoordEtCalcMisure(c.threeD, c.x, c.y, c.z, 0.0, 0.0);
        EXPECT_EQ(pun->GetDato0(), 1.0) << c.what;
        EXPECT_EQ(pun->GetDato2(), 3.0) << c.what;
        EXPECT_EQ(pun->GetVldtEgn(), 0) << c.what;
    }
}

}  // namespace
