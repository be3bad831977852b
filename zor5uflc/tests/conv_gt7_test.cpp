// The GTS-7 converter: records, grouping of observations, units, header
// check and the end-of-import notices.
#include "ConvFileGT7.h"
#include "book_dump.h"

#include <LibConOri.h>
#include <hostui.h>
#include <zor4dglc.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Lines = std::vector<std::string>;

class Gt7Test : public ::testing::Test {
protected:
    // Converts the bytes; returns what Esegui returned.
    bool Convert(const std::string& bytes)
    {
        imptest::TempFile f("test.gt7", bytes);
        std::string name = f.path();
        CConvFileGT7 conv(lib, &name);
        return conv.Esegui();
    }
    imptest::ScopedIni ini;
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
    COriData ori{0};
    CLibCmp lib{nullptr, &ori, -1};
};

// Each case: the records after the header line, and the book they give.
TEST_F(Gt7Test, Records)
{
    struct Case {
        const char* what;
        const char* records;
        Lines book;
    } cases[] = {
        {"job name after the first backslash, job labels",
         "JOB C:\\LAV\\RILIEVO1\nNAME Rossi\nINST GTS-7\nDATE 01/02/03\n",
         {"J LAV\\RILIEVO1|Rossi|GTS-7|01/02/03"}},
        {"a second JOB writes the first",
         "JOB a\nJOB b\n",
         {"J a|||", "J b|||"}},
        {"blanks between tag and fields",
         "JOB     primo,\nSTN     s1,1.550,CS\n",
         {"J primo|||", "S s1|CS|1.550000"}},
        // BS p1, HV, SD, FS p2, SD: the SD after HV finds the angle slots
        // taken and starts a second observation of p1; no value goes to the
        // wrong point.
        {"observations of one point never mix with the next",
         "STN s1,1.5,\nBS p1,1.6\nHV 10.0000,99.0000\nSD 10.1000,99.1000,50.000\nFS p2,1.3,cod\nSD 20.0000,98.0000,60.000\n",
         {"J |||", "S s1||1.500000",
          "P p1|||1.600000|X|99.000000|10.000000",
          "P p1|||1.600000|50.000000|99.100000|10.100000",
          "P p2|cod||1.300000|60.000000|98.000000|20.000000"}},
        {"two NOTE lines: the second starts a point with only a note",
         "STN s1,1.5,\nSS p1,1.3,c\nSD 1,100,3\nNOTE prima\nNOTE seconda\n",
         {"J |||", "S s1||1.500000",
          "P p1|c|prima|1.300000|3.000000|100.000000|1.000000",
          "P ||seconda|0.000000|X|X|X"}},
        {"missing heights are 0, a missing distance or angle is invalid",
         "STN s1\nSS p1\nSD 10,,\nSS p2,,c\nSD ,100,abc\n",
         {"J |||", "S s1||0.000000",
          "P p1|||0.000000|X|X|10.000000",
          "P p2|c||0.000000|X|100.000000|X"}},
        {"HD: horizontal sight",
         "STN s1,1.5\nSS p1,1.3\nHD 10.0000,30.000,0.000\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|30.000000|100.000000|10.000000"}},
        {"HD: negative height difference",
         "STN s1,1.5\nSS p1,1.3\nHD 10,30,-30\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|42.426407|150.000000|10.000000"}},
        {"HD without a height difference gives no distance",
         "STN s1,1.5\nSS p1,1.3\nHD 10,30,\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|X|X|10.000000"}},
        {"ignored records",
         "ATMOS 20,1013\nSTN s1,1.5\nBKB p0,0,0\nCTL x\nXYZ 1,2,3\nSS p1,1.3\nSD 1,100,2\nUNKNOWN 1,2\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|2.000000|100.000000|1.000000"}},
        {"last line without line end keeps its last character",
         "STN s1,1.5\nSS p1,1.3\nSD 1,100,345",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|345.000000|100.000000|1.000000"}},
        // OFFSET 0,2,0 on a horizontal 10 m sight at reading 0: x = 10,
        // h = sqrt(100 + 4) = 10.198039, V stays 100 (z = 10 cos(100 gon) ~ 0),
        // Hz = atan(2 / 10) in gon = 12.566592.
        {"OFFSET displaces the last point written",
         "STN s1,1.5\nSS p1,1.3,c\nSD 0,100,10\nOFFSET 0,2,0\nOFFSET 0,0,1\n",
         {"J |||", "S s1||1.500000",
          "P p1|c||1.300000|10.000000|100.000000|0.000000",
          "P *p1|c||1.300000|10.198039|100.000000|12.566592",
          // second offset: 1 m up, z = 1 -> V = 100 - atan(1 / 10.198039) = 93.777...
          "P **p1|c||1.300000|10.246951|93.777323|12.566592"}},
        // Face II: V = 300, the offset 1 m up gives z = 1, h = 10,
        // V = 100 - atan(1 / 10) = 93.654896, turned back to face II: 306.345104.
        {"OFFSET on a face II sight stays in face II",
         "STN s1,1.5\nSS p1,1.3\nSD 200,300,10\nOFFSET 0,0,1\n",
         {"J |||", "S s1||1.500000",
          "P p1|||1.300000|10.000000|300.000000|200.000000",
          "P *p1|||1.300000|10.049876|306.345104|200.000000"}},
        {"OFFSET before any point is skipped",
         "STN s1,1.5\nOFFSET 1,2,3\n",
         {"J |||", "S s1||1.500000"}},
        {"OFFSET on an angles-only point has no distance",
         "STN s1,1.5\nSS p1,1.3\nHV 50,100\nOFFSET 0,0,1\nOFFSET 0,1,0\n",
         {"J |||", "S s1||1.500000",
          "P p1|||1.300000|X|100.000000|50.000000",
          "P *p1|||1.300000|X|X|50.000000",
          "P **p1|||1.300000|X|X|X"}},
    };
    for (const Case& c : cases) {
        COriData o{0};
        CLibCmp book{nullptr, &o, -1};
        imptest::TempFile f("case.gt7", std::string("GTS-7 file\n") + c.records);
        std::string name = f.path();
        {
            CConvFileGT7 conv(book, &name);
            EXPECT_TRUE(conv.Esegui()) << c.what;
        }
        EXPECT_EQ(imptest::Dump(book), c.book) << c.what;
    }
}

