#include "zor4dglc.h"

#include <hostui.h>

#include <gtest/gtest.h>

namespace {
class DialogTest : public ::testing::Test {
protected:
    hostui::RecordingSink sink;
    hostui::ScopedSink scoped{sink};
};

TEST_F(DialogTest, InstrumentFileComesFromTheScriptedAnswer)
{
    sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, "rilievo.gt7");
    std::string name = "old";
    EXPECT_TRUE(FInpNomeFileConvInStell(name, 0));
    EXPECT_EQ(name, "rilievo.gt7");
    ASSERT_EQ(sink.questions.size(), 1u);
    EXPECT_EQ(sink.questions[0].key, DGLC_ASK_FILE_STRUM);
}

TEST_F(DialogTest, CancelledDialogLeavesTheNameAlone)
{
    std::string name = "old";
    EXPECT_FALSE(FInpNomeFileConvInStell(name, 1));
    EXPECT_EQ(name, "old");
    EXPECT_FALSE(FInpNomeFileConvDaPregeo(name));
    EXPECT_EQ(name, "old");
}

TEST_F(DialogTest, FormatAnswers)
{
    struct Case {
        const char* answer;
        int format;
    } cases[] = {{"10", 10}, {"1", 1}, {"x", 0}, {"3a", 0}, {"", 0}, {"99999999999", 0}};
    for (const Case& c : cases) {
        sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, "f.txt");
        sink.ScriptAnswer(DGLC_ASK_FORMATO, c.answer);
        std::string name;
        int format = -5;
        EXPECT_TRUE(FInpNomeFileConvNoTopcon(name, format)) << c.answer;
        EXPECT_EQ(name, "f.txt");
        EXPECT_EQ(format, c.format) << c.answer;
    }
    // A cancelled format question cancels the whole dialog.
    sink.ScriptAnswer(DGLC_ASK_FILE_STRUM, "f.txt");
    std::string name;
    int format = -5;
    EXPECT_FALSE(FInpNomeFileConvNoTopcon(name, format));
}

TEST_F(DialogTest, MessageBoxShowsTheNumberedTexts)
{
    EXPECT_EQ(DglcMessageBoxOkExclam(nullptr, 11375, 11374), hostui::AnswerOk);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].caption, DglcGetString(11374));
    EXPECT_EQ(sink.messages[0].text, DglcGetString(11375));
    EXPECT_EQ(sink.messages[0].level, hostui::Level::Warning);
}

TEST(DglcStrings, EveryMessageOfTheImportHasAText)
{
    for (int id = 11374; id <= 11377; ++id)
        EXPECT_FALSE(DglcGetString(id).empty()) << id;
    EXPECT_EQ(DglcGetString(0), "");
    EXPECT_EQ(DglcGetString(11373), "");
    EXPECT_EQ(DglcGetString(11378), "");
}
}  // namespace
