#include "zor4dgct.h"

#include <hostui.h>
#include <zor3dtct.h>

#include <gtest/gtest.h>

TEST(Dgct, EveryNumberedTextExistsAndFileTextsArePlainAscii)
{
    for (int id = 10782; id <= 10797; ++id) {
        std::string s = DgctGetString(id);
        EXPECT_FALSE(s.empty()) << id;
        if (id <= 10788 || id == 10796) {
            for (char c : s) {
                EXPECT_LT(static_cast<unsigned char>(c), 0x80) << id;
            }
        }
    }
    EXPECT_EQ(DgctGetString(10781), "");
    EXPECT_EQ(DgctGetString(10798), "");
}

TEST(Dgct, DialogsFollowTheAnswers)
{
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped(sink);
    COpzCts opz;
    sink.ScriptAnswer(DGCT_ASK_OPZ, std::string("ok"));
    sink.ScriptAnswer(DGCT_ASK_OPZ, std::nullopt);
    EXPECT_TRUE(FDlgOpzCts(opz));
    EXPECT_FALSE(FDlgOpzCts(opz));

    std::string name = "2026123456.DAT";
    sink.ScriptAnswer(DGCT_ASK_FILE, std::string(""));
    EXPECT_TRUE(FInpNomeFilePregeo(name));
    EXPECT_EQ(name, "2026123456.DAT");
    sink.ScriptAnswer(DGCT_ASK_FILE, std::string("/tmp/x.DAT"));
    EXPECT_TRUE(FInpNomeFilePregeo(name));
    EXPECT_EQ(name, "/tmp/x.DAT");
    sink.ScriptAnswer(DGCT_ASK_FILE, std::nullopt);
    EXPECT_FALSE(FInpNomeFilePregeo(name));
}
