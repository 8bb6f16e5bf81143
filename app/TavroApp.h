#pragma once

#include "framework/App.h"
#include "framework/sdl/SdlSound.h"

#include <memory>

// The application: opens the sound, reads the profile settings, makes the
// document, the main frame and, inside it, the board view from the command
// line, and shows the window under the title of the normal level. No game
// runs until the player starts one.
class CTavroApp : public CWinApp {
public:
    ~CTavroApp() override;
    bool InitInstance() override;
    int ExitInstance() override;

    bool OnCmdMsg(UINT id) override;
    bool HasCommandHandler(UINT id) const override;
    void OnAppAbout();

private:
    std::unique_ptr<SdlSoundOutput> m_sound;
};
