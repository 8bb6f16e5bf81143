// tavro-cli clips and say: the voice clips as files, and the sound check a
// player runs when the game is silent.
#include "cli/VoiceCommands.h"

#include "app/MainFrame.h"
#include "cli/Commands.h"
#include "framework/Resources.h"
#include "framework/sdl/SdlSound.h"
#include "view/TavroView.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

using Args = std::vector<std::string>;

int Usage(std::ostream& err, const std::string& message) {
    err << "tavro-cli: " << message << "\n";
    return EXIT_USAGE;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// What `say` is asked to speak.
struct SayRequest {
    bool error = false;
    Stone stone = EMPTY;
    int col = 0;
    int row = 0;
    int volume = 2;
};

constexpr const char* kSayAccepted =
    "expected SQUARE [black|white] [--volume 0..4], e.g. 'say E4 black', or 'say error'";

// The request, or nothing after writing the error line. The square (or
// "error") comes first among the words; --volume may stand anywhere.
std::optional<SayRequest> ParseSay(const Args& args, std::ostream& err) {
    SayRequest request;
    int words = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string word = Lower(args[i]);
        if (word == "--volume") {
            const std::string level = i + 1 < args.size() ? args[++i] : "";
            if (level.size() != 1 || level[0] < '0' || level[0] > '4') {
                Usage(err, "say: volume '" + level + "' is not allowed; expected 0 to 4");
                return std::nullopt;
            }
            request.volume = level[0] - '0';
            continue;
        }
        const bool isSquare = word.size() == 2 && word[0] >= 'a' && word[0] <= 'h' &&
                              word[1] >= '1' && word[1] <= '8';
        const bool isStone = word == "black" || word == "white";
        if (words == 0 && word == "error") {
            request.error = true;
        } else if (words == 0 && isSquare) {
            request.col = word[0] - 'a';
            request.row = word[1] - '1';
        } else if (words == 1 && !request.error && isStone) {
            request.stone = word == "black" ? BLACK : WHITE;
        } else {
            Usage(err, "say: '" + args[i] + "' is not allowed; " + kSayAccepted);
            return std::nullopt;
        }
        ++words;
    }
    if (words == 0) {
        Usage(err, std::string("say: nothing to say; ") + kSayAccepted);
        return std::nullopt;
    }
    return request;
}

// Passes each clip on to the device and notes its resource id.
class NotingOutput final : public SoundOutput {
public:
    explicit NotingOutput(SoundOutput& device) : m_device(device) {}
    void PlaySync(WaveImage image) override {
        const std::optional<int> id = WaveResourceId(image);
        if (!m_heard.empty())
            m_heard += ' ';
        m_heard += id ? std::to_string(*id) : std::string("?");
        m_device.PlaySync(image);
    }
    const std::string& Heard() const { return m_heard; }

private:
    SoundOutput& m_device;
    std::string m_heard;
};

} // namespace

int ClipsCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[0] != "export")
        return Usage(err, "clips takes 2 arguments: export DIR (see --help)");
    const std::filesystem::path dir = args[1];
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error))
        return Usage(err, "clips export: '" + args[1] +
                              "' is not a directory; expected an existing directory to write "
                              "200.wav .. 290.wav into");
    int written = 0;
    for (const WaveResource& clip : WaveResources()) {
        const std::filesystem::path file = dir / (std::to_string(clip.id) + ".wav");
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream.write(reinterpret_cast<const char*>(clip.image.data()),
                     static_cast<std::streamsize>(clip.image.size()));
        if (!stream.flush()) {
            err << "tavro-cli: clips export: cannot write '" << file.string()
                << "': " << std::strerror(errno) << "\n";
            return EXIT_FAILED;
        }
        ++written;
    }
    out << written << " clips written to " << dir.string() << ": " << WaveResources().front().id
        << ".wav .. " << WaveResources().back().id << ".wav\n";
    return EXIT_OK;
}

int SayCommand(const Args& args, std::ostream& out, std::ostream& err) {
    const std::optional<SayRequest> request = ParseSay(args, err);
    if (!request)
        return EXIT_USAGE;

    SdlSoundOutput device(false);
    NotingOutput noting(device);
    SoundOutput* const previous = CurrentSoundOutput();
    SetSoundOutput(&noting);
    {
        CMainFrame frame;
        CTavroView view;
        view.m_volume = request->volume;
        if (request->error)
            view.PlayErrorClip();
        else
            view.SpeakSquare(2, request->stone, request->col, request->row);
    }
    SetSoundOutput(previous);

    out << "clips: " << noting.Heard() << "\n";
    if (!device.HasDevice()) {
        out << "audio device: none (" << device.Problem() << "); nothing was heard\n";
        return EXIT_FAILED;
    }
    out << "audio device: " << device.DriverName() << "\n";
    return EXIT_OK;
}
