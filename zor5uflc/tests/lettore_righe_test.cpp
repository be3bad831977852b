// The line reader shared by every converter.
#include "LettoreRighe.h"
#include "book_dump.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> ReadAll(const std::string& bytes)
{
    imptest::TempFile f("righe.txt", bytes);
    CLettoreRighe r;
    EXPECT_TRUE(r.Apre(f.path()));
    std::vector<std::string> lines;
    std::string line = "garbage";
    while (r.LeggeRiga(line))
        lines.push_back(line);
    EXPECT_EQ(line, "");
    EXPECT_FALSE(r.ErroreLettura());
    EXPECT_EQ(r.GetNuRiga(), static_cast<long long>(lines.size()));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LettoreRighe, LineEnds)
{
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"LF", "a\nbc\n", {"a", "bc"}},
        {"CRLF", "a\r\nbc\r\n", {"a", "bc"}},
        {"CR", "a\rbc\r", {"a", "bc"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"last line without end keeps every character", "JOB x\nSD 1,2,345", {"JOB x", "SD 1,2,345"}},
        {"single character without end", "x", {"x"}},
        {"empty file", "", {}},
        {"one empty line", "\n", {""}},
        {"empty lines kept", "a\n\n\nb\n", {"a", "", "", "b"}},
        {"CR CR LF is a line end and an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"bytes kept", std::string("\xe8\x00z\t ", 5) + "\n", {std::string("\xe8\x00z\t ", 5)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAll(c.bytes), c.lines) << c.what;
}

TEST(LettoreRighe, LongLinesAreNeverSplit)
{
    // Lines longer than the reader's buffer, with the CR LF pair falling on
    // either side of the buffer's edge.
    for (size_t len : {size_t(65535), size_t(65536), size_t(65537), size_t(300000)}) {
        const std::string longLine(len, 'x');
        const Lines got = ReadAll(longLine + "\r\nSD 1,2,3\r\n" + longLine);
        ASSERT_EQ(got.size(), 3u) << len;
        EXPECT_EQ(got[0], longLine);
        EXPECT_EQ(got[1], "SD 1,2,3");
        EXPECT_EQ(got[2], longLine);
    }
}

TEST(LettoreRighe, MissingFileAndNoFile)
{
    CLettoreRighe r;
    std::string line = "x";
    EXPECT_FALSE(r.LeggeRiga(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(r.Apre(""));
    EXPECT_FALSE(r.Apre(imptest::TempPath("non_esiste")));
    EXPECT_FALSE(r.EstAperto());
}

TEST(LettoreRighe, ReopeningStartsAfresh)
{
    imptest::TempFile a("a.txt", "1\r");
    imptest::TempFile b("b.txt", "\n2\n");
    CLettoreRighe r;
    std::string line;
    ASSERT_TRUE(r.Apre(a.path()));
    ASSERT_TRUE(r.LeggeRiga(line));
    ASSERT_TRUE(r.Apre(b.path()));
    // The CR of the first file does not swallow the LF of the second.
    Lines got;
    while (r.LeggeRiga(line))
        got.push_back(line);
    EXPECT_EQ(got, (Lines{"", "2"}));
}

}  // namespace
