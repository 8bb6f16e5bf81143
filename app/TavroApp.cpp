#include "app/TavroApp.h"

namespace {
// The title for the level the program starts at, normal.
constexpr char kInitialTitle[] = "タヴロ - レベル：普通";
} // namespace

CTavroApp::~CTavroApp() {
    if (m_sound && CurrentSoundOutput() == m_sound.get())
        SetSoundOutput(nullptr);
}

bool CTavroApp::InitInstance() {
    m_sound = std::make_unique<SdlSoundOutput>();
    SetSoundOutput(m_sound.get());
    m_document = std::make_unique<CTavroDoc>();
    if (!m_document->OnNewDocument())
        return false;
    m_frame = std::make_unique<CMainFrame>();
    m_view = std::make_unique<CTavroView>();
    m_view->AttachDocument(m_document.get());
    m_frame->SetActiveView(m_view.get());
    if (!m_frame->Create())
        return false;
    m_pMainWnd = m_frame.get();
    m_frame->ShowWindow();
    m_frame->SetWindowText(kInitialTitle);
    return true;
}
