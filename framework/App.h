#pragma once

#include "framework/CommandLine.h"
#include "framework/DocTemplate.h"
#include "framework/Profile.h"
#include "framework/Wnd.h"

#include <memory>
#include <string>
#include <string_view>

// The application: the one object that starts the program and takes the
// commands no window handles. Only one exists at a time.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Creates the program's windows; false ends the program at once.
    virtual bool InitInstance() { return true; }
    // Runs once the main window has closed, for the program's last words:
    // the base saves the standard profile settings. Returns the exit status.
    virtual int ExitInstance();

    // The application's commands: Exit closes the main window; New makes a
    // new document; Open does nothing here, as there is no file dialog.
    bool OnCmdMsg(UINT id) override;
    bool HasCommandHandler(UINT id) const override;
    void OnAppExit();
    void OnFileNew();

    // --- Documents.
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_docTemplate.get(); }
    // Opens the file `path` as the document (see CSingleDocTemplate);
    // nullptr when it cannot be opened.
    CDocument* OpenDocumentFile(const std::string& path);

    // --- The command line, as read before the application started.
    void SetCommandLine(const CCommandLineInfo& info) { m_commandLine = info; }
    void ParseCommandLine(CCommandLineInfo& info) const { info = m_commandLine; }
    // Does what the command line asks: a new document, or the named file
    // opened as the document. False when that failed.
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // --- Profile settings, kept under the organisation `key` and the
    // application's name once SetRegistryKey has named it.
    void SetRegistryKey(std::string_view key);
    // Reads the recent-file list (`maxRecentFiles` entries) and the
    // print-preview page count.
    void LoadStdProfileSettings(int maxRecentFiles = 4);
    // Writes them back; a failure is said in one line on stderr.
    void SaveStdProfileSettings();
    int GetProfileInt(std::string_view section, std::string_view entry, int defaultValue);
    void WriteProfileInt(std::string_view section, std::string_view entry, int value);
    void AddToRecentFileList(std::string_view path);
    const CRecentFileList* RecentFileList() const { return m_recentFiles.get(); }

    CWnd* m_pMainWnd = nullptr; // the main window, once it exists
    int m_nNumPreviewPages = 0; // the print preview's page count: kept, never used

private:
    ProfileStore* Profile();

    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
    CCommandLineInfo m_commandLine;
    std::string m_registryKey;
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
};

// The one application object, or nullptr.
CWinApp* AfxGetApp();
// The application's main window, or nullptr before it exists.
CWnd* AfxGetMainWnd();
// The application's name, the caption of message boxes: "Tavro".
std::string_view AfxGetAppName();
// Opens `url` in the user's browser without waiting for it; false when no
// browser could be started.
bool OpenUrl(std::string_view url);
