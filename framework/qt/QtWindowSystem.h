#pragma once

#include "framework/WindowSystem.h"

#include <QMargins>

#include <memory>
#include <vector>

class MainWindow;
class QWidget;
class ViewWidget;

// The window system on Qt Widgets: frames become MainWindows, views their
// ViewWidgets, message boxes QMessageBoxes, dialogs QDialogs laid out from
// their templates, profile settings QSettings. Needs a QApplication.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;

    bool CreateFrame(CFrameWnd& frame, const CREATESTRUCT& cs) override;
    void DestroyFrame(CFrameWnd& frame) override;
    void ShowWindow(CWnd& window) override;
    std::unique_ptr<CDC> GetDC(CWnd& window) override;
    void ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) override;
    int MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    void MessageBeep(UINT type) override;
    void ShowWaitCursor(bool on) override;
    void PostClose(CWnd& window) override;
    void SetWindowText(CWnd& window, std::string_view text) override;
    // The primary screen's available geometry: where Qt opens windows.
    bool GetWorkArea(CRect& work) override;
    // Adds the menu bar's height, and the desktop's window frame as the last
    // framed window had it (nothing before the first: the desktop tells only
    // once a window is on the screen).
    void AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle) override;
    void DrawMenuBar(CWnd& window) override;
    int RunModalDialog(const DialogTemplate& dialog, CWnd* owner) override;
    bool OpenUrl(std::string_view url) override;
    std::unique_ptr<ProfileStore> OpenProfile(std::string_view organisation,
                                              std::string_view application) override;

    // The Qt window of a frame or view, or nullptr when it has none.
    MainWindow* FrameWindow(const CWnd& frame) const;
    ViewWidget* ViewWindow(const CWnd& view) const;

    // The frame the desktop drew around a window, for the next estimate.
    static void NoteFrameMargins(QMargins margins);

private:
    QWidget* WidgetOf(const CWnd& window) const;
    QMargins NonClientMargins(DWORD style, bool menu) const;

    std::vector<std::unique_ptr<MainWindow>> m_frames;
};
