#pragma once

#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/App.h"
#include "framework/sdl/SdlSound.h"
#include "view/TavroView.h"

#include <memory>

// The application: opens the sound, makes the document, the main frame and,
// inside it, the board view, and shows the window. No game runs until the
// player starts one.
class CTavroApp : public CWinApp {
public:
    ~CTavroApp() override;
    bool InitInstance() override;

private:
    std::unique_ptr<SdlSoundOutput> m_sound;
    // Made in this order: the view's constructor writes the frame's flags.
    std::unique_ptr<CTavroDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CTavroView> m_view;
};
