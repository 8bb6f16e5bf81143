#pragma once

#include <span>
#include <string>
#include <string_view>

// What the command line asks the application to do at start-up: make a new
// document, or open the file it names as the document.
struct CCommandLineInfo {
    enum ShellCommand { FileNew, FileOpen };
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
};

// An option that the window toolkit takes for itself (Qt's "-platform",
// "-style" and the like), with or without a value in the next argument.
struct ToolkitOption {
    std::string_view name; // without dashes
    bool takesValue;
};

// The command line read: run (with what to open), or answer --help or
// --version, or refuse it with a reason.
struct CommandLine {
    enum Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Run;
    CCommandLineInfo info;
    std::string problem; // why it was refused
};

// Reads the arguments after the program's name. "--help" (or "-h") and
// "--version" answer at once; the toolkit's options are let through, with
// one or two dashes; "--" ends the options; one file may be named; anything
// else is refused.
CommandLine ReadCommandLine(std::span<const std::string> arguments,
                            std::span<const ToolkitOption> toolkitOptions);
