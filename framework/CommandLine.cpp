#include "framework/CommandLine.h"

#include <algorithm>

namespace {

const ToolkitOption* FindToolkitOption(std::string_view argument,
                                       std::span<const ToolkitOption> options) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    argument = argument.substr(0, argument.find('='));
    const auto found = std::find_if(options.begin(), options.end(), [argument](const auto& option) {
        return option.name == argument;
    });
    return found != options.end() ? &*found : nullptr;
}

CommandLine Refused(std::string problem) {
    CommandLine refused;
    refused.action = CommandLine::Refuse;
    refused.problem = std::move(problem);
    return refused;
}

} // namespace

CommandLine ReadCommandLine(std::span<const std::string> arguments,
                            std::span<const ToolkitOption> toolkitOptions) {
    CommandLine read;
    bool optionsEnded = false;
    std::string refusal;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            if (!read.info.m_strFileName.empty()) {
                if (refusal.empty())
                    refusal = "only one file can be opened, but both '" + read.info.m_strFileName +
                              "' and '" + argument + "' are named";
                continue;
            }
            read.info.m_nShellCommand = CCommandLineInfo::FileOpen;
            read.info.m_strFileName = argument;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            read.action = CommandLine::ShowHelp;
            return read;
        } else if (argument == "--version") {
            read.action = CommandLine::ShowVersion;
            return read;
        } else if (const ToolkitOption* option = FindToolkitOption(argument, toolkitOptions)) {
            const bool valueAttached = argument.find('=') != std::string::npos;
            if (option->takesValue && !valueAttached && ++i == arguments.size() && refusal.empty())
                refusal = "the option '" + argument + "' needs a value";
        } else if (refusal.empty()) {
            refusal = "unknown option '" + argument + "'";
        }
    }
    if (!refusal.empty())
        return Refused(refusal);
    return read;
}
