#include "framework/App.h"
#include "framework/WindowSystem.h"
#include "res/CommandIds.h"
#include "res/Strings.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

namespace {

CWinApp* g_app = nullptr;

constexpr char kSettingsSection[] = "Settings";
constexpr char kPreviewPagesEntry[] = "PreviewPages";

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return 0;
}

bool CWinApp::OnCmdMsg(UINT id) {
    switch (id) {
    case ID_APP_EXIT:
        OnAppExit();
        return true;
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_OPEN:
        return true;
    default:
        return false;
    }
}

bool CWinApp::HasCommandHandler(UINT id) const {
    return id == ID_APP_EXIT || id == ID_FILE_NEW || id == ID_FILE_OPEN;
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr)
        m_pMainWnd->PostMessage(WM_CLOSE);
}

void CWinApp::OnFileNew() {
    if (m_docTemplate != nullptr)
        m_docTemplate->OpenDocumentFile({});
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_docTemplate = std::move(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path) {
    return m_docTemplate != nullptr ? m_docTemplate->OpenDocumentFile(path) : nullptr;
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
    if (m_docTemplate == nullptr)
        return false;
    if (info.m_nShellCommand == CCommandLineInfo::FileOpen)
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    OnFileNew();
    return m_docTemplate->Document() != nullptr;
}

void CWinApp::SetRegistryKey(std::string_view key) {
    m_registryKey = key;
    m_profile.reset();
}

ProfileStore* CWinApp::Profile() {
    if (m_profile == nullptr && !m_registryKey.empty())
        m_profile = CurrentWindowSystem().OpenProfile(m_registryKey, AfxGetAppName());
    return m_profile.get();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles) {
    m_recentFiles = std::make_unique<CRecentFileList>(maxRecentFiles);
    if (ProfileStore* profile = Profile())
        m_recentFiles->ReadList(*profile);
    m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
    ProfileStore* profile = Profile();
    if (profile == nullptr || m_recentFiles == nullptr)
        return;
    m_recentFiles->WriteList(*profile);
    if (m_nNumPreviewPages != 0)
        WriteProfileInt(kSettingsSection, kPreviewPagesEntry, m_nNumPreviewPages);
    std::string problem;
    if (!profile->Flush(problem))
        std::fprintf(stderr, "%s: the settings were not saved: %s\n", program_invocation_short_name,
                     problem.c_str());
}

int CWinApp::GetProfileInt(std::string_view section, std::string_view entry, int defaultValue) {
    ProfileStore* profile = Profile();
    if (profile == nullptr)
        return defaultValue;
    const std::optional<std::string> text = profile->Read(section, entry);
    if (!text)
        return defaultValue;
    try {
        std::size_t used = 0;
        const int value = std::stoi(*text, &used);
        return used == text->size() ? value : defaultValue;
    } catch (const std::exception&) {
        return defaultValue; // not a number, or out of range
    }
}

void CWinApp::WriteProfileInt(std::string_view section, std::string_view entry, int value) {
    if (ProfileStore* profile = Profile())
        profile->Write(section, entry, std::to_string(value));
}

void CWinApp::AddToRecentFileList(std::string_view path) {
    if (m_recentFiles != nullptr)
        m_recentFiles->Add(path);
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

bool OpenUrl(std::string_view url) {
    return CurrentWindowSystem().OpenUrl(url);
}

void MessageBeep(UINT type) {
    CurrentWindowSystem().MessageBeep(type);
}
