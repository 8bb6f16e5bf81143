#include "framework/App.h"

#include "framework/WindowSystem.h"
#include "res/CommandIds.h"
#include "res/Strings.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::OnCmdMsg(UINT id) {
    if (id != ID_APP_EXIT)
        return false;
    OnAppExit();
    return true;
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr)
        m_pMainWnd->PostMessage(WM_CLOSE);
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

std::string_view AfxGetAppName() {
    return g_applicationName;
}

int AfxMessageBox(std::string_view text, UINT type) {
    if ((type & MB_ICONMASK) == 0)
        type |= (type & MB_TYPEMASK) == MB_YESNO ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    return CurrentWindowSystem().MessageBox(AfxGetMainWnd(), text, AfxGetAppName(), type);
}

void MessageBeep(UINT type) {
    CurrentWindowSystem().MessageBeep(type);
}
