#include "Egn.h"
#include "fpstream.h"
#include "test_files.h"

#include <zor0util.h>

#include <gtest/gtest.h>

using testfiles::DataPath;
using testfiles::ReadAll;
using testfiles::TempFile;

namespace {
TEST(Egn, NewEntityIsInvalidAndUncoded)
{
    CEgn e;
    EXPECT_EQ(e.GetVldtEgn(), 0);
    EXPECT_EQ(e.GetCodeEgn(), 0u);
    EXPECT_EQ(e.GetCoordX(), 1.7e200);
    EXPECT_EQ(e.GetCoordZ(), 1.7e200);
    EXPECT_FALSE(e.EstValidoXY());
    EXPECT_EQ(e.GetNome(), "");
}

struct ValidityCase {
    double x, y, z;
    unsigned char expected;
};

TEST(Egn, ValidityFromCoordinates)
{
    for (const ValidityCase& c : {ValidityCase{1, 2, 3, 3}, ValidityCase{1, 2, 1.7e200, 1},
                                  ValidityCase{8.5e199, 2, 3, 0}, ValidityCase{1, 8.5e199, 3, 0},
                                  ValidityCase{1, 2, 8.5e199, 1}, ValidityCase{-1e6, 0, -50, 3}}) {
        CEgn e;
        e.SetCoordX(c.x);
        e.SetCoordY(c.y);
        e.SetCoordZ(c.z);
        EXPECT_EQ(e.GetVldtEgn(), 0);   // setting coordinates leaves the validity alone
        e.CalcolaValiditaXYZ();
        EXPECT_EQ(e.GetVldtEgn(), c.expected) << c.x << " " << c.y << " " << c.z;
        EXPECT_EQ(e.EstValidoXY(), c.expected != 0);
        EXPECT_EQ(e.EstValidoXYZ(), c.expected == 3);
    }
}

TEST(Egn, CodeSettersTouchOnlyTheirBit)
{
    CEgn e;
    e.SetCodeCL(true);
    e.SetCodeFL(false);
    EXPECT_EQ(e.GetCodeEgn(), 0x400u);
    e.SetCodeOR(true);
    e.SetCodePD(true);
    EXPECT_EQ(e.GetCodeEgn(), 0x8401u);
    e.SetCodeOR(false);
    EXPECT_EQ(e.GetCodeEgn(), 0x8400u);
    e.SetCodeEgn(0x10000);
    EXPECT_TRUE(e.IsCodedAllOrQuPo());
    EXPECT_TRUE(e.IsCodedAllOrQuPoIaOc());
    EXPECT_FALSE(e.IsCodedOrQuPo());
    e.SetCodeEgn(0x100000);
    EXPECT_FALSE(e.IsCodedAllOrQuPo());
    EXPECT_TRUE(e.IsCodedAllOrQuPoIaOc());
    e.SetCodeEgn(0x18);
    EXPECT_TRUE(e.IsCodedOrQuPoIaOc());
    EXPECT_FALSE(e.IsCodedOrQuPo());
    EXPECT_TRUE(e.EstCodeUgualeA(0x10));
    e.SetCodeEgn(0x1'0000'0001ul);   // the word is 32 bits wide
    EXPECT_EQ(e.GetCodeEgn(), 1u);
}

TEST(Egn, ResetsLeaveTextsAlone)
{
    CEgn e;
    e.SetNome("A");
    e.SetSecScri("B");
    e.SetCoordX(1);
    e.SetCoordY(2);
    e.CalcolaValiditaXYZ();
    e.SetCodeEgn(7);
    e.SetShiftS2y(1.5f);
    e.SetDifRotS3(2.0f);
    e.AnnullaTutteLeVar();
    EXPECT_EQ(e.GetNome(), "A");
    EXPECT_EQ(e.GetSecScri(), "B");
    EXPECT_EQ(e.GetCoordX(), 1.7e200);
    EXPECT_EQ(e.GetVldtEgn(), 0);
    EXPECT_EQ(e.GetCodeEgn(), 0u);
    EXPECT_EQ(e.GetShiftS2y(), 0.0f);
    EXPECT_EQ(e.GetDifRotS3(), 0.0f);
}

struct OldCodeCase {
    const char* text;
    bool setCode, strip;
    uint32_t startCode;
    uint32_t code;
    const char* after;
};

class OldLetterCodes : public ::testing::TestWithParam<OldCodeCase> {};

TEST_P(OldLetterCodes, ConvertsAndStrips)
{
    const OldCodeCase c = GetParam();
    CEgn e;
    e.SetCodeEgn(c.startCode);
    e.SetSecScri(c.text);
    e.TrasfCodOldAlf(c.setCode, c.strip);
    EXPECT_EQ(e.GetCodeEgn(), c.code);
    EXPECT_EQ(e.GetSecScri(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Table, OldLetterCodes, ::testing::Values(
    OldCodeCase{"OR.QU Via Roma", true, true, 0, 0x3, "Via Roma"},
    OldCodeCase{"OR.QU Via Roma", true, false, 0, 0x3, "OR.QU Via Roma"},
    OldCodeCase{"OR.QU Via Roma", false, true, 0x40, 0x40, "Via Roma"},
    OldCodeCase{"qu", true, true, 0, 0x2, ""},
    OldCodeCase{"OR-1", true, true, 0x40, 0, "OR-1"},          // no code: word set to 0 all the same
    OldCodeCase{"No.Or xx", true, true, 0x8, 0, "No.Or xx"},
    OldCodeCase{"OR.xx.QU z", true, true, 0, 0x3, "z"},
    OldCodeCase{"pd.OR", true, true, 0, 0, "pd.OR"},           // PD is no old letter code
    OldCodeCase{"cl.fl.ia.il.nc.np.nt.nv.oc.or.po.qi.qu  fine", true, true, 0, 0x7F3F, "fine"},
    // The scan stops on a pair that runs on into a word: that word is kept whole.
    OldCodeCase{"OR.QUOTA 5", true, true, 0, 0x1, "QUOTA 5"},
    OldCodeCase{"OR.QU5", true, true, 0, 0x1, "QU5"},
    OldCodeCase{"OR.", true, true, 0, 0x1, ""},
    OldCodeCase{"OR.Q", true, true, 0, 0x1, "Q"},
    OldCodeCase{"O", true, true, 0x5, 0x5, "O"}));              // too short: nothing at all

void ExpectFilled(const CEgn& e, short version)
{
    EXPECT_EQ(e.GetNome(), "P12");
    EXPECT_EQ(e.GetSecScri(), "OR.QU Via Roma \xe8");
    EXPECT_EQ(e.GetCoordX(), 1234.567);
    EXPECT_EQ(e.GetCoordY(), -765.4321);
    EXPECT_EQ(e.GetCoordZ(), 1.7e200);
    EXPECT_EQ(e.GetShiftS1x(), 0.5f);
    EXPECT_EQ(e.GetShiftS1y(), -1.25f);
    EXPECT_EQ(e.GetShiftS2x(), 2.0f);
    EXPECT_EQ(e.GetShiftS3y(), 3.75f);
    EXPECT_EQ(e.GetVldtEgn(), 1);
    if (version >= 603)
        EXPECT_EQ(e.GetCodeEgn(), 0x2403u);
    else
        EXPECT_EQ(e.GetCodeEgn(), 0x3u);   // taken from the letters of the text
    if (version >= 715) {
        EXPECT_EQ(e.GetNote(), "nota");
        EXPECT_EQ(e.GetNomeFoto(), "foto.jpg");
        EXPECT_EQ(e.GetAttribDis(), "attr");
        EXPECT_EQ(e.GetDifRotS1(), 1.5f);
        EXPECT_EQ(e.GetDifRotS2(), -0.25f);
        EXPECT_EQ(e.GetDifRotS3(), 90.0f);
    } else {
        EXPECT_EQ(e.GetNote(), "");
        EXPECT_EQ(e.GetDifRotS1(), 0.0f);
    }
}

CEgn MakeFilled()
{
    CEgn e;
    e.SetNome("P12");
    e.SetSecScri("OR.QU Via Roma \xe8");
    e.SetCoordX(1234.567);
    e.SetCoordY(-765.4321);
    e.CalcolaValiditaXYZ();
    e.SetCodeEgn(0x2403);
    e.SetShiftS1x(0.5f);
    e.SetShiftS1y(-1.25f);
    e.SetShiftS2x(2.0f);
    e.SetShiftS3y(3.75f);
    e.SetNote("nota");
    e.SetNomeFoto("foto.jpg");
    e.SetAttribDis("attr");
    e.SetDifRotS1(1.5f);
    e.SetDifRotS2(-0.25f);
    e.SetDifRotS3(90.0f);
    return e;
}

class EntityRecord : public ::testing::TestWithParam<short> {};

TEST_P(EntityRecord, WritesTheFixtureBytes)
{
    const short v = GetParam();
    TempFile tmp("egn_write");
    {
        ofpstream out(tmp.path(), v, "");
        ASSERT_TRUE(out.good());
        EXPECT_TRUE(CEgn().SalvaInFile(out));
        EXPECT_TRUE(MakeFilled().SalvaInFile(out));
        EXPECT_TRUE(out.close());
    }
    EXPECT_EQ(ReadAll(tmp.path()), ReadAll(DataPath("egn_" + std::to_string(v) + ".bin")));
}

TEST_P(EntityRecord, ReadsTheFixture)
{
    const short v = GetParam();
    ifpstream in(DataPath("egn_" + std::to_string(v) + ".bin"));
    ASSERT_TRUE(in.good());
    in.SetVersion(v);
    CEgn def, filled;
    ASSERT_TRUE(def.LeggeDaFile(in));
    ASSERT_TRUE(filled.LeggeDaFile(in));
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(def.GetCoordX(), 1.7e200);
    EXPECT_EQ(def.GetVldtEgn(), 0);
    ExpectFilled(filled, v);
}

TEST_P(EntityRecord, EveryTruncationFailsAndLeavesTheEntityAsItWas)
{
    const short v = GetParam();
    const std::string bytes = ReadAll(DataPath("egn_" + std::to_string(v) + ".bin"));
    const size_t firstRecordEnd = [&] {
        ifpstream in;
        in.OpenBytes(bytes);
        in.SetVersion(v);
        CEgn e;
        e.LeggeDaFile(in);
        return static_cast<size_t>(in.Position());
    }();
    for (size_t cut = firstRecordEnd; cut < bytes.size(); ++cut) {
        ifpstream in;
        in.OpenBytes(bytes.substr(0, cut));
        in.SetVersion(v);
        CEgn skip;
        ASSERT_TRUE(skip.LeggeDaFile(in));
        CEgn e;
        e.SetNome("keep");
        e.SetCodeEgn(0x10);
        EXPECT_FALSE(e.LeggeDaFile(in)) << cut;
        EXPECT_TRUE(in.fail());
        EXPECT_EQ(e.GetNome(), "keep");
        EXPECT_EQ(e.GetCodeEgn(), 0x10u);
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, EntityRecord, ::testing::Values(602, 714, 720));

TEST(EntityRecordOld, RecordsBefore715KeepTheNewerFieldsAsTheyWere)
{
    ifpstream in(DataPath("egn_714.bin"));
    in.SetVersion(714);
    CEgn skip, e;
    e.SetNote("vecchia nota");
    e.SetDifRotS2(5.0f);
    ASSERT_TRUE(skip.LeggeDaFile(in));
    ASSERT_TRUE(e.LeggeDaFile(in));
    EXPECT_EQ(e.GetNote(), "vecchia nota");
    EXPECT_EQ(e.GetDifRotS2(), 5.0f);
}

TEST(EntityRecordOld, RoundTripAtEveryVersionGivesEqualFields)
{
    for (short v : {600, 603, 700, 715, 720}) {
        TempFile tmp("egn_rt");
        const CEgn src = MakeFilled();
        {
            ofpstream out(tmp.path(), v, "");
            src.SalvaInFile(out);
        }
        ifpstream in(tmp.path());
        in.SetVersion(v);
        CEgn back;
        ASSERT_TRUE(back.LeggeDaFile(in)) << v;
        ExpectFilled(back, v);
    }
}
}  // namespace
