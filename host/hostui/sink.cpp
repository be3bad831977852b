// The process-wide message sink and its two standard implementations.
#include "hostui.h"

#include <cstdio>

namespace hostui {
namespace {
StderrSink& DefaultSink()
{
    static StderrSink sink;
    return sink;
}

IMessageSink* g_sink = nullptr;

const char* LevelName(Level level)
{
    switch (level) {
    case Level::Info: return "informazione";
    case Level::Warning: return "attenzione";
    case Level::Error: return "errore";
    case Level::Question: return "domanda";
    }
    return "";
}
}  // namespace

int DefaultAnswer(Buttons buttons)
{
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? AnswerYes : AnswerOk;
}

int StderrSink::Show(const Message& message)
{
    std::fprintf(stderr, "%s [%s]: %s\n", message.caption.c_str(), LevelName(message.level), message.text.c_str());
    return DefaultAnswer(message.buttons);
}

std::optional<std::string> StderrSink::Ask(const Question& question)
{
    const auto it = answers_.find(question.key);
    if (it == answers_.end())
        return std::nullopt;
    return it->second;
}

int RecordingSink::Show(const Message& message)
{
    messages.push_back(message);
    if (!buttons_.empty()) {
        const int a = buttons_.front();
        buttons_.pop_front();
        return a;
    }
    return DefaultAnswer(message.buttons);
}

std::optional<std::string> RecordingSink::Ask(const Question& question)
{
    questions.push_back(question);
    auto it = answers_.find(question.key);
    if (it == answers_.end() || it->second.empty())
        return std::nullopt;
    auto value = std::move(it->second.front());
    it->second.pop_front();
    return value;
}

bool RecordingSink::Saw(std::string_view fragment) const
{
    for (const Message& m : messages)
        if (m.text.find(fragment) != std::string::npos)
            return true;
    return false;
}

IMessageSink& Sink()
{
    return g_sink ? *g_sink : DefaultSink();
}

IMessageSink* SetSink(IMessageSink* sink)
{
    IMessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

int MessageBox(Level level, std::string_view text, std::string_view caption, Buttons buttons)
{
    return Sink().Show(Message{level, std::string(caption), std::string(text), buttons});
}

std::optional<std::string> Ask(std::string_view key, std::string_view prompt)
{
    return Sink().Ask(Question{std::string(key), std::string(prompt)});
}

void Beep()
{
    Sink().Beep();
}

}  // namespace hostui
