// tavro: the game window.
#include "app/TavroApp.h"
#include "framework/CommandLine.h"
#include "framework/qt/Application.h"
#include "res/BuildConfig.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The one application object, made before the program starts.
CTavroApp theApp;

constexpr char kHelp[] = R"(Usage: tavro [OPTION]... [FILE]
Tavro: reversi against the computer for blind and low-vision players. Move
the cursor with the keys and every square is spoken; the menus and the game
are in Japanese. F1 in the game opens the how-to-play page.

  FILE        is opened as the game's (empty) document: nothing is read from
              it, it only joins the recent-file list of the settings
  --help      show this help and exit
  --version   show the version and exit

Qt's own options, such as -platform and -style, are accepted as well. The
settings are kept in the Qt settings file of the application "Tavro".
)";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine commandLine = ReadCommandLine(arguments, QtToolkitOptions());
    switch (commandLine.action) {
    case CommandLine::ShowHelp:
        std::fputs(kHelp, stdout);
        return 0;
    case CommandLine::ShowVersion:
        std::printf("tavro %s\n", g_programVersion);
        return 0;
    case CommandLine::Refuse:
        std::fprintf(stderr, "tavro: %s (try 'tavro --help')\n", commandLine.problem.c_str());
        return 2;
    case CommandLine::Run:
        break;
    }
    theApp.SetCommandLine(commandLine.info);
    return RunApplication(argc, argv, theApp);
}