TEST_F(Gt7Test, LineEndsGiveTheSameBook)
{
    const std::string lf = "GT-7\nJOB j\nSTN s1,1.5,\nSS p1,1.3,c\nSD 10,99,20\nSS p2,1.3,c\nSD 11,98,21\n";
    ASSERT_TRUE(Convert(lf));
    const Lines expected = imptest::Dump(lib);
    ASSERT_EQ(expected.size(), 4u);
    for (const char* end : {"\r\n", "\r"}) {
        std::string other;
        for (char ch : lf)
            other += ch == '\n' ? std::string(end) : std::string(1, ch);
        COriData o{0};
        CLibCmp book{nullptr, &o, -1};
        imptest::TempFile f("crlf.gt7", other);
        std::string name = f.path();
        CConvFileGT7 conv(book, &name);
        EXPECT_TRUE(conv.Esegui());
        EXPECT_EQ(imptest::Dump(book), expected);
    }
}

TEST_F(Gt7Test, Units)
{
    struct Case {
        const char* what;
        const char* records;
        Lines book;
    } cases[] = {
        // 45 30' 00" = 45.5 deg = 50.555556 gon; 90 deg = 100 gon;
        // 359 59' 59.9" = 399.999969 gon; 10 30' = 11.666667 gon.
        {"degrees",
         "UNITS M,D\nSTN s1,1.5\nSS p1,1.3\nSD 45.3000,90.0000,20\nSS p2,1.3\nHV 359.59599,10.30\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|20.000000|100.000000|50.555556",
          "P p2|||1.300000|X|11.666667|399.999969"}},
        // 5 ft = 1.524 m, 10 ft = 3.048 m, 100 ft = 30.48 m.
        {"feet",
         "UNITS F,G\nSTN s1,5\nSS p1,10\nSD 10,100,100\n",
         {"J |||", "S s1||1.524000", "P p1|||3.048000|30.480000|100.000000|10.000000"}},
        {"feet in HD records: 30 ft horizontal, -30 ft vertical",
         "UNITS F\nSTN s1,0\nSS p1,0\nHD 10,30,-30\n",
         {"J |||", "S s1||0.000000", "P p1|||0.000000|12.931569|150.000000|10.000000"}},
        {"back to gon and metres",
         "UNITS F,D\nUNITS M,G\nSTN s1,1.5\nSS p1,1.3\nSD 45.3,90,20\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|20.000000|90.000000|45.300000"}},
        {"unknown letters keep the units",
         "UNITS X,Y\nSTN s1,1.5\nSS p1,1.3\nSD 45.3,90,20\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|20.000000|90.000000|45.300000"}},
        {"unreadable degrees stay unreadable",
         "UNITS M,D\nSTN s1,1.5\nSS p1,1.3\nSD 1e2,abc,20\n",
         {"J |||", "S s1||1.500000", "P p1|||1.300000|20.000000|X|X"}},
    };
    for (const Case& c : cases) {
        COriData o{0};
        CLibCmp book{nullptr, &o, -1};
        imptest::TempFile f("units.gt7", std::string("GTS-7\n") + c.records);
        std::string name = f.path();
        {
            CConvFileGT7 conv(book, &name);
            EXPECT_TRUE(conv.Esegui()) << c.what;
        }
        EXPECT_EQ(imptest::Dump(book), c.book) << c.what;
    }
}

