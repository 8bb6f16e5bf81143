#include "app/TavroApp.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/CommandMap.h"
#include "res/CommandIds.h"
#include "res/ResourceIds.h"
#include "view/TavroView.h"

namespace {

// Where the profile settings are kept: under this organisation, then the
// application's name.
constexpr char kRegistryKey[] = "アプリケーション ウィザードで生成されたローカル アプリケーション";

// The title for the level the program starts at, normal.
constexpr char kInitialTitle[] = "タヴロ - レベル：普通";

const CommandEntry<CTavroApp> kCommands[] = {
    {ID_APP_ABOUT, &CTavroApp::OnAppAbout},
};

} // namespace

CTavroApp::~CTavroApp() {
    if (m_sound && CurrentSoundOutput() == m_sound.get())
        SetSoundOutput(nullptr);
}

bool CTavroApp::InitInstance() {
    if (!CWinApp::InitInstance())
        return false;
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(4);

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, &CreateDocument<CTavroDoc>,
                                                        &CreateFrame<CMainFrame>,
                                                        &CreateView<CTavroView>));

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine))
        return false;
    // The audio device opens once the program is sure to run; the view
    // speaks only from its commands, keys and clicks.
    m_sound = std::make_unique<SdlSoundOutput>();
    SetSoundOutput(m_sound.get());

    m_pMainWnd->ShowWindow();
    m_pMainWnd->SetWindowText(kInitialTitle);
    return true;
}

int CTavroApp::ExitInstance() {
    // The audio device closes while the program is still whole.
    if (m_sound && CurrentSoundOutput() == m_sound.get())
        SetSoundOutput(nullptr);
    m_sound.reset();
    return CWinApp::ExitInstance();
}

bool CTavroApp::OnCmdMsg(UINT id) {
    return DispatchCommand<CTavroApp>(*this, kCommands, id) || CWinApp::OnCmdMsg(id);
}

bool CTavroApp::HasCommandHandler(UINT id) const {
    return FindCommand<CTavroApp>(kCommands, id) != nullptr || CWinApp::HasCommandHandler(id);
}

void CTavroApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
