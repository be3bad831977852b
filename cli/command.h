// The subcommands of `rilievo`. Each command lives in a source file of its
// own and registers itself with a static Register object; main.cpp knows none
// of them by name.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cli {

// Exit codes of every command.
enum Exit : int { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

struct Command {
    std::string name;      // first word after `rilievo`
    std::string summary;   // one line for `rilievo --help`
    std::string help;      // the text of `rilievo NAME --help`
    std::function<int(const std::vector<std::string>& args)> run;   // args after the name
};

struct Register {
    explicit Register(Command c);
};

const std::vector<Command>& Commands();

// Prints a usage error for the command and returns ExitUsage.
int UsageError(const std::string& command, const std::string& message);

}  // namespace cli
