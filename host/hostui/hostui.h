// hostui — the host's user-interface services: message boxes, beeps and the
// answers to the dialogs the libraries ask for.
//
// Nothing here waits for a person. Every message and question goes to one
// process-wide sink: the command line installs a sink that prints messages to
// standard error and answers dialogs from its options; tests install a
// RecordingSink that keeps the messages and hands out scripted answers.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hostui {

enum class Level { Info, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
// Answers, numbered as the host's message boxes number them.
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct Message {
    Level level;
    std::string caption;
    std::string text;
    Buttons buttons;
};

// A dialog the host would show: `key` names it ("file-open", "format", ...),
// `prompt` is what it would ask.
struct Question {
    std::string key;
    std::string prompt;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual int Show(const Message& message) = 0;
    // The dialog's answer; nothing when the dialog was cancelled.
    virtual std::optional<std::string> Ask(const Question& question) = 0;
    virtual void Beep() {}
};

// The first button is the default answer: Ok, or Yes.
int DefaultAnswer(Buttons buttons);

// Prints messages to standard error (UTF-8) and answers dialogs from the
// answers set on it; a question without an answer is cancelled.
class StderrSink : public IMessageSink {
public:
    int Show(const Message& message) override;
    std::optional<std::string> Ask(const Question& question) override;
    void SetAnswer(const std::string& key, const std::string& value) { answers_[key] = value; }

private:
    std::map<std::string, std::string> answers_;
};

// Records every message; answers come from scripted queues, else defaults.
class RecordingSink : public IMessageSink {
public:
    int Show(const Message& message) override;
    std::optional<std::string> Ask(const Question& question) override;
    void Beep() override { ++beeps; }

    void ScriptButton(int answer) { buttons_.push_back(answer); }
    void ScriptAnswer(const std::string& key, std::optional<std::string> value) { answers_[key].push_back(std::move(value)); }
    // True when a recorded message's text contains the fragment.
    bool Saw(std::string_view fragment) const;

    std::vector<Message> messages;
    std::vector<Question> questions;
    int beeps = 0;

private:
    std::deque<int> buttons_;
    std::map<std::string, std::deque<std::optional<std::string>>> answers_;
};

IMessageSink& Sink();
// Installs a sink (null: the standard-error sink) and returns the one it replaces.
IMessageSink* SetSink(IMessageSink* sink);

// Installs a sink for the lifetime of this object.
class ScopedSink {
public:
    explicit ScopedSink(IMessageSink& sink) : previous_(SetSink(&sink)) {}
    ~ScopedSink() { SetSink(previous_); }
    ScopedSink(const ScopedSink&) = delete;
    ScopedSink& operator=(const ScopedSink&) = delete;

private:
    IMessageSink* previous_;
};

int MessageBox(Level level, std::string_view text, std::string_view caption = "rilievo",
               Buttons buttons = Buttons::Ok);
std::optional<std::string> Ask(std::string_view key, std::string_view prompt);
void Beep();

}  // namespace hostui