TEST_F(Gt7Test, HeaderCheck)
{
    struct Case {
        const char* what;
        const char* bytes;
        bool ok;
        int points;
    } cases[] = {
        {"GT", "GTS-7\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"AP", "AP-L1\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"GM", "GM\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"FC", "FC-5\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"field software first, then records", "FieldSoft v1.0 (a)\nJOB x,\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"lower case family: a first line like any other", "gts-7\nSTN s\nSS p\nSD 1,2,3\n", true, 1},
        {"lower case family and no record", "gts-7\nstn s\n", false, 0},
        {"no record after the first line", "Some text\nmore text\nSTN s\n", false, 0},
        {"one line only", "Hello\n", false, 0},
        {"empty file", "", false, 0},
    };
    for (const Case& c : cases) {
        sink.messages.clear();
        COriData o{0};
        CLibCmp book{nullptr, &o, -1};
        imptest::TempFile f("hdr.gt7", c.bytes);
        std::string name = f.path();
        bool ok = false;
        {
            CConvFileGT7 conv(book, &name);
            ok = conv.Esegui();
        }
        EXPECT_EQ(ok, c.ok) << c.what;
        EXPECT_EQ(book.GetNuTotPun(), c.points) << c.what;
        EXPECT_EQ(sink.Saw("non è un file GTS-7"), !c.ok) << c.what;
    }
}

TEST_F(Gt7Test, UnopenableFileIsFalse)
{
    std::string missing = imptest::TempPath("missing.gt7");
    std::string empty;
    {
        CConvFileGT7 conv(lib, &missing);
        EXPECT_FALSE(conv.Esegui());
    }
    {
        CConvFileGT7 conv(lib, &empty);
        EXPECT_FALSE(conv.Esegui());
    }
    EXPECT_EQ(lib.GetJobArSize(), 0);
}

TEST_F(Gt7Test, HdRecordsAreToldAtTheEnd)
{
    ASSERT_TRUE(Convert("GTS-7\nSTN s1,1.5\nSS p1,1.3\nHD 10,30,0\n"));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, DglcGetString(11376));
    sink.messages.clear();
    ASSERT_TRUE(Convert("GTS-7\nSTN s1,1.5\nSS p1,1.3\nSD 10,30,0\n"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(Gt7Test, LongLinesAreOneRecord)
{
    // A note of 100000 characters followed by a record: the note is one
    // field, nothing of it becomes a record of its own.
    const std::string longNote(100000, 'n');
    ASSERT_TRUE(Convert("GTS-7\nSTN s1,1.5\nSS p1,1.3\nSD 1,100,2\nNOTE " + longNote + "SD 5,5,5\nSS p2,1\n"));
    const Lines book = imptest::Dump(lib);
    ASSERT_EQ(book.size(), 4u);
    EXPECT_EQ(book[2], "P p1||" + longNote + "SD 5|1.300000|2.000000|100.000000|1.000000");
    EXPECT_EQ(book[3], "P p2|||1.000000|X|X|X");
}

// A survey exported in degrees with CR LF line ends and the same survey in
// gon (both written by make_gts7_fixtures.py) give the same coordinates.
TEST_F(Gt7Test, DegreesFileGivesTheCoordinatesOfTheGonFile)
{
    auto coordinates = [](const std::string& file) {
        COriData o{0};
        CLibCmp book{nullptr, &o, -1};
        std::string name = imptest::DataPath(file);
        {
            CConvFileGT7 conv(book, &name);
            EXPECT_TRUE(conv.Esegui()) << file;
        }
        std::vector<double> xyz;
        CCalcDsOr calc;
        for (int i = 0; i < book.GetStaArSize(0); ++i) {
            CSta* s = book.GetStaAt(0, i);
            s->SetCoordX(1000.0 + 100.0 * i);
            s->SetCoordY(2000.0);
            s->SetCoordZ(100.0);
            s->CalcolaValiditaXYZ();
            s->SetAnCoAz(0.0);
            for (int k = 0; k < book.GetPunArSize(0, i); ++k) {
                CPun* p = book.GetPunAt(0, i, k);
                p->CalcolaCoordAssolute(true, calc);
                xyz.insert(xyz.end(), {p->GetCoordX(), p->GetCoordY(), p->GetCoordZ()});
            }
        }
        return xyz;
    };
    const std::vector<double> dms = coordinates("survey_dms_crlf.gt7");
    const std::vector<double> gon = coordinates("survey_gon.gt7");
    ASSERT_EQ(dms.size(), gon.size());
    ASSERT_GE(dms.size(), 30u);
    for (size_t i = 0; i < dms.size(); ++i) {
        ASSERT_TRUE(EstValido(dms[i])) << i;
        EXPECT_NEAR(dms[i], gon[i], 1e-6) << i;
    }
}

// Smoke test on a public sample file, when the corpus is at hand.
TEST_F(Gt7Test, CorpusSample)
{
    const std::string path = "/work/shared/corpus/instruments/topcon/jkv.gts7";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "corpus not available";
    std::string name = path;
    {
        CConvFileGT7 conv(lib, &name);
        ASSERT_TRUE(conv.Esegui());
    }
    ASSERT_GE(lib.GetNuTotSta(), 1);
    ASSERT_GE(lib.GetNuTotPun(), 3);
    for (int i = 0; i < lib.GetStaArSize(0); ++i)
        for (int k = 0; k < lib.GetPunArSize(0, i); ++k) {
            const CPun* p = lib.GetPunAt(0, i, k);
            EXPECT_TRUE(EstValido(p->GetDato2()));
            EXPECT_GE(p->GetDato2(), 0.0);
            EXPECT_LT(p->GetDato2(), 400.0);
            EXPECT_GT(p->GetDato1(), 0.0);
            EXPECT_LT(p->GetDato1(), 200.0);
        }
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
