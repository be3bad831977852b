#include "hostui.h"

#include <gtest/gtest.h>

namespace {
TEST(MessageSink, RecordsMessagesAndScriptedAnswers)
{
    hostui::RecordingSink sink;
    {
        hostui::ScopedSink scope(sink);
        EXPECT_EQ(hostui::MessageBox(hostui::Level::Warning, "Punto senza nome"), hostui::AnswerOk);
        sink.ScriptButton(hostui::AnswerNo);
        EXPECT_EQ(hostui::MessageBox(hostui::Level::Question, "Sovrascrivere?", "rilievo", hostui::Buttons::YesNo),
                  hostui::AnswerNo);
        EXPECT_EQ(hostui::MessageBox(hostui::Level::Question, "Ancora?", "rilievo", hostui::Buttons::YesNo),
                  hostui::AnswerYes);
        sink.ScriptAnswer("file-open", std::string("/tmp/a.gt7"));
        sink.ScriptAnswer("file-open", std::nullopt);
        EXPECT_EQ(hostui::Ask("file-open", "File da importare"), std::optional<std::string>("/tmp/a.gt7"));
        EXPECT_EQ(hostui::Ask("file-open", "File da importare"), std::nullopt);
        EXPECT_EQ(hostui::Ask("other", "?"), std::nullopt);
        hostui::Beep();
    }
    EXPECT_EQ(&hostui::Sink() == &sink, false);   // the scope put the previous sink back
    ASSERT_EQ(sink.messages.size(), 3u);
    EXPECT_EQ(sink.messages[0].level, hostui::Level::Warning);
    EXPECT_TRUE(sink.Saw("senza nome"));
    EXPECT_FALSE(sink.Saw("assente"));
    EXPECT_EQ(sink.questions.size(), 3u);
    EXPECT_EQ(sink.beeps, 1);
}

TEST(MessageSink, StderrSinkAnswersFromItsOptions)
{
    hostui::StderrSink sink;
    sink.SetAnswer("format", "1");
    EXPECT_EQ(sink.Ask({"format", "Formato"}), std::optional<std::string>("1"));
    EXPECT_EQ(sink.Ask({"file-open", "File"}), std::nullopt);
    EXPECT_EQ(sink.Show({hostui::Level::Info, "rilievo", "prova", hostui::Buttons::YesNoCancel}), hostui::AnswerYes);
}
}  // namespace
