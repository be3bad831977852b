// rilievo: the command-line host of the survey libraries.
#include "command.h"

#include <hostui.h>

#include <algorithm>
#include <cstdio>

namespace cli {
namespace {
std::vector<Command>& Registry()
{
    static std::vector<Command> commands;
    return commands;
}

void PrintHelp()
{
    std::printf("rilievo — survey data core\n\nuso: rilievo COMANDO [opzioni]   (rilievo COMANDO --help)\n\ncomandi:\n");
    auto cmds = Registry();
    std::sort(cmds.begin(), cmds.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const Command& c : cmds)
        std::printf("  %-10s %s\n", c.name.c_str(), c.summary.c_str());
}
}  // namespace

Register::Register(Command c)
{
    Registry().push_back(std::move(c));
}

const std::vector<Command>& Commands()
{
    return Registry();
}

int UsageError(const std::string& command, const std::string& message)
{
    std::fprintf(stderr, "rilievo %s: %s\n(rilievo %s --help per l'uso)\n", command.c_str(), message.c_str(),
                 command.c_str());
    return ExitUsage;
}

}  // namespace cli

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        cli::PrintHelp();
        return args.empty() ? cli::ExitUsage : cli::ExitOk;
    }
    if (args[0] == "--version") {
        std::printf("rilievo 0.1.0\n");
        return cli::ExitOk;
    }
    for (const cli::Command& c : cli::Commands()) {
        if (c.name != args[0])
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
            std::printf("%s\n", c.help.c_str());
            return cli::ExitOk;
        }
        return c.run(rest);
    }
    std::fprintf(stderr, "rilievo: comando sconosciuto '%s' (rilievo --help)\n", args[0].c_str());
    return cli::ExitUsage;
}
