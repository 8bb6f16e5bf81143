// tavro-cli's commands: a table of names, each with its usage and handler.
#include "cli/Commands.h"

#include "app/MainFrame.h"
#include "cli/Bench.h"
#include "cli/Perft.h"
#include "cli/Position.h"
#include "cli/VoiceCommands.h"
#include "tests/oracle/LiteralSearch.h"
#include "view/TavroView.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

using Args = std::vector<std::string>;

struct Io {
    std::ostream& out;
    std::ostream& err;

    int Usage(const std::string& message) {
        err << "tavro-cli: " << message << "\n";
        return EXIT_USAGE;
    }
};

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

std::optional<int> ParseDepth(std::string_view text, int low, int high) {
    const std::optional<int> depth = ParseInt(text);
    if (!depth || *depth < low || *depth > high)
        return std::nullopt;
    return depth;
}

// The computer's move for BOARD with SIDE to move as the computer, found by
// the game's search or, with --literal, by the literal search it replaced.
int MoveCommand(const Args& given, Io io) {
    Args args;
    bool literal = false;
    for (const std::string& arg : given) {
        if (arg == "--literal")
            literal = true;
        else
            args.push_back(arg);
    }
    if (args.size() != 3)
        return io.Usage("move takes 3 arguments: BOARD SIDE DEPTH, and --literal (see --help)");
    const ParsedPosition parsed = ParsePosition(args[0]);
    if (!parsed.position)
        return io.Usage("move: " + parsed.error);
    const std::optional<int> side = ParseSide(args[1]);
    if (!side)
        return io.Usage("move: side '" + args[1] +
                        "' is not allowed; expected X (black) or O "
                        "(white)");
    const std::optional<int> depth = ParseDepth(args[2], 1, 12);
    if (!depth)
        return io.Usage("move: depth '" + args[2] +
                        "' is not allowed; expected a whole number "
                        "from 1 to 12");

    CMainFrame frame;
    CTavroView view;
    std::copy(std::begin(parsed.position->cells), std::end(parsed.position->cells),
              std::begin(view.m_board));
    view.m_turn = *side;
    view.m_humanWhite = 1 - *side;
    view.m_moveCount = std::max(0, parsed.position->stones - 4);
    view.m_rootDepth = *depth;
    const int answer = literal ? LiteralSearch{view}.Move(*depth)
                               : view.Search(1, *depth, 1, SCORE_MIN, SCORE_MAX);
    if (static_cast<unsigned>(answer) > 63u)
        io.out << "pass -1\n";
    else
        io.out << SquareName(answer % 8, answer / 8) << " " << answer << "\n";
    return EXIT_OK;
}

// Leaf counts from the initial position, one line per depth.
int PerftCommand(const Args& args, Io io) {
    if (args.size() != 1)
        return io.Usage("perft takes 1 argument: DEPTH (see --help)");
    const std::optional<int> depth = ParseDepth(args[0], 1, 60);
    if (!depth)
        return io.Usage("perft: depth '" + args[0] +
                        "' is not allowed; expected a whole number "
                        "from 1 to 60");
    CMainFrame frame;
    CTavroView view;
    for (int d = 1; d <= *depth; ++d)
        io.out << d << " " << Perft(view, d) << "\n" << std::flush;
    return EXIT_OK;
}

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const Args&, Io);
};

const Command kCommands[] = {
    {"move",
     "move BOARD SIDE DEPTH [--literal]   the square the computer would play, e.g. 'F5 37', "
     "or 'pass -1'\n"
     "      BOARD: 64 characters A1 B1 ... H8, row by row; X or * black, O white, - or . "
     "empty\n"
     "      SIDE: X or O, the side to move, played by the computer; DEPTH: 1 to 12\n"
     "      --literal: ask the slow literal search the engine replaced (same answer)",
     MoveCommand},
    {"perft", "perft DEPTH   leaf counts from the initial position for depths 1..DEPTH",
     PerftCommand},
    {"clips",
     "clips export DIR   writes the 91 voice clips as DIR/200.wav .. 290.wav (200 the error\n"
     "      sound; then five volume levels of black, white, rows 1..8, columns A..H)",
     [](const Args& args, Io io) { return ClipsCommand(args, io.out, io.err); }},
    {"say",
     "say SQUARE [black|white] [--volume 0..4] | say error   the sound check: plays the\n"
     "      announcement of a square (e.g. 'say E4 black') or the error sound on the audio\n"
     "      device, and prints the clips played and the device; status 1 without a device",
     [](const Args& args, Io io) { return SayCommand(args, io.out, io.err); }},
    {"bench",
     "bench [--engine-only] [--depth D] [--repeat N]   time the engine and the literal\n"
     "      search on the bench suite: per depth the positions, the median and longest\n"
     "      move, nodes per second and the ratio; then the engine's node signature.\n"
     "      --engine-only skips the literal search (minutes at depth 8); --depth D times\n"
     "      one depth; --repeat N times each engine move N times (default 5), keeping\n"
     "      the median",
     [](const Args& args, Io io) { return BenchCommand(args, io.out, io.err); }},
};

// "move, perft, ..., --help": what may come first on the command line.
std::string CommandNames() {
    std::string names;
    for (const Command& command : kCommands)
        names += std::string(command.name) + ", ";
    return names + "--help";
}

void PrintHelp(std::ostream& out) {
    out << "Usage: tavro-cli COMMAND [ARGUMENTS]\n"
           "The console companion of Tavro, reversi by ear.\n\nCommands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.usage << "\n";
    out << "  --help   this list\n";
}

} // namespace

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
    Io io{out, err};
    if (args.empty())
        return io.Usage("no command given; expected one of: " + CommandNames());
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(out);
        return EXIT_OK;
    }
    for (const Command& command : kCommands) {
        if (command.name == args[0])
            return command.run(Args(args.begin() + 1, args.end()), io);
    }
    return io.Usage("unknown command '" + args[0] + "'; expected one of: " + CommandNames());
}
