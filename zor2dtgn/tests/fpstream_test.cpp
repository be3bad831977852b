#include "fpstream.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstring>

using testfiles::ReadAll;
using testfiles::TempFile;

namespace {
std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int c : b)
        s.push_back(static_cast<char>(c));
    return s;
}

const std::string kHeader = Bytes({0x3A, 0x01, 0x01, 0x00, 0x00});

TEST(OutputStream, HeaderTagVersionAndNumbersLittleEndian)
{
    TempFile tmp("fp_out");
    {
        ofpstream out(tmp.path(), 720, "QDC");
        ASSERT_TRUE(out.good());
        out.WriteTagAndVersion();
        out.WriteUInt8(0xAB);
        out.WriteInt16(-2);
        out.WriteInt32(0x01020304);
        out.WriteUInt32(0xFFFFFFFEu);
        out.WriteDouble(1.0);
        out.WriteFloat(-2.0f);
        out.WriteString("");
        out.WriteString("\xe8");
        out.WriteBool(true);
        out.WriteBool(false);
        EXPECT_TRUE(out.close());
    }
    const std::string expected = kHeader + Bytes({3, 0, 0, 0}) + "QDC" + Bytes({0xD0, 0x02}) + Bytes({0xAB}) +
                                 Bytes({0xFE, 0xFF}) + Bytes({4, 3, 2, 1}) + Bytes({0xFE, 0xFF, 0xFF, 0xFF}) +
                                 Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}) + Bytes({0, 0, 0, 0xC0}) +
                                 Bytes({0, 0, 0, 0}) + Bytes({1, 0, 0, 0, 0xE8}) + Bytes({1, 0, 0, 0}) +
                                 Bytes({0, 0, 0, 0});
    EXPECT_EQ(ReadAll(tmp.path()), expected);
}

TEST(OutputStream, OpenFailureLeavesStreamFailed)
{
    ofpstream out("/nonexistent-folder/x/y.bin", 720, "");
    EXPECT_TRUE(out.fail());
    out.WriteInt32(1);
    EXPECT_FALSE(out.close());
}

TEST(InputStream, ReadsBackTagVersionAndValues)
{
    ifpstream in;
    ASSERT_TRUE(in.OpenBytes(kHeader + Bytes({3, 0, 0, 0}) + "QDC" + Bytes({0xD0, 0x02}) + Bytes({2, 0, 0, 0}) +
                             Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + Bytes({7, 0, 0, 0})));
    EXPECT_EQ(in.GetVersion(), 0);
    ASSERT_TRUE(in.ReadTagAndVersion());
    EXPECT_EQ(in.GetTag(), "QDC");
    EXPECT_EQ(in.GetVersion(), 720);
    bool b1 = true, b2 = false;
    ASSERT_TRUE(in.ReadBoolB1(b1));
    EXPECT_FALSE(b1);   // 2 is not 1
    ASSERT_TRUE(in.ReadBoolB2(b2));
    EXPECT_FALSE(b2);   // -1 is not greater than 0
    ASSERT_TRUE(in.ReadBoolB2(b2));
    EXPECT_TRUE(b2);    // 7 > 0
    EXPECT_EQ(in.Remaining(), 0u);
    int32_t x = 42;
    EXPECT_FALSE(in.ReadInt32(x));
    EXPECT_EQ(x, 42);
    EXPECT_TRUE(in.fail());
}

TEST(InputStream, MissingFileFails)
{
    ifpstream in("/nonexistent-folder/none.bin");
    EXPECT_TRUE(in.fail());
    int16_t v = 3;
    EXPECT_FALSE(in.ReadInt16(v));
    EXPECT_EQ(v, 3);
}

TEST(InputStream, ShortFileHasNoData)
{
    ifpstream in;
    in.OpenBytes(Bytes({0x3A, 0x01}));
    EXPECT_EQ(in.Remaining(), 0u);
    uint8_t b = 0;
    EXPECT_FALSE(in.ReadUInt8(b));
}

struct HostileString {
    const char* what;
    std::string bytes;
    bool ok;
    std::string text;
};

TEST(InputStream, HostileStringLengths)
{
    const HostileString cases[] = {
        {"zero length", Bytes({0, 0, 0, 0}), true, ""},
        {"negative length reads nothing", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'a'}), true, ""},
        {"most negative", Bytes({0, 0, 0, 0x80}), true, ""},
        {"0x7FFFFFFF", Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}), false, "unchanged"},
        {"one byte short", Bytes({3, 0, 0, 0, 'a', 'b'}), false, "unchanged"},
        {"length cut", Bytes({3, 0}), false, "unchanged"},
        {"exact", Bytes({2, 0, 0, 0, 'a', 'b'}), true, "ab"},
    };
    for (const HostileString& c : cases) {
        ifpstream in;
        in.OpenBytes(kHeader + c.bytes);
        std::string s = "unchanged";
        EXPECT_EQ(in.ReadString(s), c.ok) << c.what;
        EXPECT_EQ(s, c.text) << c.what;
        EXPECT_EQ(in.fail(), !c.ok) << c.what;
    }
}

TEST(InputStream, OnceFailedEveryReadFails)
{
    ifpstream in;
    in.OpenBytes(kHeader + Bytes({0xFF, 0xFF, 0xFF, 0x7F}) + std::string(16, '\0'));
    std::string s;
    EXPECT_FALSE(in.ReadString(s));
    double d = 5;
    EXPECT_FALSE(in.ReadDouble(d));   // 16 bytes are there, but the stream has failed
    EXPECT_EQ(d, 5);
}
}  // namespace
