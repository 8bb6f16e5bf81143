// The sound output leaves the program's signals alone: Ctrl+C in a terminal
// and the session's SIGTERM still end the game while its audio is open.
#include "framework/sdl/SdlSound.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using Handler = void (*)(int);

Handler HandlerOf(int signal) {
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

TEST(SdlSignals, AnOpenDeviceLeavesSigintAndSigtermAsTheyWere) {
    const std::string path =
        testing::TempDir() + "tavro_signals_" + std::to_string(::getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    const Handler interruptBefore = HandlerOf(SIGINT);
    const Handler terminateBefore = HandlerOf(SIGTERM);
    {
        SdlSoundOutput output(false);
        ASSERT_TRUE(output.HasDevice()) << output.Problem();
        EXPECT_EQ(HandlerOf(SIGINT), interruptBefore);
        EXPECT_EQ(HandlerOf(SIGTERM), terminateBefore);
    }
    std::remove(path.c_str());
}

} // namespace
